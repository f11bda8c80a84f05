// Page 3, "Documentazione": the manual in one read-only rich-text view.
#include "field_table.h"
#include "looks.h"

#include <QKeyEvent>
#include <QTextEdit>
#include <QVBoxLayout>

namespace velkor::ui {

namespace {

// A read-only view would pass Tab on to the next control; this one keeps it.
class ManualView : public QTextEdit {
public:
    using QTextEdit::QTextEdit;

protected:
    bool focusNextPrevChild(bool) override { return false; }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
            event->accept();
            return;
        }
        QTextEdit::keyPressEvent(event);
    }
};

} // namespace

void BuildManualPage(QWidget* page) {
    auto* view = new ManualView(page);
    view->setObjectName("REDIT1");
    view->setReadOnly(true);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setTabChangesFocus(false);
    // The manual carries its own text colours (navy, red, green, grey, black): it is shown on
    // white paper on every palette.
    SetPaper(view);
    view->setPlainText("File VELKOR_DOC.RTF non trovato.");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
}

} // namespace velkor::ui
