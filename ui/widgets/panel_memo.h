// PanelMemo: a style that remembers the pixels of the line-edit panels it draws. A result
// field repainted after a new value has its frame drawn over the same backdrop with the same
// look every time; antialiased rounded frames cost the raster engine far more than the text.
// When the pixels under a panel and its look match a panel drawn before, the pixels that
// drawing left are copied back instead; anything else is drawn by the base style as usual.
//
// A field also keeps its backdrop: the pixels its parents painted under it, taken the first
// time it is drawn whole. From then on it paints every pixel of its rectangle itself (opaque),
// so a new value repaints the field alone and not the group box, page and tab control beneath
// it. A change that may alter the backdrop (the parent's palette, the style, the field's place
// or size, the window's activation) drops it; the next paint takes it again.
#pragma once

#include <QImage>
#include <QPalette>
#include <QProxyStyle>

#include <unordered_map>
#include <vector>

class QLineEdit;

namespace velkor::ui {

class PanelMemo : public QProxyStyle {
    Q_OBJECT
public:
    // The memo of `edit`'s window (made on first use, owned by that window), set as the
    // style of `edit`.
    static void Apply(QLineEdit* edit);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // Panels drawn from the memo since it was made (for tests and benchmarks).
    long long Reused() const { return reused_; }
    // Whether `edit` paints its own backdrop now (for tests).
    bool KeepsBackdrop(const QWidget* edit) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PanelMemo(); // over a style of the application's kind

    struct Panel {
        QSize size;
        QStyle::State state;
        int lineWidth = 0, midLineWidth = 0, features = 0;
        QPalette palette;
        QImage before, after; // the panel's pixels before and after it was drawn
    };
    // What a field's parents painted under it, and the parent's palette they painted with.
    struct Backdrop {
        QImage pixels; // null until taken
        QPalette parentPalette;
    };
    static constexpr std::size_t kMostPanels = 64;

    bool HasBackdrop(const QWidget* edit) const;
    // Whether `panel` was drawn with the size, state, frame and palette of `option`.
    static bool SameLook(const Panel& panel, const QStyleOption* option);
    const Panel* Match(const QStyleOption* option, const QImage& under) const;
    const Panel* MatchPixels(const QStyleOption* option, const QImage& target,
                             const QRect& area) const;
    void Remember(const Panel& panel) const;
    void TakeBackdrop(const QWidget* edit, const QImage& pixels) const;
    void DropBackdrop(QWidget* edit) const;

    mutable std::vector<Panel> panels_;
    mutable std::size_t next_ = 0; // the panel replaced when the memo is full
    mutable long long reused_ = 0;
    mutable std::unordered_map<const QWidget*, Backdrop> backdrops_; // of every field it draws
};

} // namespace velkor::ui
