#include "support_window.h"

#include "main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <limits>

namespace window_testing {

Window::Window() : window_(CreateForms()) {
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_))
        qWarning("the main window did not become active");
}

Window::~Window() {
    delete window_.data();
}

TForm1* Window::get() const {
    return qobject_cast<TForm1*>(window_.data());
}

QWidget* FindControl(QWidget* root, const QString& name) {
    if (!root)
        return nullptr;
    auto* widget = root->findChild<QWidget*>(name);
    if (!widget)
        qWarning("no control named %s", qPrintable(name));
    return widget;
}

QString Text(QWidget* root, const QString& name) {
    QWidget* widget = FindControl(root, name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return list->currentText();
    return {};
}

QChar DecimalSeparator() {
    return QLocale::system().decimalPoint().at(0);
}

QString Local(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char(','), DecimalSeparator());
    return out;
}

void ShowPageOf(QWidget* widget) {
    // Walk up: every QStackedWidget page inside a QTabWidget becomes the current one.
    for (QWidget* child = widget; child && child->parentWidget(); child = child->parentWidget()) {
        QWidget* stack = child->parentWidget();
        if (auto* tabs = qobject_cast<QTabWidget*>(stack ? stack->parentWidget() : nullptr)) {
            const int index = tabs->indexOf(child);
            if (index >= 0)
                tabs->setCurrentIndex(index);
        }
    }
}

void TypeInto(QWidget* root, const QString& name, const QString& text) {
    auto* edit = Control<QLineEdit>(root, name);
    if (!edit) {
        QTest::qFail(qPrintable("no field " + name), __FILE__, __LINE__);
        return;
    }
    ShowPageOf(edit);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    for (QChar c : text)
        QTest::keyClick(edit, c.toLatin1() ? c.toLatin1() : '?');
}

namespace {

// Where a user clicks a button: on the indicator of a check box or radio button (whose widget
// may be much wider than its caption, and takes clicks only on the indicator and the caption),
// in the middle of any other button.
QPoint ClickPoint(QAbstractButton* button) {
    QStyle::SubElement indicator;
    if (qobject_cast<QCheckBox*>(button))
        indicator = QStyle::SE_CheckBoxIndicator;
    else if (qobject_cast<QRadioButton*>(button))
        indicator = QStyle::SE_RadioButtonIndicator;
    else
        return button->rect().center();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    return button->style()->subElementRect(indicator, &option, button).center();
}

} // namespace

void Click(QWidget* root, const QString& name) {
    auto* button = Control<QAbstractButton>(root, name);
    if (!button) {
        QTest::qFail(qPrintable("no button " + name), __FILE__, __LINE__);
        return;
    }
    ShowPageOf(button);
    if (button->isVisible())
        QTest::mouseClick(button, Qt::LeftButton, {}, ClickPoint(button));
    else
        button->click();
}

namespace {

// Watches for modal QMessageBoxes while `trigger` runs: each of the first `limit` boxes is
// read, then closed by `close`. Returns what the boxes showed, in order.
QList<BoxSeen> WatchBoxes(const std::function<void()>& trigger,
                          const std::function<void(QMessageBox*)>& close, int limit) {
    QList<BoxSeen> seen;
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->property("answered").toBool())
            return;
        box->setProperty("answered", true);
        BoxSeen one;
        one.shown = true;
        one.title = box->windowTitle();
        one.text = box->text();
        one.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            one.buttons << button->text();
        seen << one;
        if (seen.size() >= limit)
            watcher.stop();
        close(box);
    });
    watcher.start();
    trigger();
    watcher.stop();
    return seen;
}

// Closes a box with the button captioned `answer`, else its default or only button.
void Answer(QMessageBox* box, const QString& answer) {
    QAbstractButton* choice = nullptr;
    for (QAbstractButton* button : box->buttons())
        if (!answer.isEmpty() && button->text() == answer)
            choice = button;
    if (!choice && box->defaultButton())
        choice = box->defaultButton();
    if (!choice)
        choice = box->buttons().value(0);
    if (choice)
        choice->click();
    else
        box->reject();
}

} // namespace

BoxSeen DismissNextBox(const std::function<void()>& trigger) {
    return WatchBoxes(
               trigger, [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }, 1)
        .value(0);
}

BoxSeen AnswerNextBox(const std::function<void()>& trigger, const QString& answer) {
    return WatchBoxes(
               trigger, [&answer](QMessageBox* box) { Answer(box, answer); }, 1)
        .value(0);
}

QList<BoxSeen> AnswerAllBoxes(const std::function<void()>& trigger) {
    return WatchBoxes(
        trigger, [](QMessageBox* box) { Answer(box, {}); }, std::numeric_limits<int>::max());
}

QColor Background(QWidget* root, const QString& name) {
    QWidget* widget = FindControl(root, name);
    return widget ? widget->palette().color(QPalette::Base) : QColor();
}

QColor TextColour(QWidget* root, const QString& name) {
    QWidget* widget = FindControl(root, name);
    return widget ? widget->palette().color(QPalette::Text) : QColor();
}

bool Bold(QWidget* root, const QString& name) {
    QWidget* widget = FindControl(root, name);
    return widget && widget->font().bold();
}

QString Cell(QWidget* root, const QString& grid, int column, int row) {
    auto* table = Control<QTableWidget>(root, grid);
    const QTableWidgetItem* item = table ? table->item(row, column) : nullptr;
    return item ? item->text() : QString();
}

void TypeIntoCell(QWidget* root, const QString& grid, int column, int row, const QString& text) {
    auto* table = Control<QTableWidget>(root, grid);
    if (!table) {
        QTest::qFail(qPrintable("no grid " + grid), __FILE__, __LINE__);
        return;
    }
    ShowPageOf(table);
    table->setFocus(Qt::OtherFocusReason);
    table->setCurrentCell(row, column);
    QTest::keyClick(table->viewport(), Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    if (!qobject_cast<QLineEdit*>(editor)) // the window is not active: find the open editor
        for (auto* line : table->viewport()->findChildren<QLineEdit*>())
            if (line->isVisible())
                editor = line;
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->selectAll();
        for (QChar c : text)
            QTest::keyClick(line, c.toLatin1() ? c.toLatin1() : '?');
        QTest::keyClick(line, Qt::Key_Return);
        QCoreApplication::processEvents(); // the view commits the editor's text from its queue
    }
}

void RunResonanceAndCoil(QWidget* root) {
    TypeInto(root, "IFREQ", "100");
    TypeInto(root, "ICAP", "10");
    Click(root, "SBCIR");
    Click(root, "SBCXC");
    Click(root, "SBCXL");
    Click(root, "SBPASSAIR");
    TypeInto(root, "DSS", "10");
    TypeInto(root, "LSS", "20");
    AnswerAllBoxes([&] { Click(root, "SBCNSSS"); });
}

} // namespace window_testing
