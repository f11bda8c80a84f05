// The three report fills: each copies the current texts of one page of the main window into
// the labels, memos and pictures of its report form, adding unit suffixes. They compute
// nothing and change nothing on the main window. `main` is the main window; its fields and
// its report forms ("Form2", "Form3", "Form4") are found by objectName.
#pragma once

class QWidget;

namespace velkor::reports {

// The inductor page into Form2: resonance, currents and the visible sub-page.
void FillInductorReport(QWidget* main);
// The ferrite page into Form3.
void FillFerriteReport(QWidget* main);
// The mains page into Form4, with the entered secondaries and the windings memos.
void FillMainsReport(QWidget* main);
// The flyback page into Form5.
void FillFlybackReport(QWidget* main);

} // namespace velkor::reports
