// Velkor: builds the application, with Qt's own texts in Italian, creates the main window (the
// page shown first, the rest and the three report forms right after its first paint), shows it
// and runs the event loop until it closes. The program takes no options; VELKOR_CHECK_MANUAL
// (VELKOR_CHECK_LIBRARY) in the environment makes it report where it found its manual (its
// parts library) and exit instead (manual_check.h).
#include "main_window.h"
#include "manual_check.h"
#include "qt_translations.h"
#include "staged_start.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velkor");
    QApplication::setDesktopFileName("velkor");
    velkor::ui::InstallQtTranslations(app);
    if (velkor::ManualCheckAsked() || velkor::LibraryCheckAsked()) {
        QTextStream out(stdout);
        int status = 0;
        if (velkor::ManualCheckAsked())
            status |= velkor::CheckManual(out);
        if (velkor::LibraryCheckAsked())
            status |= velkor::CheckLibrary(out);
        return status;
    }
    TForm1* window = StartForms();
    window->show();
    return app.exec();
}
