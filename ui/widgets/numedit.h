// NumEdit: a one-line field that holds a number as text, filters every key so that the text
// stays a number, and formats it from a value with a chosen number of decimals.
//
// The text is the only store of the number: Value() reads it on every call. Limits are active
// only when at least one of them is non-zero; they are applied when the user leaves the field
// (and by the arrows of a SuperSpin), never when Value is written.
#pragma once

#include "faults.h"
#include "numbers.h"

#include <QColor>
#include <QLineEdit>
#include <functional>

class NumEdit : public QLineEdit {
    Q_OBJECT
public:
    enum class Format { Standard, Thousands, Scientific, Engineering };

    // A new field is 100 px wide, shows "0" and aligns right; Alignment and ReadOnly are the
    // line edit's own (setAlignment, setReadOnly).
    explicit NumEdit(QWidget* parent = nullptr);

    // Decimals shown: -1 free (up to 14, no trailing zeros), 0 whole numbers, 1..14 fixed.
    // Stored clamped (and at most MaxLength - 2 when MaxLength is set); re-formats the text.
    int Decimals() const { return decimals_; }
    void SetDecimals(int decimals);
    // With free decimals: the most shown and typed (1..14; 0, the default, for no limit on
    // typing and 14 shown), trailing zeros still dropped, so that a whole number shows no
    // separator ("4", "4,5", "4,44").
    int MostDecimals() const { return mostDecimals_; }
    void SetMostDecimals(int most);
    // Setting a limit beyond the other one is ignored, so a field bounded from 0..0 gets its
    // MaxValue first; SetLimits sets both in a working order.
    long double MinValue() const { return minValue_; }
    void SetMinValue(long double value);
    long double MaxValue() const { return maxValue_; }
    void SetMaxValue(long double value);
    void SetLimits(long double minValue, long double maxValue);
    bool Bounded() const { return minValue_ != 0 || maxValue_ != 0; }
    Format NumberFormat() const { return format_; }
    void SetNumberFormat(Format format);

    // Reads the number from the text; throws velkor::ConversionError when it does not convert.
    long double Value() const;
    // Writes the formatted number; never applies the limits.
    void SetValue(long double value);

    const velkor::NumberLocale& Separators() const { return separators_; }

    // Longest text typed by the user; 0 = no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }
    // Background while enabled and while disabled; Color turns ParentColor off.
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);
    QColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(const QColor& color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on);

    // Called instead of the built-in correction when a value leaves its limits.
    void SetOnInvalidEntry(std::function<void()> handler) { onInvalidEntry_ = std::move(handler); }
    // Called instead of deleting the selection on a clear request.
    void SetOnClear(std::function<void()> handler) { onClear_ = std::move(handler); }

    // The text of `value` in a field with these settings (also used for the formatted 0).
    static QString FormatText(long double value, int decimals, Format format,
                              const velkor::NumberLocale& separators, int mostDecimals = 0);

    // Clipboard and clear requests, as the keys and the context menu give them.
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void ClearRequest();

    // Bounded value outside its limits: OnInvalidEntry, or set it to the nearer limit, beep
    // and take the focus back.
    void InvalidEntryCorrection();

    // Short system beep for a refused key; counted so that tests can observe it.
    void Beep();
    int BeepCount() const { return beepCount_; }

signals:
    void beeped();
    // The normal leave notification (not sent when the invalid-entry correction ran).
    void left();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Hooks for SuperSpin: typing switched off (refused with a beep), rounding on leaving.
    virtual bool TypingAllowed() const { return true; }
    // A field that never shows thousands separators takes "." and "," alike as the regional
    // decimal separator, and refuses a paste that holds no digit at all.
    virtual bool EitherSeparatorIsDecimal() const { return false; }
    bool ClipboardEditAllowed() const { return !isReadOnly() && TypingAllowed(); }
    virtual void RoundOnLeaving() {}
    // The focus came with a click on a child (the arrows), not on the text.
    void ForgetEnteringClick() { selectAfterClick_ = false; }

    // One typed character through the filter; refused characters beep.
    void TypeCharacter(QChar typed);
    // Backspace (forward = false) or Delete (forward = true), with or without a selection.
    void DeleteKey(bool forward);
    void DeleteSelection();
    // Sets text and caret, sending textEdited when the text changed.
    void ApplyEdit(const QString& text, int caret);
    // A refused key: a beep unless the field is read-only.
    void Refuse();
    // A text that does not convert, met on leaving or stepping: the program's general error
    // box, modal, with the conversion error's message and a full stop.
    void ShowUnreadable(const velkor::ConversionError& error);
    QString FormattedZero() const;
    void ApplyColors();

    velkor::NumberLocale separators_;
    int decimals_ = -1;
    int mostDecimals_ = 0;
    long double minValue_ = 0;
    long double maxValue_ = 0;
    Format format_ = Format::Standard;

private:
    QChar decimalChar_;
    QChar thousandsChar_;
    int maxLength_ = 0;
    bool autoSelect_ = true;
    bool selectAfterClick_ = false;
    QColor color_;
    QColor disabledColor_;
    bool parentColor_ = false;
    std::function<void()> onInvalidEntry_;
    std::function<void()> onClear_;
    int beepCount_ = 0;
};
