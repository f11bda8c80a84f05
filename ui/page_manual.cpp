// Page 3, "Documentazione": the manual in one read-only rich-text view.
#include "field_table.h"

#include <QTextEdit>
#include <QVBoxLayout>

namespace velkor::ui {

void BuildManualPage(QWidget* page) {
    auto* view = new QTextEdit(page);
    view->setObjectName("REDIT1");
    view->setReadOnly(true);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setTabChangesFocus(false); // the Tab key stays inside the view
    view->setPlainText("File VELKOR_DOC.RTF non trovato.");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
}

} // namespace velkor::ui
