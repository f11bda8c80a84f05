#include "numbers.h"

#include "decimal_digits.h"
#include "faults.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <system_error>

namespace velkor {

namespace {

// Result patterns first take a value to the 15 significant digits a double holds: that drops
// the binary error of a product or quotient of typed decimals, so a value whose decimal form
// is a half (5 V x 0.15 A = 0.75 W) rounds away from zero as a person computes it.
constexpr int kPatternDigits = 15;
// The spin field's own display shows what extended precision holds.
constexpr int kExtendedDigits = 18;

bool StartsWith(std::string_view text, std::size_t at, std::string_view prefix) {
    return !prefix.empty() && text.substr(at, prefix.size()) == prefix;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Replaces every '.' of a C-formatted number with the regional decimal separator.
std::string WithSeparator(const std::string& text, const NumberLocale& locale) {
    std::string out;
    for (char c : text) {
        if (c == '.')
            out += locale.decimal;
        else
            out += c;
    }
    return out;
}

// The decimal exponent written after the "e" at `ePos` of a C-notation text.
int ExponentOf(const std::string& text, std::size_t ePos) {
    std::size_t i = ePos + 1;
    if (i < text.size() && text[i] == '+')
        ++i;
    int exponent = 0;
    std::from_chars(text.data() + i, text.data() + text.size(), exponent);
    return exponent;
}

// The signed value of an exponent's digits ("-12", "7"; empty is 0), saturating far beyond
// any representable range.
long long ExponentValue(const std::string& exponent) {
    long long power = 0;
    for (char d : exponent)
        if (IsDigit(d) && power < 1000000)
            power = power * 10 + (d - '0');
    return !exponent.empty() && exponent[0] == '-' ? -power : power;
}

// The power of ten of the leading digit of integer.fraction x 10^exponent (digits only, a
// non-zero mantissa).
long long DecimalMagnitude(const std::string& integer, const std::string& fraction,
                           const std::string& exponent) {
    long long magnitude = 0;
    const std::size_t lead = integer.find_first_not_of('0');
    if (lead != std::string::npos) {
        magnitude = static_cast<long long>(integer.size() - lead) - 1;
    } else {
        const std::size_t first = fraction.find_first_not_of('0');
        magnitude = first == std::string::npos ? 0 : -static_cast<long long>(first) - 1;
    }
    return magnitude + ExponentValue(exponent);
}

// integer.fraction x 10^exponent (digits only) when its digits and the power of ten are both
// exact in extended precision: then one rounded product or quotient is the nearest value, as
// the C library's general conversion would find it at many times the cost. Empty otherwise.
std::optional<long double> ExactDecimal(const std::string& integer, const std::string& fraction,
                                        const std::string& exponent) {
    constexpr std::size_t kMaxDigits = 19; // 10^19 < 2^64, the extended significand
    constexpr int kMaxExactPower = 27;     // 5^27 < 2^64: 10^27 is exact
    if (LDBL_MANT_DIG != 64)
        return std::nullopt;
    std::uint64_t digits = 0;
    std::size_t count = 0; // significant digits, leading zeros not counted
    for (const std::string* part : {&integer, &fraction})
        for (char d : *part) {
            if (count == 0 && d == '0')
                continue;
            if (++count > kMaxDigits)
                return std::nullopt;
            digits = digits * 10 + static_cast<std::uint64_t>(d - '0');
        }
    const long long power = ExponentValue(exponent) - static_cast<long long>(fraction.size());
    if (digits == 0)
        return 0.0L;
    if (power > kMaxExactPower || power < -kMaxExactPower)
        return std::nullopt;
    long double scale = 1.0L; // 10^|power|, exact
    for (long long i = 0; i < std::abs(power); ++i)
        scale *= 10.0L;
    const auto whole = static_cast<long double>(digits); // exact
    return power >= 0 ? whole * scale : whole / scale;
}

// FixedText below for a value whose rounded figures, as a whole number of units of the last
// decimal, fit 64 bits (every value a field shows in practice): integer arithmetic on its
// leading digits, without writing and reading back a scientific text.
std::optional<std::string> FixedFromDigits(long double value, int decimals, int significant) {
    const std::optional<DecimalDigits> found = LeadingDigits(value, significant);
    if (!found || decimals > 18)
        return std::nullopt;
    // |value| x 10^decimals = digits x 10^shift, taken to a whole number with halves up.
    const int shift = found->exponent + decimals;
    std::uint64_t kept = 0;
    if (shift >= 0) {
        if (significant + shift > 19)
            return std::nullopt;
        kept = found->digits * PowerOfTen(shift);
    } else if (-shift <= significant) {
        const std::uint64_t unit = PowerOfTen(-shift);
        kept = found->digits / unit + (found->digits % unit >= unit / 2 ? 1 : 0);
    }
    const std::uint64_t scale = PowerOfTen(decimals);
    char buffer[48];
    char* out = buffer;
    if (std::signbit(value) && kept != 0)
        *out++ = '-';
    out = std::to_chars(out, buffer + sizeof buffer, kept / scale).ptr;
    if (decimals > 0) {
        *out++ = '.';
        char fraction[24];
        const char* end = std::to_chars(fraction, fraction + sizeof fraction, kept % scale).ptr;
        const auto written = static_cast<int>(end - fraction);
        for (int i = written; i < decimals; ++i)
            *out++ = '0';
        for (const char* digit = fraction; digit != end; ++digit)
            *out++ = *digit;
    }
    return std::string(buffer, out);
}

// Fixed notation with `decimals` decimals, after taking the value to `significant` digits
// and rounding halves away from zero on those decimal digits.
std::string FixedText(long double value, int decimals, int significant) {
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
    if (std::optional<std::string> quick = FixedFromDigits(value, decimals, significant))
        return *std::move(quick);
    // The conversions below never depend on the C library's locale, which a window toolkit
    // may have switched to the user's regional settings.
    const std::string scientific = ScientificText(value, significant - 1); // [-]d.ddde[+-]x
    const bool negative = scientific[0] == '-';
    const std::size_t start = negative ? 1 : 0;
    const std::size_t ePos = scientific.find('e');
    std::string digits; // `significant` digits
    for (std::size_t i = start; i < ePos; ++i)
        if (IsDigit(scientific[i]))
            digits += scientific[i];
    const int exponent = ExponentOf(scientific, ePos);
    // The value is 0.digits x 10^(exponent + 1); `pointAt` digits stand before the point.
    const int pointAt = exponent + 1;
    const int keep = pointAt + decimals; // significant digits that survive the rounding
    std::string kept;                    // the digits of value x 10^decimals, as a whole number
    if (keep <= 0) {
        kept = (keep == 0 && digits[0] >= '5') ? "1" : "0";
    } else if (keep >= static_cast<int>(digits.size())) {
        kept = digits + std::string(keep - digits.size(), '0');
    } else {
        kept = digits.substr(0, keep);
        if (digits[keep] >= '5') {
            int i = static_cast<int>(kept.size()) - 1;
            while (i >= 0 && kept[i] == '9')
                kept[i--] = '0';
            if (i < 0)
                kept.insert(kept.begin(), '1');
            else
                ++kept[i];
        }
    }
    // Split the whole number into integer part and decimals.
    if (static_cast<int>(kept.size()) <= decimals)
        kept.insert(0, decimals + 1 - kept.size(), '0');
    std::string integer = kept.substr(0, kept.size() - decimals);
    const std::string fraction = kept.substr(kept.size() - decimals);
    const std::size_t firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? "0" : integer.substr(firstNonZero);
    const bool allZero = integer == "0" && fraction.find_first_not_of('0') == std::string::npos;
    std::string out = (negative && !allZero) ? "-" : "";
    out += integer;
    if (decimals > 0)
        out += "." + fraction;
    return out;
}

} // namespace

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

std::optional<long double> ReadNumberExtended(std::string_view text, const NumberLocale& locale) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::string integer, fraction;
    while (i < text.size() && IsDigit(text[i]))
        integer += text[i++];
    bool separator = false;
    if (StartsWith(text, i, locale.decimal)) {
        i += locale.decimal.size();
        separator = true;
        while (i < text.size() && IsDigit(text[i]))
            fraction += text[i++];
    }
    if (integer.empty() && !separator)
        return std::nullopt; // no digit and no separator: not a number
    std::string exponent;    // digits with an optional sign; empty means 0
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        std::string sign;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            sign = text[i++] == '-' ? "-" : "";
        while (i < text.size() && IsDigit(text[i]))
            exponent += text[i++];
        if (!exponent.empty())
            exponent.insert(0, sign);
    }
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i != text.size())
        return std::nullopt;

    if (const std::optional<long double> exact = ExactDecimal(integer, fraction, exponent))
        return negative ? -*exact : *exact;
    // The number in C notation, converted without regard to the C library's locale.
    std::string c = negative ? "-" : "";
    c += integer.empty() ? "0" : integer;
    if (!fraction.empty())
        c += "." + fraction;
    if (!exponent.empty())
        c += "e" + exponent;
    long double value = 0.0L;
    const auto result = std::from_chars(c.data(), c.data() + c.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Beyond the extended range. A value too small to hold reads as zero; one too large
        // does not read.
        if (DecimalMagnitude(integer, fraction, exponent) < 0)
            return negative ? -0.0L : 0.0L;
        return std::nullopt;
    }
    if (result.ec != std::errc() || result.ptr != c.data() + c.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> ReadNumber(std::string_view text, const NumberLocale& locale) {
    const auto value = ReadNumberExtended(text, locale);
    if (!value || std::fabs(*value) > static_cast<long double>(DBL_MAX))
        return std::nullopt;
    return static_cast<double>(*value);
}

long double SpinValue(std::string_view text, const NumberLocale& locale) {
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        if (StartsWith(text, i, locale.thousands)) {
            i += locale.thousands.size();
        } else {
            plain += text[i++];
        }
    }
    if (plain.empty())
        plain = "0";
    else if (plain == "-")
        plain = "-0";
    const auto value = ReadNumberExtended(plain, locale);
    if (!value)
        throw ConversionError(plain);
    return *value;
}

