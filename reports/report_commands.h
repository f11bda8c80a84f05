// The print commands of the main window's bottom bar. Each fills the report of the visible
// page of PageControl1 from the page's fields, then prints, previews or sets up that report;
// on the manual page they do nothing. `main` is the main window: fields and report forms
// ("Form2", "Form3", "Form4", its children) are found by objectName.
#pragma once

class QWidget;

namespace velkor::reports {

void FillActiveReport(QWidget* main);
void SBPRINTClick(QWidget* main);
void SBPREVIEWClick(QWidget* main);
void SBPRINTSETUPClick(QWidget* main);

} // namespace velkor::reports
