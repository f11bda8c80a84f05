// Writes the census of the window CreateForms() builds (its report forms included), shown,
// to the file named by argv[1] (standard output without one).
#include "main_window.h"
#include "widget_census.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TForm1* window = CreateForms();
    window->show();
    QElapsedTimer waited;
    waited.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) &&
           waited.elapsed() < 5000) { // ms
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    QCoreApplication::processEvents();
    std::FILE* out = argc > 1 ? std::fopen(argv[1], "w") : stdout;
    if (!out)
        return 1;
    WriteCensus(out, TakeCensus(window));
    const auto [all, visible] = Totals(TakeCensus(window));
    std::fprintf(stderr, "census: %d widgets, %d visible\n", all, visible);
    if (out != stdout)
        std::fclose(out);
    delete window;
    return 0;
}
