// Velkor started as the program starts it (app/main.cpp), with the first-paint probe.
#include "first_paint.h"
#include "main_window.h"
#include "staged_start.h"

#include <QIcon>
#include <QLineEdit>

int main(int argc, char* argv[]) {
    const double start = StartSeconds(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velkor");
    QApplication::setDesktopFileName("velkor");
    TForm1* window = StartForms();
    // The program's icon is the main window's, drawn once at the sizes the desktop asks for.
    QApplication::setWindowIcon(window->windowIcon());
    FirstPaintProbe probe(window, start);
    std::printf("fields=%lld\n", static_cast<long long>(window->findChildren<QLineEdit*>().size()));
    window->show();
    return app.exec();
}
