// The key filter of a NumEdit: typed characters, Backspace and Delete, clipboard keys.
#include "numedit.h"

#include <QKeyEvent>

namespace {

constexpr int kLargestExponent = 4932; // extended-precision range

bool IsAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Where the parts of a number text stand.
struct Parts {
    int decimal = -1;  // decimal separator, or -1
    int exponent = -1; // the "E", or -1
    int mantissaEnd = 0;
};

Parts Locate(const QString& text, QChar decimal) {
    Parts parts;
    parts.decimal = static_cast<int>(text.indexOf(decimal));
    parts.exponent = static_cast<int>(text.indexOf(QLatin1Char('E')));
    parts.mantissaEnd = parts.exponent >= 0 ? parts.exponent : static_cast<int>(text.size());
    if (parts.decimal > parts.mantissaEnd)
        parts.decimal = -1; // a separator in the exponent is no separator of the number
    return parts;
}

// The exponent's magnitude stays within the extended range.
bool ExponentFits(const QString& text, int exponent) {
    QString digits = text.mid(exponent + 1);
    if (digits.startsWith(QLatin1Char('-')))
        digits.remove(0, 1);
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    return digits.size() <= 4 && digits.toInt() <= kLargestExponent;
}

// One Backspace (forward = false) or Delete (forward = true) on the text, without selection.
// The decimal separator, the thousands separator and "E" are never deleted alone: the
// deletion passes over them to the next character in the same direction.
void DeleteOne(QString& text, int& caret, bool forward, QChar decimal, QChar thousands,
               int decimals) {
    const auto passedOver = [&](int at) {
        const QChar c = text.at(at);
        return c == decimal || c == thousands || c == QLatin1Char('E');
    };
    const int direction = forward ? 1 : -1;
    int at = forward ? caret : caret - 1;
    while (at >= 0 && at < text.size() && passedOver(at))
        at += direction;
    if (at < 0 || at >= text.size())
        return;
    const Parts parts = Locate(text, decimal);
    const QChar gone = text.at(at);
    if (parts.decimal >= 0 && at > parts.decimal && at < parts.mantissaEnd && IsAsciiDigit(gone)) {
        // A decimal goes; fixed decimals keep their count with a zero at the end.
        text.remove(at, 1);
        if (decimals > 0)
            text.insert(parts.mantissaEnd - 1, QLatin1Char('0'));
        caret = at;
        return;
    }
    if (at == 0 && gone == QLatin1Char('-')) {
        text.remove(0, 1);
        if (text.isEmpty())
            text = QStringLiteral("0");
        caret = 0;
        return;
    }
    const int integerBegin = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const int integerEnd = parts.decimal >= 0 ? parts.decimal : parts.mantissaEnd;
    if (IsAsciiDigit(gone) && at >= integerBegin && at < integerEnd) {
        int digits = 0;
        for (int i = integerBegin; i < integerEnd; ++i)
            digits += IsAsciiDigit(text.at(i)) ? 1 : 0;
        if (digits == 1) { // the only whole digit becomes 0
            text[at] = QLatin1Char('0');
            caret = at;
            return;
        }
    }
    text.remove(at, 1);
    caret = at;
}

} // namespace

void NumEdit::Refuse() {
    if (!isReadOnly())
        Beep();
}

void NumEdit::ApplyEdit(const QString& edited, int caret) {
    if (edited != text()) {
        setText(edited);
        emit textEdited(edited);
    }
    deselect();
    setCursorPosition(caret);
}

void NumEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        CopyToClipboard();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        CutToClipboard();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        PasteFromClipboard();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Backspace:
        DeleteKey(false);
        return;
    case Qt::Key_Delete:
        DeleteKey(true);
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->accept(); // the field keeps the arrow keys from dialog navigation
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        QLineEdit::keyPressEvent(event);
        return;
    default:
        break;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The numeric keypad's decimal key types the regional separator, whatever the keyboard
    // layout puts on it.
    if ((event->modifiers() & Qt::KeypadModifier) &&
        (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma)) {
        event->accept();
        TypeCharacter(decimalChar_);
        return;
    }
    const QString typed = event->text();
    if (typed.isEmpty()) {
        event->ignore(); // modifiers, function keys, page keys: not characters
        return;
    }
    event->accept();
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        Refuse(); // only Ctrl+C, Ctrl+V and Ctrl+X pass
        return;
    }
    for (QChar c : typed)
        TypeCharacter(c);
}

