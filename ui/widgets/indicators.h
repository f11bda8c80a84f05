// Radio buttons and check boxes whose indicator can be seen on any desktop: Fusion draws the
// ring of an unchecked indicator one shade from the window colour (about 2 : 1 on a light
// window, 1.3 : 1 on a dark one); these draw it again in the window-text colour, so that the
// indicator stands out as clearly as a caption (at least 3 : 1, WCAG 1.4.11). Other styles
// draw their indicators their own way, untouched.
#pragma once

#include <QCheckBox>
#include <QRadioButton>

namespace velkor::ui {

class RadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit RadioButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velkor::ui
