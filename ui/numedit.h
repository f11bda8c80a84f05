// NumEdit: a one-line field that holds a number as text, filters every key so that the text
// stays a number, and formats it from a value with a chosen number of decimals.
#pragma once

#include "numbers.h"

#include <QLineEdit>
#include <functional>

class NumEdit : public QLineEdit {
    Q_OBJECT
public:
    enum class Format { Standard, Thousands, Scientific, Engineering };

    explicit NumEdit(QWidget* parent = nullptr);

    int Decimals() const { return decimals_; }
    void SetDecimals(int decimals);
    long double MinValue() const { return minValue_; }
    void SetMinValue(long double value);
    long double MaxValue() const { return maxValue_; }
    void SetMaxValue(long double value);
    Format NumberFormat() const { return format_; }
    void SetNumberFormat(Format format);

    // Reads the number from the text; throws velkor::ConversionError when it does not convert.
    long double Value() const;
    // Writes the formatted number; never applies the limits.
    void SetValue(long double value);

    const velkor::NumberLocale& Separators() const { return separators_; }

protected:
    velkor::NumberLocale separators_;
    int decimals_ = -1;
    long double minValue_ = 0;
    long double maxValue_ = 0;
    Format format_ = Format::Standard;
};
