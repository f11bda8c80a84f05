// Helpers for the spin field tests: regional texts, typed keys and a host window.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QList>
#include <QLocale>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace numedit_testing {

inline QChar Decimal() {
    return QLocale::system().decimalPoint().at(0);
}
inline QChar OtherSeparator() {
    return Decimal() == QLatin1Char(',') ? '.' : ',';
}
inline QChar Thousands() {
    return QLocale::system().groupSeparator().at(0);
}
inline bool CommaSetting() {
    return Decimal() == QLatin1Char(',');
}

// Expected texts are written as under a decimal comma, with "_" for the thousands separator.
inline QString Local(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char(','))
            out += Decimal();
        else if (c == QLatin1Char('_'))
            out += Thousands();
        else
            out += c;
    }
    return out;
}

// Types each character as a real key press: "D" is the regional decimal separator, "X" the
// other separator, everything else is sent as it stands.
inline void TypeKeys(QWidget* widget, const QString& keys) {
    for (QChar c : keys) {
        const QChar sent = c == QLatin1Char('D')   ? Decimal()
                           : c == QLatin1Char('X') ? OtherSeparator()
                                                   : c;
        QTest::keyClick(widget, sent.toLatin1());
    }
}

// A key held down: an auto-repeated press without its release.
inline void HeldKey(QWidget* widget, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(widget, &press);
}

// A shown and active top-level window for focus tests.
inline void ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qFatal("the test window did not become active");
}

// What a modal message box showed.
struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

// Runs `trigger` and closes every modal QMessageBox it opens with its first button, as a user
// would; returns what each box showed, in order.
inline QList<BoxSeen> CloseBoxes(const std::function<void()>& trigger) {
    QList<BoxSeen> seen;
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->property("closing").toBool())
            return;
        box->setProperty("closing", true);
        seen.append({box->windowTitle(), box->text(), box->icon(),
                     static_cast<int>(box->buttons().size())});
        if (QAbstractButton* button = box->buttons().value(0))
            button->click();
        else
            box->reject();
    });
    watcher.start();
    trigger();
    watcher.stop();
    return seen;
}

} // namespace numedit_testing
