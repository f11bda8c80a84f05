#include "panel_memo.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
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

// Puts `pixels` in place of what `painter` holds at `at`, within the paint's clip.
void CopyIn(QPainter* painter, const QPoint& at, const QImage& pixels) {
    painter->save();
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    painter->drawImage(at, pixels);
    painter->restore();
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
    // An entry outlives a deleted field harmlessly: only fields of this style ask for theirs,
    // and a new field at the same address starts afresh here.
    memo->backdrops_[edit] = {};
    edit->installEventFilter(memo);
}

bool PanelMemo::HasBackdrop(const QWidget* edit) const {
    const auto field = backdrops_.find(edit);
    return field != backdrops_.end() && !field->second.pixels.isNull();
}

bool PanelMemo::KeepsBackdrop(const QWidget* edit) const {
    return HasBackdrop(edit) && edit->testAttribute(Qt::WA_OpaquePaintEvent);
}

bool PanelMemo::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::PaletteChange: {
        // The field's own look changes its palette too; only its parent's can change what
        // lies beneath it.
        const auto field = backdrops_.find(edit);
        const QWidget* parent = edit->parentWidget();
        if (field != backdrops_.end() && parent &&
            (parent->palette().cacheKey() == field->second.parentPalette.cacheKey() ||
             parent->palette() == field->second.parentPalette))
            break;
        DropBackdrop(edit);
        break;
    }
    case QEvent::ApplicationPaletteChange:
    case QEvent::StyleChange:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ParentChange:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        DropBackdrop(edit);
        break;
    default:
        break;
    }
    return false;
}

void PanelMemo::TakeBackdrop(const QWidget* edit, const QImage& pixels) const {
    const auto field = backdrops_.find(edit);
    if (field == backdrops_.end() || !field->second.pixels.isNull() || !edit->parentWidget())
        return;
    field->second = {pixels, edit->parentWidget()->palette()};
    // The field turns opaque once this paint is over: Qt reads the flag while it paints.
    QPointer<PanelMemo> memo(const_cast<PanelMemo*>(this));
    auto* widget = const_cast<QWidget*>(edit);
    QMetaObject::invokeMethod(
        widget,
        [memo, widget] {
            if (memo && memo->HasBackdrop(widget))
                widget->setAttribute(Qt::WA_OpaquePaintEvent);
        },
        Qt::QueuedConnection);
}

void PanelMemo::DropBackdrop(QWidget* edit) const {
    const auto field = backdrops_.find(edit);
    if (field == backdrops_.end() || field->second.pixels.isNull())
        return;
    field->second = {};
    if (edit->testAttribute(Qt::WA_OpaquePaintEvent)) {
        edit->setAttribute(Qt::WA_OpaquePaintEvent, false);
        edit->update(); // the parents paint beneath it again
    }
}

bool PanelMemo::SameLook(const Panel& panel, const QStyleOption* option) {
    const auto* frame = static_cast<const QStyleOptionFrame*>(option);
    return panel.size == option->rect.size() && panel.state == option->state &&
           panel.lineWidth == frame->lineWidth && panel.midLineWidth == frame->midLineWidth &&
           panel.features == int(frame->features) &&
           (panel.palette.cacheKey() == option->palette.cacheKey() ||
            panel.palette == option->palette);
}

const PanelMemo::Panel* PanelMemo::Match(const QStyleOption* option, const QImage& under) const {
    for (const Panel& panel : panels_)
        if (SameLook(panel, option) &&
            (panel.before.cacheKey() == under.cacheKey() || panel.before == under))
            return &panel;
    return nullptr;
}

const PanelMemo::Panel* PanelMemo::MatchPixels(const QStyleOption* option, const QImage& target,
                                               const QRect& area) const {
    for (const Panel& panel : panels_)
        if (SameLook(panel, option) && SamePixels(target, area, panel.before))
            return &panel;
    return nullptr;
}

void PanelMemo::Remember(const Panel& panel) const {
    if (panels_.size() < kMostPanels) {
        panels_.push_back(panel);
    } else {
        panels_[next_] = panel;
        next_ = (next_ + 1) % kMostPanels;
    }
}

void PanelMemo::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != PE_PanelLineEdit || !frame || !painter) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The backdrop the field keeps, when it paints its own.
    const auto field = widget ? backdrops_.find(widget) : backdrops_.end();
    const bool kept = field != backdrops_.end() && !field->second.pixels.isNull() &&
                      field->second.pixels.size() == option->rect.size();
    QRect area; // px, in the target image
    QImage* target = Target(painter, option->rect, &area);
    // Only a panel drawn whole tells what lies beneath it: a clipped one leaves older pixels
    // around the clip.
    const QRegion clip = target ? painter->paintEngine()->systemClip() : QRegion();
    const bool whole =
        target && !painter->hasClipping() && (clip.isEmpty() || (QRegion(area) - clip).isEmpty());
    // A backdrop is taken from a field that covers its whole rectangle with its panel.
    const bool canTake =
        field != backdrops_.end() && !kept && whole && option->rect == widget->rect();

    const Panel* panel = kept     ? Match(option, field->second.pixels)
                         : target ? MatchPixels(option, *target, area)
                                  : nullptr;
    if (panel) {
        CopyIn(painter, option->rect.topLeft(), panel->after);
        ++reused_;
        if (canTake)
            TakeBackdrop(widget, panel->before);
        return;
    }
    if (kept) // the pixels beneath are the field's last paint, not its parents'
        CopyIn(painter, option->rect.topLeft(), field->second.pixels);
    QImage before;
    if (whole)
        before = kept ? field->second.pixels : target->copy(area);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (!whole)
        return;
    Remember({option->rect.size(), option->state, frame->lineWidth, frame->midLineWidth,
              int(frame->features), option->palette, before, target->copy(area)});
    if (canTake)
        TakeBackdrop(widget, before);
}

} // namespace velkor::ui
