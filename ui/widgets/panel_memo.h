// PanelMemo: a style that remembers the pixels of the line-edit panels it draws. A result
// field repainted after a new value has its frame drawn over the same backdrop with the same
// look every time; antialiased rounded frames cost the raster engine far more than the text.
// When the pixels under a panel and its look match a panel drawn before, the pixels that
// drawing left are copied back instead; anything else is drawn by the base style as usual.
#pragma once

#include <QImage>
#include <QPalette>
#include <QProxyStyle>

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

private:
    PanelMemo(); // over a style of the application's kind

    struct Panel {
        QSize size;
        QStyle::State state;
        int lineWidth = 0, midLineWidth = 0, features = 0;
        QPalette palette;
        QImage before, after; // the panel's pixels before and after it was drawn
    };
    static constexpr std::size_t kMostPanels = 64;

    mutable std::vector<Panel> panels_;
    mutable std::size_t next_ = 0; // the panel replaced when the memo is full
    mutable long long reused_ = 0;
};

} // namespace velkor::ui
