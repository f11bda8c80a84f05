// Loading the user manual "VELKOR_DOC.RTF" into the manual page's view.
#pragma once

#include <QString>
#include <QStringList>

class QTextEdit;

namespace velkor {

// The manual's file name, looked up without a folder first.
inline constexpr char kManualFile[] = "VELKOR_DOC.RTF";

// The installed data directory, where an installation puts the manual.
QString InstalledDataDir();

// The places the manual is looked for, in order: the current directory, the executable's
// directory, then data_dir (the installed data directory unless a test passes another).
QStringList ManualCandidates(const QString& data_dir);

// Replaces the view's content with the first candidate that can be read and returns true; when
// none can be read the view keeps its text and the result is false. Never shows a message.
bool LoadManual(QTextEdit* view, const QString& data_dir);

// The same, with the installed data directory.
bool LoadManual(QTextEdit* view);

} // namespace velkor