void NumEdit::TypeCharacter(QChar typed) {
    if (isReadOnly())
        return;
    if (EitherSeparatorIsDecimal() && (typed == QLatin1Char('.') || typed == QLatin1Char(',')))
        typed = decimalChar_;
    const bool accepted = IsAsciiDigit(typed) || typed == QLatin1Char('-') ||
                          typed == QLatin1Char('E') || typed == QLatin1Char('e') ||
                          (typed == decimalChar_ && decimals_ != 0);
    if (!TypingAllowed() || !accepted) {
        Beep();
        return;
    }
    if (typed == QLatin1Char('e'))
        typed = QLatin1Char('E');
    if (typed == QLatin1Char('E') || typed == decimalChar_) {
        if (hasSelectedText()) {
            const int caret = cursorPosition();
            deselect();
            setCursorPosition(caret);
        }
    } else if (hasSelectedText()) {
        DeleteSelection();
    }

    QString edited = text();
    int caret = cursorPosition();
    const Parts parts = Locate(edited, decimalChar_);
    const int exponent = parts.exponent;
    const bool exponentMinus =
        exponent >= 0 && exponent + 1 < edited.size() && edited.at(exponent + 1) == '-';
    // The caret never stands before the leading minus, nor between "E" and its minus.
    if (caret == 0 && edited.startsWith(QLatin1Char('-')))
        caret = 1;
    if (exponentMinus && caret == exponent + 1)
        caret = exponent + 2;
    const bool full = maxLength_ > 0 && edited.size() >= maxLength_;

    if (typed == QLatin1Char('-')) {
        // "-" toggles the sign of the exponent (caret at or behind the "E") or of the number.
        // The caret keeps its place among the digits: it moves only when the sign changes
        // before it.
        if (exponent >= 0 && caret >= exponent) {
            if (exponentMinus) {
                edited.remove(exponent + 1, 1);
                if (caret > exponent)
                    --caret;
            } else {
                if (full)
                    return Beep();
                edited.insert(exponent + 1, QLatin1Char('-'));
                if (caret > exponent)
                    ++caret;
            }
        } else if (edited.startsWith(QLatin1Char('-'))) {
            edited.remove(0, 1);
            caret = std::max(caret - 1, 0);
        } else {
            if (full)
                return Beep();
            edited.prepend(QLatin1Char('-'));
            ++caret;
        }
        return ApplyEdit(edited, caret);
    }

    if (typed == decimalChar_) {
        if (parts.decimal >= 0)
            return ApplyEdit(edited, parts.decimal + 1); // jump behind the separator
        if (full)
            return Beep();
        // Free decimals: the separator goes before the exponent, else at the caret.
        int at = decimals_ < 0 ? parts.mantissaEnd : caret;
        if (exponent >= 0 && at > exponent)
            at = exponent;
        edited.insert(at, decimalChar_);
        return ApplyEdit(edited, at + 1);
    }

    if (typed == QLatin1Char('E')) {
        if (exponent >= 0)
            return ApplyEdit(edited, exponent + 1); // jump just behind the "E"
        if (full)
            return Beep();
        edited.append(QLatin1Char('E'));
        return ApplyEdit(edited, static_cast<int>(edited.size()));
    }

    // A digit.
    const bool minusZero = edited.startsWith(QLatin1Char('-')) && edited.size() > 1 &&
                           edited.at(1) == QLatin1Char('0');
    if (minusZero && (caret == 1 || caret == 2)) {
        edited[1] = typed;
        return ApplyEdit(edited, 2);
    }
    if (edited.startsWith(QLatin1Char('0')) && (caret == 0 || caret == 1)) {
        edited[0] = typed;
        return ApplyEdit(edited, 1);
    }
    if (exponent >= 0 && caret > exponent) {
        const int first = exponentMinus ? exponent + 2 : exponent + 1;
        if (caret == first && first < edited.size() && edited.at(first) == QLatin1Char('0'))
            edited[first] = typed; // the zero right after the "E" is replaced
        else if (full)
            return Beep();
        else
            edited.insert(caret, typed);
        if (!ExponentFits(edited, exponent))
            return Beep();
        return ApplyEdit(edited, caret + 1);
    }
    if (parts.decimal >= 0 && caret > parts.decimal && caret <= parts.mantissaEnd &&
        decimals_ < 0 && mostDecimals_ > 0 &&
        parts.mantissaEnd - parts.decimal - 1 >= mostDecimals_)
        return Beep(); // free decimals already at their most
    if (parts.decimal >= 0 && caret > parts.decimal && decimals_ > 0) {
        // Fixed decimals: the digit overwrites the one behind the caret.
        if (caret - parts.decimal - 1 >= decimals_)
            return Beep();
        if (caret < parts.mantissaEnd)
            edited[caret] = typed;
        else if (full)
            return Beep();
        else
            edited.insert(caret, typed);
        return ApplyEdit(edited, caret + 1);
    }
    if (full)
        return Beep();
    edited.insert(caret, typed);
    ApplyEdit(edited, caret + 1);
}

void NumEdit::DeleteKey(bool forward) {
    if (isReadOnly())
        return;
    if (!TypingAllowed())
        return Beep();
    if (hasSelectedText())
        return DeleteSelection();
    QString edited = text();
    int caret = cursorPosition();
    DeleteOne(edited, caret, forward, decimalChar_, thousandsChar_, decimals_);
    ApplyEdit(edited, caret);
}

void NumEdit::DeleteSelection() {
    const QString current = text();
    const int start = selectionStart();
    const int length = static_cast<int>(selectedText().size());
    if (start < 0 || length == 0)
        return;
    if (start == 0 && length == current.size())
        return ApplyEdit(FormattedZero(), 0);
    // Backspace from the end of the selection once per selected character, the decimal and
    // thousands separators not counted. A selected "E" counts: its Backspace passes over it
    // and takes the character before it.
    int deletions = 0;
    for (int i = start; i < start + length; ++i) {
        const QChar c = current.at(i);
        if (c != decimalChar_ && c != thousandsChar_)
            ++deletions;
    }
    QString edited = current;
    int caret = start + length;
    for (int i = 0; i < deletions; ++i)
        DeleteOne(edited, caret, false, decimalChar_, thousandsChar_, decimals_);
    ApplyEdit(edited, caret);
}
