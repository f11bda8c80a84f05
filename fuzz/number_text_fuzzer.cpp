// libFuzzer target for the number texts: arbitrary bytes are read under both regional
// settings; what is read must survive formatting and reading back, and PadLeft must keep its
// length rules for any text and width.
#include "faults.h"
#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace {

using velkor::CharacterCount;
using velkor::NumberLocale;

[[noreturn]] void Fail(const char* what, std::string_view text, double value,
                       const std::string& shown) {
    std::fprintf(stderr, "%s: input \"%.*s\" value %.17g shown \"%s\"\n", what,
                 static_cast<int>(text.size()), text.data(), value, shown.c_str());
    std::abort();
}

// The fixed patterns the window writes its results with, from whole numbers to thousandths.
struct Pattern {
    const char* text;
    int width;
    int decimals;
};
constexpr Pattern kPatterns[] = {{"%1.0f", 1, 0}, {"%4.1f", 4, 1}, {"%1.2f", 1, 2},
                                 {"%3.3f", 3, 3}, {"%2.4f", 2, 4}, {"%10.6f", 10, 6}};

// Half a unit of the 15th significant digit of `value`: what a 15-digit text may lose.
double FifteenDigitHalfUnit(double value) {
    if (value == 0)
        return 0;
    return 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(value))) - 14);
}

// Reading the text back gives the nearest double: add a few units of the last place of the
// value and of the double range's smallest step.
double ReadBackSlack(double value) {
    return std::fabs(value) * 4 * std::numeric_limits<double>::epsilon() +
           std::numeric_limits<double>::denorm_min();
}

void CheckValue(std::string_view input, double value, const NumberLocale& locale) {
    for (const auto& p : kPatterns) {
        const std::string shown = velkor::Format(p.text, value, locale);
        if (CharacterCount(shown) < static_cast<std::size_t>(p.width))
            Fail("fixed pattern shorter than its width", input, value, shown);
        const auto back = velkor::ReadNumber(shown, locale);
        // A value near the top of the range may round up beyond it.
        if (!back) {
            if (std::fabs(value) > 1e307)
                continue;
            Fail("fixed pattern does not read back", input, value, shown);
        }
        // Half a unit of the last decimal; a value beyond 15 significant digits is taken to
        // 15 digits first.
        const double allowed =
            0.5 * std::pow(10.0, -p.decimals) + FifteenDigitHalfUnit(value) + ReadBackSlack(value);
        if (!(std::fabs(*back - value) <= allowed))
            Fail("fixed pattern reads back too far", input, value, shown);
    }
    const std::string general = velkor::FormatGeneral(value, locale);
    const auto back = velkor::ReadNumber(general, locale);
    if (!back)
        Fail("general format does not read back", input, value, general);
    if (!(std::fabs(*back - value) <= FifteenDigitHalfUnit(value) + ReadBackSlack(value)))
        Fail("general format reads back beyond 15 significant digits", input, value, general);
}

bool IsBlank(unsigned char c) {
    return c <= 32;
}

void CheckPadLeft(std::string_view text, int width) {
    const std::string padded = velkor::PadLeft(text, width);
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && IsBlank(static_cast<unsigned char>(text[end - 1])))
        --end;
    const std::string_view trimmed = text.substr(begin, end - begin);
    const std::size_t length = CharacterCount(trimmed);
    const std::size_t blanks =
        width > 0 && length < static_cast<std::size_t>(width) ? width - length : 0;
    if (padded != std::string(blanks, ' ') + std::string(trimmed))
        Fail("PadLeft breaks its length rules", text, width, padded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (const NumberLocale& locale : {velkor::CommaLocale(), velkor::PointLocale()}) {
        if (const auto value = velkor::ReadNumber(input, locale))
            CheckValue(input, *value, locale);
        (void)velkor::ReadNumberExtended(input, locale);
        try {
            (void)velkor::SpinValue(input, locale);
        } catch (const velkor::ConversionError&) {
        }
    }
    // The width from the first byte, signed, so that zero and negative widths are met too.
    const int width = size > 0 ? static_cast<signed char>(data[0]) : 0;
    CheckPadLeft(input, width);
    return 0;
}
