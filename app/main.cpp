// Velkor: builds the application, creates the main window (the page shown first, the rest
// and the three report forms right after its first paint), shows it and runs the event loop
// until it closes.
#include "main_window.h"
#include "staged_start.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velkor");
    QApplication::setDesktopFileName("velkor");
    TForm1* window = StartForms();
    // The program's icon is the main window's, drawn once at the sizes the desktop asks for.
    QApplication::setWindowIcon(window->windowIcon());
    window->show();
    return app.exec();
}
