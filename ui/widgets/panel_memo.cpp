#include "panel_memo.h"

#include <QApplication>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleOptionFrame>

#include <cstring>

namespace velkor::ui {

namespace {

// The image `painter` draws into and where `rect` lands in it, when the painter only moves
// whole pixels on an image of one device pixel per pixel; otherwise a null image pointer.
QImage* Target(QPainter* painter, const QRect& rect, QRect* area) {
    QPaintEngine* engine = painter->paintEngine();
    if (!engine || !engine->paintDevice() || engine->paintDevice()->devType() != QInternal::Image)
        return nullptr;
    auto* image = static_cast<QImage*>(engine->paintDevice());
    const QTransform transform = painter->deviceTransform();
    if (transform.type() > QTransform::TxTranslate || image->devicePixelRatio() != 1.0 ||
        transform.dx() != qRound(transform.dx()) || transform.dy() != qRound(transform.dy()) ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver ||
        painter->opacity() != 1.0 || image->depth() != 32)
        return nullptr;
    *area = rect.translated(qRound(transform.dx()), qRound(transform.dy()));
    return image->rect().contains(*area) ? image : nullptr;
}

bool SamePixels(const QImage& image, const QRect& area, const QImage& copy) {
    if (copy.format() != image.format() || copy.size() != area.size())
        return false;
    const auto bytes = static_cast<std::size_t>(area.width()) * 4;
    for (int y = 0; y < area.height(); ++y) {
        const uchar* line = image.constScanLine(area.top() + y) + std::size_t(area.left()) * 4;
        if (std::memcmp(line, copy.constScanLine(y), bytes) != 0)
            return false;
    }
    return true;
}

} // namespace

// Left without a base, a proxy would draw in the desktop's style rather than the application's.
PanelMemo::PanelMemo() : QProxyStyle(QApplication::style()->name()) {}

void PanelMemo::Apply(QLineEdit* edit) {
    QWidget* window = edit->window();
    auto* memo = window->findChild<PanelMemo*>(QString(), Qt::FindDirectChildrenOnly);
    if (!memo) {
        memo = new PanelMemo();
        memo->setParent(window);
    }
    edit->setStyle(memo);
}

void PanelMemo::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    QRect area; // px, in the target image
    QImage* target = element == PE_PanelLineEdit && frame && painter
                         ? Target(painter, option->rect, &area)
                         : nullptr;
    if (!target) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const auto sameLook = [&](const Panel& panel) {
        return panel.size == option->rect.size() && panel.state == option->state &&
               panel.lineWidth == frame->lineWidth && panel.midLineWidth == frame->midLineWidth &&
               panel.features == int(frame->features) &&
               (panel.palette.cacheKey() == option->palette.cacheKey() ||
                panel.palette == option->palette);
    };
    for (const Panel& panel : panels_) {
        if (sameLook(panel) && SamePixels(*target, area, panel.before)) {
            painter->save();
            painter->setCompositionMode(QPainter::CompositionMode_Source);
            painter->drawImage(option->rect.topLeft(), panel.after); // within the paint's clip
            painter->restore();
            ++reused_;
            return;
        }
    }
    // Only a panel drawn whole is remembered: a clipped one leaves older pixels in its place.
    const QRegion clip = painter->paintEngine()->systemClip();
    const bool whole =
        !painter->hasClipping() && (clip.isEmpty() || (QRegion(area) - clip).isEmpty());
    QImage before;
    if (whole)
        before = target->copy(area);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (!whole)
        return;
    Panel panel{option->rect.size(),  option->state,   frame->lineWidth, frame->midLineWidth,
                int(frame->features), option->palette, before,           target->copy(area)};
    if (panels_.size() < kMostPanels) {
        panels_.push_back(std::move(panel));
    } else {
        panels_[next_] = std::move(panel);
        next_ = (next_ + 1) % kMostPanels;
    }
}

} // namespace velkor::ui
