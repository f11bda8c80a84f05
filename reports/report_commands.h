// The print commands of the main window's bottom bar. Each fills the report of the visible
// page of PageControl1 from the page's fields, then prints, previews, sets up or exports that
// report; on the manual page they do nothing. `main` is the main window: fields and report forms
// ("Form2", "Form3", "Form4", its children) are found by objectName.
#pragma once

class QWidget;

namespace velkor::reports {

class TQuickRep;

// The report of the visible page of PageControl1; nullptr on the manual page.
TQuickRep* ActiveReport(QWidget* main);
void FillActiveReport(QWidget* main);
// With no printer installed (and no file chosen in the set-up) it shows a box that points to
// the PDF export instead of printing.
void SBPRINTClick(QWidget* main);
void SBPREVIEWClick(QWidget* main);
void SBPRINTSETUPClick(QWidget* main);
// Saves the report in a PDF file the user names (pdf_export.h).
void SBPDFClick(QWidget* main);

} // namespace velkor::reports
