// The floor: a plain Qt window of Velkor's size holding, in four tabs, as many plain
// QLineEdit / QLabel pairs as Velkor has fields (argv[2]).
#include "first_paint.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

int main(int argc, char* argv[]) {
    const double start = StartSeconds(argc, argv);
    const int fields = argc > 2 ? std::atoi(argv[2]) : 100;
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(692, 526); // px
    auto* tabs = new QTabWidget(&window);
    tabs->setGeometry(0, 0, 692, 491);
    QWidget* pages[4];
    for (int i = 0; i < 4; ++i) {
        pages[i] = new QWidget;
        tabs->addTab(pages[i], QString("Page %1").arg(i));
    }
    for (int i = 0; i < fields; ++i) {
        QWidget* page = pages[i % 4];
        const int slot = i / 4;
        const int x = 8 + (slot / 16) * 220; // px
        const int y = 8 + (slot % 16) * 26;  // px
        (new QLabel(QString("Field %1").arg(i), page))->setGeometry(x, y, 90, 20);
        (new QLineEdit(page))->setGeometry(x + 92, y, 100, 20);
    }
    FirstPaintProbe probe(&window, start);
    window.show();
    return app.exec();
}
