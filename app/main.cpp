// Velkor: builds the application, creates the main window and the three report forms, shows
// the main window and runs the event loop until it closes.
#include "main_window.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velkor");
    QApplication::setDesktopFileName("velkor");
    TForm1* window = CreateForms();
    // The program's icon is the main window's, drawn once at the sizes the desktop asks for.
    QApplication::setWindowIcon(window->windowIcon());
    window->show();
    return app.exec();
}
