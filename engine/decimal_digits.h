// The leading decimal digits of an extended-precision value, exactly rounded: what the C
// library's "%.*Le" prints, found with integer arithmetic instead of its general big-number
// conversion, which costs several microseconds a value and runs for every result field.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace velkor {

// |value| = digits x 10^exponent, with `significant` digits in `digits` (10^(significant-1)
// <= digits < 10^significant) rounded to nearest, halves to even, from the exact binary
// value. Empty for zero, infinities, NaN, significant outside 1 to 18, and magnitudes the
// 128-bit arithmetic does not reach (far beyond any electrical quantity); the caller then
// falls back on the C library.
struct DecimalDigits {
    std::uint64_t digits;
    int exponent;
};
std::optional<DecimalDigits> LeadingDigits(long double value, int significant);

// 10^n for 0 <= n <= 19, exact.
constexpr std::uint64_t PowerOfTen(int n) {
    std::uint64_t power = 1;
    for (int i = 0; i < n; ++i)
        power *= 10;
    return power;
}

// The value in C notation ("1.25e-01", "-3.000e+12") with `precision` digits after the point,
// exactly rounded and independent of any locale.
std::string ScientificText(long double value, int precision);

} // namespace velkor
