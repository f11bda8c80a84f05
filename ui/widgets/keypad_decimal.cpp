#include "keypad_decimal.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace velkor::ui {

namespace {

// Turns the keypad's "." or "," into the regional separator before the field sees it.
class KeypadDecimal : public QObject {
public:
    explicit KeypadDecimal(QObject* owner) : QObject(owner) {
        setObjectName(QStringLiteral("velkorKeypadDecimal"));
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (!(key->modifiers() & Qt::KeypadModifier) ||
            (key->key() != Qt::Key_Period && key->key() != Qt::Key_Comma))
            return false;
        const QString decimal = QLocale::system().decimalPoint();
        if (key->text() == decimal)
            return false;
        const int code = decimal == QLatin1String(",") ? Qt::Key_Comma : Qt::Key_Period;
        QKeyEvent regional(key->type(), code, key->modifiers(), decimal, key->isAutoRepeat(),
                           static_cast<quint16>(key->count()));
        QApplication::sendEvent(watched, &regional);
        return true;
    }
};

} // namespace

void TypeRegionalDecimalOnKeypad(QLineEdit* field) {
    if (field->findChild<KeypadDecimal*>(QStringLiteral("velkorKeypadDecimal"),
                                         Qt::FindDirectChildrenOnly))
        return;
    field->installEventFilter(new KeypadDecimal(field));
}

} // namespace velkor::ui
