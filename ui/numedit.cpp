#include "numedit.h"

#include "regional.h"

NumEdit::NumEdit(QWidget* parent) : QLineEdit(parent), separators_(velkor::RegionalSeparators()) {
    setAlignment(Qt::AlignRight);
}

void NumEdit::SetDecimals(int decimals) { decimals_ = decimals; }
void NumEdit::SetMinValue(long double value) { minValue_ = value; }
void NumEdit::SetMaxValue(long double value) { maxValue_ = value; }
void NumEdit::SetNumberFormat(Format format) { format_ = format; }

long double NumEdit::Value() const { return velkor::SpinValue(text().toStdString(), separators_); }

void NumEdit::SetValue(long double value) {
    setText(QString::fromStdString(velkor::FormatGeneral(value, separators_)));
}
