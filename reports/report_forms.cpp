#include "report_forms.h"

// Each form is a hidden top-level window; the main window owns it so that it lives exactly as
// long as the main window.
TForm2::TForm2(QWidget* owner) : QWidget(owner, Qt::Window) { setObjectName("Form2"); }
TForm3::TForm3(QWidget* owner) : QWidget(owner, Qt::Window) { setObjectName("Form3"); }
TForm4::TForm4(QWidget* owner) : QWidget(owner, Qt::Window) { setObjectName("Form4"); }
