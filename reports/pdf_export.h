// The PDF export of the bottom bar's "PDF" button: the report of the visible page, exactly as
// the preview shows it, saved in a file the user names, proposed as
// velkor-<pagina>-<data>.pdf in the documents folder.
#pragma once

#include <QDate>
#include <QString>

class QWidget;

namespace velkor::reports {

// The file name proposed for the report of PageControl1's page `page` on `date`
// ("velkor-ferrite-2026-03-14.pdf"); empty for a page without a report.
QString PdfFileName(int page, const QDate& date);

// The folder the file is proposed in: the user's documents folder, or the home folder when
// there is none.
QString PdfFolder();

// Fills the visible page's report, asks for the file (a save dialog named "PdfFileDialog"),
// and writes the report's page there. A file that cannot be written leaves no file and shows a
// box that says why. Does nothing on a page without a report.
void ExportActiveReport(QWidget* main);

} // namespace velkor::reports
