#include "main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TForm1* window = CreateForms();
    window->show();
    return app.exec();
}
