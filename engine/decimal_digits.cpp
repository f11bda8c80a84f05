#include "decimal_digits.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace velkor {

namespace {

__extension__ typedef unsigned __int128 Wide; // 128-bit unsigned, for exact products

constexpr int kMaxSignificant = 18;    // 10^18 < 2^63
constexpr int kMaxFivesInProduct = 27; // 2^64 x 5^27 < 2^127
constexpr int kMaxFivesInDivisor = 54; // 5^54 < 2^126, so twice a remainder still fits
constexpr double kLog10Of2 = 0.30102999566398119521;

constexpr Wide PowerOfFive(int n) {
    Wide power = 1;
    for (int i = 0; i < n; ++i)
        power *= 5;
    return power;
}

int BitLength(Wide x) {
    int bits = 0;
    for (; x != 0; x >>= 1)
        ++bits;
    return bits;
}

// floor(x / 10^k) for x = m x 2^q, and where the remainder stands against half a unit of that
// quotient: -1 below, 0 exactly on it, +1 above. Empty where 128 bits do not reach.
struct Quotient {
    Wide whole;
    int half;
};

int AgainstHalf(Wide rest, Wide unit) { // unit <= 2^127, so 2 x rest fits
    const Wide twice = rest * 2;
    return twice < unit ? -1 : (twice == unit ? 0 : 1);
}

std::optional<Quotient> Divide(std::uint64_t m, int q, int k) {
    if (k <= 0) {
        // x / 10^k = m x 5^-k x 2^(q-k): an exact product, then a binary shift.
        if (-k > kMaxFivesInProduct)
            return std::nullopt;
        const Wide product = static_cast<Wide>(m) * PowerOfFive(-k);
        const int shift = q - k;
        if (shift >= 0) {
            if (BitLength(product) + shift > 127)
                return std::nullopt;
            return Quotient{product << shift, -1};
        }
        if (-shift > 127)
            return std::nullopt;
        const Wide whole = product >> -shift;
        return Quotient{whole, AgainstHalf(product - (whole << -shift), Wide{1} << -shift)};
    }
    // x / 10^k = m x 2^(q-k) / 5^k: an exact division with its remainder.
    if (k > kMaxFivesInDivisor)
        return std::nullopt;
    const Wide five = PowerOfFive(k);
    const int shift = q - k;
    Wide numerator = m;
    Wide divisor = five;
    if (shift >= 0) {
        if (shift > 63)
            return std::nullopt;
        numerator <<= shift;
    } else {
        if (BitLength(five) - shift > 126)
            return std::nullopt;
        divisor <<= -shift;
    }
    return Quotient{numerator / divisor, AgainstHalf(numerator % divisor, divisor)};
}

} // namespace

std::optional<DecimalDigits> LeadingDigits(long double value, int significant) {
    // The integer path reads the 64-bit significand of the x87 extended format.
    if constexpr (LDBL_MANT_DIG != 64)
        return std::nullopt;
    if (significant < 1 || significant > kMaxSignificant || !std::isfinite(value) || value == 0)
        return std::nullopt;
    int binaryExponent = 0;
    const long double fraction = std::frexp(std::fabs(value), &binaryExponent); // [0.5, 1)
    const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 64));        // exact
    const int q = binaryExponent - 64;                                          // |value| = m x 2^q
    // The power of ten of the leading digit: |value| >= 2^(e-1) gives it or one less.
    int lead = static_cast<int>(std::floor((binaryExponent - 1) * kLog10Of2));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = lead - (significant - 1);
        const std::optional<Quotient> quotient = Divide(m, q, k);
        if (!quotient)
            return std::nullopt;
        if (quotient->whole >= PowerOfTen(significant)) {
            ++lead;
            continue;
        }
        if (quotient->whole < PowerOfTen(significant - 1)) {
            --lead;
            continue;
        }
        // Round to nearest, a half to the even neighbour, as the C library does.
        Wide digits = quotient->whole;
        if (quotient->half > 0 || (quotient->half == 0 && (digits & 1) != 0))
            ++digits;
        if (digits == PowerOfTen(significant)) // 9.99..5 became 10.0..0
            return DecimalDigits{PowerOfTen(significant - 1), k + 1};
        return DecimalDigits{static_cast<std::uint64_t>(digits), k};
    }
    return std::nullopt;
}

std::string ScientificText(long double value, int precision) {
    char buffer[64];
    char* out = buffer;
    if (const std::optional<DecimalDigits> found = LeadingDigits(value, precision + 1)) {
        char digits[24] = {};
        const char* last = std::to_chars(digits, digits + sizeof digits, found->digits).ptr;
        if (std::signbit(value))
            *out++ = '-';
        *out++ = digits[0];
        if (precision > 0) {
            *out++ = '.';
            for (const char* digit = digits + 1; digit != last; ++digit)
                *out++ = *digit;
        }
        const int exponent = found->exponent + precision; // of the leading digit
        *out++ = 'e';
        *out++ = exponent < 0 ? '-' : '+';
        if (std::abs(exponent) < 10)
            *out++ = '0';
        out = std::to_chars(out, buffer + sizeof buffer, std::abs(exponent)).ptr;
        return std::string(buffer, out);
    }
    out = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                        precision)
              .ptr;
    return std::string(buffer, out);
}

} // namespace velkor
