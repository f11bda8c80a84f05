#include "group_box.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace velkor::ui {

GroupBox::GroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void GroupBox::SetTitleLook(bool bold, const QColor& colour) {
    titleBold_ = bold;
    titleColour_ = colour;
    update();
}

void GroupBox::paintEvent(QPaintEvent*) {
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    QPainter painter(this);
    if (titleBold_) {
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        option.fontMetrics = QFontMetrics(bold);
    }
    if (titleColour_.isValid())
        option.palette.setColor(QPalette::WindowText, titleColour_);
    if (style()->name() == QLatin1String("fusion") &&
        (option.subControls & QStyle::SC_GroupBoxFrame)) {
        DrawFusionFrame(painter, option);
        option.subControls &= ~QStyle::SC_GroupBoxFrame;
    }
    style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
}

void GroupBox::DrawFusionFrame(QPainter& painter, const QStyleOptionGroupBox& option) {
    // Fusion's frame: a faint grey rounded line around a barely darker inside, starting below
    // the title's line and one pixel in from the left and the top.
    const int kTitleGap = 3; // px
    const int titleHeight =
        title().isEmpty() && !isCheckable()
            ? 0
            : qMax(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, this),
                   option.fontMetrics.height()); // px
    const QRect area =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
    const QRectF frame = QRectF(area).adjusted(1, titleHeight + kTitleGap + 1, 0, 0); // px
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 3));
    painter.drawRoundedRect(frame.adjusted(1, 1, -1, -1), 1, 1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(0, 0, 0, 4));
    painter.drawRoundedRect(frame.adjusted(1.5, 1.5, -1.5, -1.5), 1, 1);
    painter.setPen(QColor(117, 117, 117, 50));
    painter.drawRoundedRect(frame.adjusted(0.5, 0.5, -0.5, -0.5), 1.2, 1.2);
    painter.restore();
}

} // namespace velkor::ui