std::string FormatPattern(std::string_view pattern, std::initializer_list<long double> values,
                          const NumberLocale& locale) {
    std::string out;
    auto next = values.begin();
    for (std::size_t i = 0; i < pattern.size();) {
        if (pattern[i] != '%') {
            out += pattern[i++];
            continue;
        }
        // "%w.df"
        std::size_t j = i + 1;
        int width = 0, decimals = 0;
        while (j < pattern.size() && IsDigit(pattern[j]))
            width = width * 10 + (pattern[j++] - '0');
        if (j < pattern.size() && pattern[j] == '.') {
            ++j;
            while (j < pattern.size() && IsDigit(pattern[j]))
                decimals = decimals * 10 + (pattern[j++] - '0');
        }
        if (j >= pattern.size() || pattern[j] != 'f') { // not an item: copy as it stands
            out += pattern[i++];
            continue;
        }
        const long double value = next != values.end() ? *next++ : 0.0L;
        std::string number = WithSeparator(FixedText(value, decimals, kPatternDigits), locale);
        const std::size_t length = CharacterCount(number);
        if (length < static_cast<std::size_t>(width))
            number.insert(0, width - length, ' ');
        out += number;
        i = j + 1;
    }
    return out;
}

std::string FormatFixed(long double value, int decimals, const NumberLocale& locale) {
    return WithSeparator(FixedText(value, decimals, kExtendedDigits), locale);
}

std::string FormatGeneral(long double value, const NumberLocale& locale) {
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
    if (value == 0)
        return "0";
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    const std::size_t e = text.find('e');
    if (e != std::string::npos) {
        // "1e+20" -> "1E20", "1.5e-07" -> "1.5E-7"
        const std::string mantissa = text.substr(0, e);
        text = mantissa + "E" + std::to_string(ExponentOf(text, e));
    }
    return WithSeparator(text, locale);
}

std::string PadLeft(std::string_view text, int width) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32)
        --end;
    std::string trimmed(text.substr(begin, end - begin));
    const std::size_t length = CharacterCount(trimmed);
    if (width > 0 && length < static_cast<std::size_t>(width))
        trimmed.insert(0, width - length, ' ');
    return trimmed;
}

} // namespace velkor
