// Loading the user manual "VELKOR_DOC.RTF" into the manual page's view.
#pragma once

#include <QString>
#include <QStringList>

class QTextEdit;

namespace velkor {

// The manual's file name, looked up without a folder first.
inline constexpr char kManualFile[] = "VELKOR_DOC.RTF";

// The environment variable naming a data folder looked in before the installed one: an
// unpacked package or a test points the program at its own copy of the manual with it.
inline constexpr char kDataDirVariable[] = "VELKOR_DATA_DIR";

// The installed data directory, where an installation puts the manual (/usr/share/velkor for
// the Debian package).
QString InstalledDataDir();

// The data directories, in order: the one VELKOR_DATA_DIR names (when set and not empty), then
// the installed data directory.
QStringList DataDirs();

// The places the manual is looked for, in order: the current directory, the executable's
// directory, then each of data_dirs.
QStringList ManualCandidates(const QStringList& data_dirs);

// Replaces the view's content with the first candidate that can be read and returns true; the
// document's DocumentUrl then names that file. When none can be read the view keeps its text
// and the result is false. Never shows a message.
bool LoadManual(QTextEdit* view, const QStringList& data_dirs);

// The same, with DataDirs().
bool LoadManual(QTextEdit* view);

} // namespace velkor
