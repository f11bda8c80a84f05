#include "staged_start.h"

#include "main_window.h"

#include <QEvent>
#include <QTimer>

namespace {

// Watches the window's first paint, then completes the window on the next turn of the loop.
class AfterFirstPaint : public QObject {
public:
    explicit AfterFirstPaint(TForm1* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint) {
            window_->removeEventFilter(this);
            QTimer::singleShot(0, window_, &TForm1::CompleteBuild);
            deleteLater();
        }
        return false;
    }

private:
    TForm1* window_;
};

} // namespace

TForm1* StartForms() {
    auto* main = new TForm1(nullptr, TForm1::Start::VisibleFirst);
    main->setAttribute(Qt::WA_DeleteOnClose);
    new AfterFirstPaint(main);
    return main;
}
