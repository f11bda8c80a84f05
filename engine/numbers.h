// Number texts: reading typed numbers and writing results.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace velkor {

// The regional separators, as UTF-8 texts (normally one character each).
struct NumberLocale {
    std::string decimal = ",";
    std::string thousands = ".";
};

inline NumberLocale CommaLocale() {
    return {",", "."};
}
inline NumberLocale PointLocale() {
    return {".", ","};
}

// Reads a typed number: leading blanks, optional sign, digits with the regional decimal
// separator, optional exponent ("E"/"e", sign, digits), trailing blanks. Empty text, the other
// separator, thousands separators and values beyond the double range give no value; a value
// too small for the range reads as zero. The reading never depends on the C library's locale.
std::optional<double> ReadNumber(std::string_view text, const NumberLocale& locale);

// The same reading in extended precision, without the double-range check.
std::optional<long double> ReadNumberExtended(std::string_view text, const NumberLocale& locale);

// A spin field's value: thousands separators dropped, empty text as 0, a lone "-" as -0,
// otherwise ReadNumberExtended. Throws ConversionError for a text that does not convert.
long double SpinValue(std::string_view text, const NumberLocale& locale);

// Formats values with a printf-style pattern of "%w.df" items and literal text, such as
// "%5.0f" or "%4.0f (%4.1f)". Each value is taken to 15 significant digits and rounded to d
// decimals with halves away from zero; blanks in front up to w characters, never cut; the
// regional decimal separator; no thousands separators.
std::string FormatPattern(std::string_view pattern, std::initializer_list<long double> values,
                          const NumberLocale& locale);

// One value with one "%w.df" pattern.
// Fixed notation with `decimals` decimals (at least 0) from the value's 18 significant digits,
// halves away from zero, the regional decimal separator: the spin field's display.
std::string FormatFixed(long double value, int decimals, const NumberLocale& locale);

inline std::string Format(std::string_view pattern, long double value, const NumberLocale& locale) {
    return FormatPattern(pattern, {value}, locale);
}

// The general format: the shortest decimal text of up to 15 significant digits, no trailing
// zeros (28 -> "28", 62.5 -> "62,5", 0.85 -> "0,85").
std::string FormatGeneral(long double value, const NumberLocale& locale);

// Trims characters of code 32 or less from both ends, then pads with blanks in front up to
// `width`; longer texts are returned trimmed and uncut.
std::string PadLeft(std::string_view text, int width);

// Characters of a UTF-8 text: every byte that does not continue a sequence.
std::size_t CharacterCount(std::string_view text);

} // namespace velkor
