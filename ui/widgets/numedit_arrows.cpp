#include "numedit_arrows.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

SpinArrows::SpinArrows(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("arrows"));
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    timer_.setInterval(kFirstRepeat);
    connect(&timer_, &QTimer::timeout, this, &SpinArrows::Repeat);
}

QRect SpinArrows::ArrowRect(int direction) const {
    const int upper = height() / 2;
    return direction > 0 ? QRect(0, 0, width(), upper) : QRect(0, upper, width(), height() - upper);
}

int SpinArrows::ArrowAt(const QPoint& point) const {
    if (ArrowRect(1).contains(point))
        return 1;
    if (ArrowRect(-1).contains(point))
        return -1;
    return 0;
}

void SpinArrows::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    held_ = ArrowAt(event->position().toPoint());
    if (held_ == 0)
        return;
    pointerOnHeld_ = true;
    update();
    emit pressed();
    // The press may have moved the focus away and back; the arrow still steps once.
    if (held_ != 0)
        emit step(held_);
    if (held_ == 0)
        return; // the step let go of the arrow (its error box took the release)
    timer_.setInterval(kFirstRepeat);
    timer_.start();
}

void SpinArrows::mouseMoveEvent(QMouseEvent* event) {
    if (held_ == 0)
        return;
    const bool on = ArrowAt(event->position().toPoint()) == held_;
    if (on != pointerOnHeld_) {
        pointerOnHeld_ = on;
        update();
    }
}

void SpinArrows::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Release();
}

void SpinArrows::Release() {
    timer_.stop();
    held_ = 0;
    pointerOnHeld_ = false;
    update();
}

void SpinArrows::Repeat() {
    timer_.setInterval(kRepeat);
    if (held_ != 0 && pointerOnHeld_)
        emit step(held_);
}

void SpinArrows::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int direction : {1, -1}) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = ArrowRect(direction);
        const bool down = held_ == direction && pointerOnHeld_;
        button.state |= down ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = button.rect.adjusted(3, 1, -3, -1);
        if (down)
            arrow.rect.translate(1, 1);
        style()->drawPrimitive(direction > 0 ? QStyle::PE_IndicatorArrowUp
                                             : QStyle::PE_IndicatorArrowDown,
                               &arrow, &painter, this);
    }
}
