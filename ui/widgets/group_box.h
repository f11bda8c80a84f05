// A group box that draws its own frame under the Fusion style, the same faint rounded line
// as Fusion's without reading the style's frame picture from an image file at the first paint,
// and whose title may have a look of its own (bold, a colour) that the controls inside do not
// inherit.
#pragma once

#include <QColor>
#include <QGroupBox>

namespace velkor::ui {

class GroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit GroupBox(const QString& title, QWidget* parent = nullptr);

    void SetTitleLook(bool bold, const QColor& colour);
    bool TitleBold() const { return titleBold_; }
    QColor TitleColour() const { return titleColour_; } // invalid: the window-text colour

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Draws the frame; returns the y below which the title and the check box have nothing to
    // draw (px), or 0 when there was no room for the frame.
    int DrawFusionFrame(QPainter& painter, const QStyleOptionGroupBox& option);

    bool titleBold_ = false;
    QColor titleColour_;
};

} // namespace velkor::ui
