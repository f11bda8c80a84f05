#include "numedit.h"

#include "error_box.h"
#include "faults.h"
#include "regional.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kNewFieldWidth = 100; // px
constexpr int kMostDecimals = 14;

QChar FirstChar(const std::string& text, char fallback) {
    const QString s = QString::fromStdString(text);
    return s.isEmpty() ? QChar(fallback) : s.at(0);
}

} // namespace

NumEdit::NumEdit(QWidget* parent)
    : QLineEdit(parent), separators_(velkor::RegionalSeparators()),
      decimalChar_(FirstChar(separators_.decimal, '.')),
      thousandsChar_(FirstChar(separators_.thousands, ',')),
      color_(palette().color(QPalette::Active, QPalette::Base)),
      disabledColor_(palette().color(QPalette::Active, QPalette::Button)) {
    setAlignment(Qt::AlignRight);
    // Every character goes through the key filter: no input method, no drops.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
    resize(kNewFieldWidth, sizeHint().height());
    setText(FormattedZero());
    ApplyColors();
}

void NumEdit::SetDecimals(int decimals) {
    decimals = std::clamp(decimals, -1, kMostDecimals);
    if (maxLength_ > 0)
        decimals = std::max(std::min(decimals, maxLength_ - 2), -1);
    if (decimals == decimals_)
        return;
    long double value = 0;
    bool readable = true;
    try {
        value = Value();
    } catch (const velkor::ConversionError&) {
        readable = false; // an unreadable text stays as typed
    }
    decimals_ = decimals;
    if (readable)
        SetValue(value);
}

void NumEdit::SetMostDecimals(int most) {
    most = std::clamp(most, 0, kMostDecimals);
    if (most == mostDecimals_)
        return;
    mostDecimals_ = most;
    try {
        SetValue(Value());
    } catch (const velkor::ConversionError&) {
        // an unreadable text stays as typed
    }
}

void NumEdit::SetMinValue(long double value) {
    if (!std::isfinite(value) || value > maxValue_)
        return;
    minValue_ = value;
}

void NumEdit::SetMaxValue(long double value) {
    if (!std::isfinite(value) || value < minValue_)
        return;
    maxValue_ = value;
}

void NumEdit::SetLimits(long double minValue, long double maxValue) {
    if (minValue > maxValue)
        return;
    if (minValue > maxValue_) {
        SetMaxValue(maxValue);
        SetMinValue(minValue);
    } else {
        SetMinValue(minValue);
        SetMaxValue(maxValue);
    }
}

void NumEdit::SetNumberFormat(Format format) {
    if (format == format_)
        return;
    try {
        const long double value = Value();
        format_ = format;
        SetValue(value);
    } catch (const velkor::ConversionError&) {
        format_ = format;
    }
}

long double NumEdit::Value() const {
    return velkor::SpinValue(text().toStdString(), separators_);
}

void NumEdit::SetValue(long double value) {
    const QString formatted = FormatText(value, decimals_, format_, separators_, mostDecimals_);
    if (formatted != text())
        setText(formatted);
}

QString NumEdit::FormattedZero() const {
    return FormatText(0, decimals_, format_, separators_, mostDecimals_);
}

void NumEdit::SetMaxLength(int length) {
    maxLength_ = std::max(length, 0);
}

// ---- Colours

void NumEdit::SetColor(const QColor& color) {
    color_ = color;
    parentColor_ = false;
    ApplyColors();
}

void NumEdit::SetDisabledColor(const QColor& color) {
    disabledColor_ = color;
    ApplyColors();
}

void NumEdit::SetParentColor(bool on) {
    parentColor_ = on;
    ApplyColors();
}

void NumEdit::ApplyColors() {
    if (parentColor_) {
        const QWidget* source = parentWidget() ? parentWidget() : this;
        color_ = source->palette().color(QPalette::Active, source->backgroundRole());
    }
    QPalette colours = palette();
    colours.setColor(QPalette::Active, QPalette::Base, color_);
    colours.setColor(QPalette::Inactive, QPalette::Base, color_);
    colours.setColor(QPalette::Disabled, QPalette::Base, disabledColor_);
    setPalette(colours);
}

void NumEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (parentColor_ &&
        (event->type() == QEvent::ParentChange || event->type() == QEvent::ParentAboutToChange))
        ApplyColors();
}

