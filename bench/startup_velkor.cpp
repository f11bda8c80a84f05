// Velkor started as the program starts it (app/main.cpp), with the first-paint probe, which
// then also times the completion of the window (the pages and report forms built after the
// first paint).
#include "first_paint.h"
#include "main_window.h"
#include "staged_start.h"

int main(int argc, char* argv[]) {
    const double start = StartSeconds(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velkor");
    QApplication::setDesktopFileName("velkor");
    TForm1* window = StartForms();
    FirstPaintProbe probe(window, start, [window] { return window->Complete(); });
    window->show();
    return app.exec();
}
