#include "error_box.h"

#include <QMessageBox>

namespace velkor::ui {

void ShowCriticalBox(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void ShowGeneralErrorBox(QWidget* parent, const QString& text) {
    ShowCriticalBox(parent, QStringLiteral("Velkor"), text);
}

} // namespace velkor::ui
