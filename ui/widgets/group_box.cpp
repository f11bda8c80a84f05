#include "group_box.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace velkor::ui {

GroupBox::GroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void GroupBox::SetTitleLook(bool bold, const QColor& colour) {
    titleBold_ = bold;
    titleColour_ = colour;
    update();
}

void GroupBox::paintEvent(QPaintEvent* event) {
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
        const int titleBottom = DrawFusionFrame(painter, option);
        option.subControls &= ~QStyle::SC_GroupBoxFrame;
        // The title and the check box lie above the frame's top line: a repaint of fields
        // inside the frame, or reaching only into the gap above the line, has nothing of them to
        // draw (laying the title out is the costly part).
        if (titleBottom > 0 && !event->region().intersects(QRect(0, 0, width(), titleBottom)))
            return;
    }
    style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
}

int GroupBox::DrawFusionFrame(QPainter& painter, const QStyleOptionGroupBox& option) {
    // Fusion's frame, pixel for pixel: a faint grey line with softened corners around a barely
    // darker inside, below the title's line and one pixel in from the left and the top. Each
    // shade is given as the opaque colour it makes on the background: large translucent fills
    // would be blended on Qt's worker threads, each paint waiting for them.
    const int kTitleGap = 3; // px
    const int titleHeight =
        title().isEmpty() && !isCheckable()
            ? 0
            : qMax(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, this),
                   option.fontMetrics.height()); // px
    const QRect area =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
    const QRect frame = area.adjusted(1, titleHeight + kTitleGap + 1, 0, 0); // px
    if (frame.width() < 4 || frame.height() < 4)
        return 0;
    const QColor background = option.palette.color(QPalette::Window);
    // `grey` (0-255) laid over the background with `alpha` (0-255).
    const auto shade = [&background](int grey, int alpha) {
        const auto mix = [&](int channel) {
            return (grey * alpha + channel * (255 - alpha) + 127) / 255;
        };
        return QColor(mix(background.red()), mix(background.green()), mix(background.blue()));
    };
    const int l = frame.left(), t = frame.top(), r = frame.right(), b = frame.bottom(); // px
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(frame, shade(0, 3)); // the inside
    painter.setPen(shade(0, 7));          // the inner line
    painter.drawRect(frame.adjusted(1, 1, -2, -2));
    painter.setPen(shade(0x75, 50)); // the line
    painter.drawLine(l + 1, t, r - 1, t);
    painter.drawLine(l + 1, b, r - 1, b);
    painter.drawLine(l, t + 1, l, b - 1);
    painter.drawLine(r, t + 1, r, b - 1);
    painter.setPen(shade(0x27, 13)); // the corners, softened
    painter.drawPoints(QPolygon({{l, t}, {r, t}, {l, b}, {r, b}}));
    painter.setPen(shade(0x5a, 31));
    painter.drawPoints(QPolygon({{l + 1, t + 1}, {r - 1, t + 1}, {l + 1, b - 1}, {r - 1, b - 1}}));
    painter.restore();
    return area.top() + titleHeight;
}

} // namespace velkor::ui
