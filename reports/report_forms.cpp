#include "report_forms.h"

using velkor::reports::TQuickRep;

// Each form is a hidden top-level window; the main window owns it so that it lives exactly as
// long as the main window.
TForm2::TForm2(QWidget* owner)
    : QWidget(owner, Qt::Window), report_(new TQuickRep(this, 270.7)) { // band height, mm
    setObjectName("Form2");
    velkor::reports::BuildInductorLayout(report_);
}

TForm3::TForm3(QWidget* owner)
    : QWidget(owner, Qt::Window), report_(new TQuickRep(this, 270.7)) { // mm
    setObjectName("Form3");
    velkor::reports::BuildFerriteLayout(report_);
}

TForm4::TForm4(QWidget* owner)
    : QWidget(owner, Qt::Window),
      report_(new TQuickRep(this, 1038 * velkor::reports::kMmPerUnit)) { // 274.6 mm
    setObjectName("Form4");
    velkor::reports::BuildMainsLayout(report_);
}

TForm5::TForm5(QWidget* owner)
    : QWidget(owner, Qt::Window), report_(new TQuickRep(this, 270.7)) { // mm
    setObjectName("Form5");
    velkor::reports::BuildFlybackLayout(report_);
}
