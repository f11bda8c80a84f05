// Velkor: builds the application, creates the main window (the page shown first, the rest
// and the three report forms right after its first paint), shows it and runs the event loop
// until it closes.
#include "main_window.h"
#include "staged_start.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velkor");
    QApplication::setDesktopFileName("velkor");
    TForm1* window = StartForms();
    window->show();
    return app.exec();
}
