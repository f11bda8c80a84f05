#include "indicators.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionButton>

namespace velkor::ui {

namespace {

bool Fusion(const QWidget* widget) {
    return widget->style()->name() == QLatin1String("fusion");
}

// The indicator's place, as the style lays it out.
QRect IndicatorRect(const QAbstractButton* button, QStyle::SubElement element) {
    QStyleOptionButton option;
    option.initFrom(button);
    return button->style()->subElementRect(element, &option, button);
}

// The pen of the ring: the caption's colour, one pixel wide.
QPen RingPen(const QWidget* widget) {
    QPen pen(widget->palette().color(widget->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                     QPalette::WindowText));
    pen.setWidthF(1.0); // px
    return pen;
}

} // namespace

RadioButton::RadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

void RadioButton::paintEvent(QPaintEvent* event) {
    QRadioButton::paintEvent(event);
    if (!Fusion(this))
        return;
    // Fusion's circle: centred one pixel right and down of the indicator's centre, its radius
    // half the (odd) width less one.
    const QRect box = IndicatorRect(this, QStyle::SE_RadioButtonIndicator);
    const QPointF centre = QRectF(box).center() + QPointF(0.5, 0.5);      // px
    const qreal radius = (box.width() + (box.width() + 1) % 2) / 2.0 - 1; // px
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(RingPen(this));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
}

CheckBox::CheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

void CheckBox::paintEvent(QPaintEvent* event) {
    QCheckBox::paintEvent(event);
    if (!Fusion(this))
        return;
    // Fusion's square: the indicator's outline, on the pixel grid.
    const QRect box = IndicatorRect(this, QStyle::SE_CheckBoxIndicator);
    QPainter painter(this);
    painter.setPen(RingPen(this));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
}

} // namespace velkor::ui