// ---- Entering and leaving

void NumEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (autoSelect_) {
        selectAll();
        // A left click that enters the field would place the caret: select again after it.
        selectAfterClick_ = event->reason() == Qt::MouseFocusReason;
    } else if (hasSelectedText()) {
        deselect();
    }
}

void NumEdit::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept(); // no selection paste around the key filter
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void NumEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    if (selectAfterClick_ && event->button() == Qt::LeftButton) {
        selectAfterClick_ = false;
        selectAll();
    }
}

void NumEdit::focusOutEvent(QFocusEvent* event) {
    selectAfterClick_ = false;
    QLineEdit::focusOutEvent(event);
    // A context menu or another application taking the focus is not leaving the field.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    RoundOnLeaving();
    long double value = 0;
    try {
        value = Value();
    } catch (const velkor::ConversionError& error) {
        // Leaving ends here, as a calculation reading the text would: the text stays as
        // typed, the error box tells the user, and no leave notification follows.
        ShowUnreadable(error);
        return;
    }
    SetValue(value);
    if (Bounded() && (value < minValue_ || value > maxValue_)) {
        InvalidEntryCorrection();
        return;
    }
    emit left();
}

void NumEdit::InvalidEntryCorrection() {
    if (onInvalidEntry_) {
        onInvalidEntry_();
        return;
    }
    try {
        const long double value = Value();
        if (value < minValue_)
            SetValue(minValue_);
        else if (value > maxValue_)
            SetValue(maxValue_);
    } catch (const velkor::ConversionError&) {
        // Nothing to correct towards; the beep and the focus still tell the user.
    }
    Beep();
    if (isEnabled() && isVisible() && focusPolicy() != Qt::NoFocus && !hasFocus())
        setFocus(Qt::OtherFocusReason);
}

void NumEdit::ShowUnreadable(const velkor::ConversionError& error) {
    // Not while the window closes or is not shown: there is no one to read the box.
    if (QCoreApplication::closingDown() || !window()->isVisible())
        return;
    velkor::ui::ShowGeneralErrorBox(this, QString::fromStdString(error.description()) + '.');
}

void NumEdit::Beep() {
    ++beepCount_;
    QApplication::beep();
    emit beeped();
}

// ---- Clipboard

void NumEdit::CopyToClipboard() {
    if (!hasSelectedText())
        return;
    QString plain = selectedText();
    plain.remove(thousandsChar_);
    QApplication::clipboard()->setText(plain);
}

void NumEdit::CutToClipboard() {
    if (!ClipboardEditAllowed() || !hasSelectedText())
        return;
    CopyToClipboard();
    DeleteSelection();
}

void NumEdit::PasteFromClipboard() {
    if (!ClipboardEditAllowed())
        return;
    const QString pasted = QApplication::clipboard()->text();
    // A text without a single digit holds no number: the field stays as it was.
    if (EitherSeparatorIsDecimal() &&
        std::none_of(pasted.begin(), pasted.end(), [](QChar c) { return c.isDigit(); })) {
        Beep();
        return;
    }
    if (hasSelectedText())
        DeleteSelection();
    for (QChar c : pasted)
        TypeCharacter(c);
}

void NumEdit::ClearRequest() {
    if (onClear_) {
        onClear_();
        return;
    }
    if (ClipboardEditAllowed() && hasSelectedText())
        DeleteSelection();
}

void NumEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const bool selected = hasSelectedText();
    const bool editable = ClipboardEditAllowed();
    menu.addAction(QStringLiteral("&Taglia"), this, &NumEdit::CutToClipboard)
        ->setEnabled(selected && editable);
    menu.addAction(QStringLiteral("&Copia"), this, &NumEdit::CopyToClipboard)->setEnabled(selected);
    menu.addAction(QStringLiteral("&Incolla"), this, &NumEdit::PasteFromClipboard)
        ->setEnabled(editable && !QApplication::clipboard()->text().isEmpty());
    menu.addAction(QStringLiteral("&Elimina"), this, &NumEdit::ClearRequest)
        ->setEnabled(selected && editable);
    menu.addSeparator();
    menu.addAction(QStringLiteral("&Seleziona tutto"), this, &QLineEdit::selectAll)
        ->setEnabled(!text().isEmpty());
    menu.exec(event->globalPos());
}
