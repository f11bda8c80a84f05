// Velkor started as the program starts it, with the first-paint probe.
#include "first_paint.h"
#include "main_window.h"

#include <QLineEdit>

int main(int argc, char* argv[]) {
    const double start = StartSeconds(argc, argv);
    QApplication app(argc, argv);
    TForm1* window = CreateForms();
    FirstPaintProbe probe(window, start);
    std::printf("fields=%lld\n", static_cast<long long>(window->findChildren<QLineEdit*>().size()));
    window->show();
    return app.exec();
}
