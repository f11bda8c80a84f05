// The text layouts of a NumEdit: Standard, Thousands, Scientific and Engineering.
#include "numedit.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr int kMaxDecimals = 14;           // decimals of the free layout
constexpr int kSignificantDigits = 15;     // never more digits shown than a double holds
constexpr long double kFixedLimit = 1e18L; // from here on the layout carries an exponent

// Digits before the decimal separator (the minus sign and any grouping not counted).
int IntegerDigits(const QString& text, QChar decimal) {
    int count = 0;
    for (QChar c : text) {
        if (c == decimal)
            break;
        if (c.isDigit())
            ++count;
    }
    return count;
}

QString Fixed(long double value, int decimals, const velkor::NumberLocale& separators) {
    return QString::fromStdString(velkor::FormatFixed(value, std::max(decimals, 0), separators));
}

QChar FirstChar(const std::string& text, char fallback) {
    const QString s = QString::fromStdString(text);
    return s.isEmpty() ? QChar(fallback) : s.at(0);
}

// Inserts the thousands separator every three digits of the integer part.
QString Grouped(const QString& text, QChar decimal, QChar thousands) {
    const int begin = text.startsWith('-') ? 1 : 0;
    int end = text.indexOf(decimal);
    if (end < 0)
        end = static_cast<int>(text.size());
    QString out = text;
    for (int at = end - 3; at > begin; at -= 3)
        out.insert(at, thousands);
    return out;
}

// A whole-number field never shows a separator, not even in the exponent layout of a huge
// value: the mantissa's decimals move before the "E" and the exponent drops by as many, so
// "9,025E3014" becomes "9025E3011", the same number.
QString WithoutSeparator(const QString& text, QChar decimal) {
    const int point = static_cast<int>(text.indexOf(decimal));
    const int e = static_cast<int>(text.indexOf(QLatin1Char('E')));
    if (point < 0 || e < point)
        return text;
    bool ok = false;
    const int exponent = text.mid(e + 1).toInt(&ok);
    if (!ok)
        return text;
    const int moved = e - point - 1; // decimals of the mantissa
    return text.left(point) + text.mid(point + 1, moved) + QLatin1Char('E') +
           QString::number(exponent - moved);
}

// Standard and Thousands: fixed notation with at most 15 significant digits; fixed decimals
// that do not fit are shown as zeros.
QString FixedLayout(long double value, int decimals, bool grouped,
                    const velkor::NumberLocale& separators, int mostDecimals = 0) {
    const QChar decimal = FirstChar(separators.decimal, '.');
    if (!std::isfinite(value) || std::fabs(value) >= kFixedLimit) {
        const QString general = QString::fromStdString(velkor::FormatGeneral(value, separators));
        return decimals == 0 ? WithoutSeparator(general, decimal) : general;
    }
    QString text;
    if (decimals < 0) {
        const int integerDigits = IntegerDigits(Fixed(value, 0, separators), decimal);
        const int most = mostDecimals > 0 ? std::min(mostDecimals, kMaxDecimals) : kMaxDecimals;
        const int places = std::clamp(kSignificantDigits - integerDigits, 0, most);
        text = Fixed(value, places, separators);
        if (text.contains(decimal)) {
            while (text.endsWith('0'))
                text.chop(1);
            if (text.endsWith(decimal))
                text.chop(1);
        }
    } else {
        text = Fixed(value, decimals, separators);
        const int integerDigits = IntegerDigits(text, decimal);
        if (decimals > 0 && kSignificantDigits - integerDigits < decimals) {
            const int places = std::max(kSignificantDigits - integerDigits, 0);
            text = Fixed(value, places, separators);
            if (places == 0)
                text += decimal;
            text += QString(decimals - places, '0');
        }
    }
    if (grouped)
        text = Grouped(text, decimal, FirstChar(separators.thousands, ','));
    return text;
}

// Scientific (step 1) and Engineering (step 3): a mantissa with the field's decimals and an
// exponent that is a multiple of the step, written "1,5E3" or "250E-6".
QString ExponentLayout(long double value, int decimals, int step,
                       const velkor::NumberLocale& separators) {
    if (!std::isfinite(value))
        return QString::fromStdString(velkor::FormatGeneral(value, separators));
    const QChar decimal = FirstChar(separators.decimal, '.');
    // The value's 18 significant digits and decimal exponent, whatever the C locale.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 17);
    const std::string digits(buffer, written.ptr); // [-]d.ddddddddddddddddde[+-]x
    const std::size_t e = digits.find('e');
    int exponent = 0;
    if (value != 0) {
        const char* at = digits.c_str() + e + 1;
        if (*at == '+')
            ++at;
        std::from_chars(at, digits.c_str() + digits.size(), exponent);
    }
    int shift = exponent >= 0 ? exponent / step * step : -((-exponent + step - 1) / step) * step;
    for (;;) {
        // The mantissa is the value divided by 10^shift, taken from its decimal digits.
        const std::string scaled = digits.substr(0, e) + "e" + std::to_string(exponent - shift);
        long double mantissa = 0;
        std::from_chars(scaled.data(), scaled.data() + scaled.size(), mantissa);
        const QString text = FixedLayout(mantissa, decimals, false, separators);
        if (IntegerDigits(text, decimal) > step && value != 0) {
            shift += step; // rounding carried the mantissa to the next power
            continue;
        }
        return text + "E" + QString::number(shift);
    }
}

} // namespace

QString NumEdit::FormatText(long double value, int decimals, Format format,
                            const velkor::NumberLocale& separators, int mostDecimals) {
    switch (format) {
    case Format::Thousands:
        return FixedLayout(value, decimals, true, separators, mostDecimals);
    case Format::Scientific:
        return ExponentLayout(value, decimals, 1, separators);
    case Format::Engineering:
        return ExponentLayout(value, decimals, 3, separators);
    case Format::Standard:
        break;
    }
    return FixedLayout(value, decimals, false, separators, mostDecimals);
}
