#include "main_window.h"

#include "report_forms.h"

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setWindowTitle("Velkor - Orvane 2004 - v 1.0");
}

TForm1* CreateForms() {
    auto* main = new TForm1();
    main->setAttribute(Qt::WA_DeleteOnClose);
    auto* form2 = new TForm2(main);
    auto* form3 = new TForm3(main);
    auto* form4 = new TForm4(main);
    (void)form2;
    (void)form3;
    (void)form4;
    return main;
}
