// Helpers for driving the main window in tests: find a control by its component name, type
// into a field with real key events, click a button, answer the next modal message box, and
// read the looks of a field.
#pragma once

#include <QColor>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class TForm1;
class QAbstractButton;
class QLineEdit;
class QTableWidget;

namespace window_testing {

// The main window made by CreateForms(), shown and active; deleted with the fixture.
class Window {
public:
    Window();
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    TForm1* get() const;
    TForm1* operator->() const { return get(); }
    bool Alive() const { return !window_.isNull(); }

private:
    QPointer<QWidget> window_;
};

// The control named `name` inside `root` (any depth), or nullptr. Fails the test when missing
// or of another class if `required`.
QWidget* FindControl(QWidget* root, const QString& name);
template <typename T> T* Control(QWidget* root, const QString& name) {
    return qobject_cast<T*>(FindControl(root, name));
}

// Text of a line edit, label or drop-down list (its edit text).
QString Text(QWidget* root, const QString& name);

// Text with the commas of a comma-setting text replaced by the regional decimal separator.
QString Local(const QString& text);
QChar DecimalSeparator();

// Shows the page (and sub-page) holding the control, gives it the focus, selects its whole
// text and types `text` as real key presses; ends with the field still focused.
void TypeInto(QWidget* root, const QString& name, const QString& text);

// Presses and releases the left mouse button on a button: in the middle of a tool button, on
// the indicator of a radio button or check box. The page holding it is shown first.
void Click(QWidget* root, const QString& name);

// Makes the pages of every tab control holding `widget` the current ones.
void ShowPageOf(QWidget* widget);

// What a modal message box showed.
struct BoxSeen {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons; // captions, in order
};

// Runs `trigger`; the first modal QMessageBox it opens is read and closed with the button
// captioned `answer` (empty: its default or only button). Returns what the box showed;
// `shown` is false when no box opened.
BoxSeen AnswerNextBox(const std::function<void()>& trigger, const QString& answer = {});

// The same, closing the box with the Escape key instead of a button.
BoxSeen DismissNextBox(const std::function<void()>& trigger);

// Runs `trigger` and closes every modal QMessageBox it opens with the box's default or only
// button; returns what each box showed, in order.
QList<BoxSeen> AnswerAllBoxes(const std::function<void()>& trigger);

// Looks of a field: background (QPalette::Base), text colour (QPalette::Text), weight.
QColor Background(QWidget* root, const QString& name);
QColor TextColour(QWidget* root, const QString& name);
bool Bold(QWidget* root, const QString& name);

// Cell of a grid; row 0 is the header row.
QString Cell(QWidget* root, const QString& grid, int column, int row);

// Types `text` into a grid cell through its editor (opened with F2) as real key presses, then
// commits it with Enter.
void TypeIntoCell(QWidget* root, const QString& grid, int column, int row, const QString& text);

// The inductor page's first worked example: resonance at 100 kHz with 10 nF (frequency,
// reactances, inductance passed on) and the single-layer coil of 10 mm by 20 mm.
void RunResonanceAndCoil(QWidget* root);

} // namespace window_testing
