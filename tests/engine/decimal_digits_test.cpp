// The fast decimal paths must give exactly what the C library gives: the digits it prints and
// the values it reads, on every value.
#include "decimal_digits.h"
#include "numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace velkor {
namespace {

std::string Reference(long double value, int precision) {
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, precision);
    return std::string(buffer, result.ptr);
}

struct Row {
    long double value;
    int precision;
    const char* text;
};

TEST(ScientificText, WorkedRows) {
    const std::vector<Row> rows = {
        {0.75L, 14, "7.50000000000000e-01"},
        {0.125L, 1, "1.2e-01"}, // an exact half goes to the even digit, as printf does
        {0.375L, 1, "3.8e-01"}, // and up when the even digit is above
        {2.5L, 0, "2e+00"},
        {9.9996L, 3, "1.000e+01"}, // rounding carries into a new leading digit
        {-451.5625L, 14, "-4.51562500000000e+02"},
        {1e15L, 14, "1.00000000000000e+15"},
        {123456789012345678.0L, 17, "1.23456789012345678e+17"},
        {0.0L, 14, "0.00000000000000e+00"},
        {-0.0L, 3, "-0.000e+00"},
        {1e-300L, 5, "1.00000e-300"}, // beyond the integer path: the C library answers
    };
    for (const Row& row : rows)
        EXPECT_EQ(ScientificText(row.value, row.precision), row.text)
            << static_cast<double>(row.value) << " with " << row.precision;
}

TEST(ScientificText, NonFiniteValuesAsTheCLibraryWritesThem) {
    for (const long double value :
         {std::numeric_limits<long double>::infinity(),
          -std::numeric_limits<long double>::infinity(),
          std::numeric_limits<long double>::quiet_NaN(), LDBL_MAX, LDBL_MIN, -LDBL_TRUE_MIN})
        EXPECT_EQ(ScientificText(value, 14), Reference(value, 14));
}

// Random significands over the whole range the integer path covers and beyond it, and values
// typed as decimals, multiplied and divided: the digits match the C library's at every
// precision the program uses.
TEST(ScientificText, MatchesTheCLibrary) {
    std::mt19937_64 random(20261209);
    std::uniform_int_distribution<int> exponent(-140, 140); // 2^-140 to 2^140
    std::uniform_int_distribution<int> precision(0, 17);
    for (int i = 0; i < 100000; ++i) {
        const long double fraction =
            std::ldexp(static_cast<long double>(random() | (1ULL << 63)), -64);
        const long double value = std::ldexp(fraction, exponent(random)) * (i % 2 ? -1 : 1);
        const int p = precision(random);
        ASSERT_EQ(ScientificText(value, p), Reference(value, p)) << i;
    }
    std::uniform_int_distribution<long long> typed(1, 999999);
    std::uniform_int_distribution<int> decimals(0, 6);
    for (int i = 0; i < 100000; ++i) {
        const long double a = typed(random) / std::pow(10.0L, decimals(random));
        const long double b = typed(random) / std::pow(10.0L, decimals(random));
        for (const long double value : {a, a * b, a / b, a + b})
            for (const int p : {14, 17, 3})
                ASSERT_EQ(ScientificText(value, p), Reference(value, p)) << i;
    }
}

// Exact halves at the last kept digit, where only the tie rule decides.
TEST(ScientificText, ExactHalvesMatchTheCLibrary) {
    for (long long whole = 1; whole < 5000; ++whole)
        for (int shift = 0; shift <= 8; ++shift) {
            const long double value =
                std::ldexp(static_cast<long double>(2 * whole + 1), -1 - shift);
            for (int p = 0; p <= 6; ++p)
                ASSERT_EQ(ScientificText(value, p), Reference(value, p)) << whole << " " << shift;
        }
}

// Reading takes a short decimal with one exact product or quotient; the value must be the
// one the C library's conversion finds, for short and long texts, tiny and huge exponents.
TEST(ReadNumberExtended, MatchesTheCLibrary) {
    std::mt19937_64 random(9122026);
    std::uniform_int_distribution<int> length(1, 22);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> exponent(-40, 40);
    for (int i = 0; i < 200000; ++i) {
        std::string integer, fraction;
        for (int n = length(random) / 2; n > 0; --n)
            integer += static_cast<char>('0' + digit(random));
        for (int n = length(random) / 2; n > 0; --n)
            fraction += static_cast<char>('0' + digit(random));
        if (integer.empty() && fraction.empty())
            integer = "0";
        const int power = i % 3 ? exponent(random) : 0;
        const bool negative = i % 5 == 0;
        std::string c = (negative ? "-" : "") + (integer.empty() ? "0" : integer);
        std::string typed = (negative ? "-" : "") + integer;
        if (!fraction.empty()) {
            c += "." + fraction;
            typed += "," + fraction;
        }
        if (power != 0) {
            c += "e" + std::to_string(power);
            typed += "E" + std::to_string(power);
        }
        long double expected = 0;
        std::from_chars(c.data(), c.data() + c.size(), expected);
        const std::optional<long double> read = ReadNumberExtended(typed, CommaLocale());
        ASSERT_TRUE(read) << typed;
        ASSERT_EQ(*read, expected) << typed;
        ASSERT_EQ(std::signbit(*read), std::signbit(expected)) << typed;
    }
}

// Fixed notation the long way: the C library's digits of the value to `significant` digits,
// then the decimal string rounded half up at the last decimal, with the point put in.
std::string FixedReference(long double value, int decimals, int significant) {
    const std::string text = Reference(value, significant - 1);
    const bool negative = text[0] == '-';
    const std::size_t e = text.find('e');
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i)
        if (text[i] != '.')
            digits += text[i];
    const int keep = std::stoi(text.substr(e + 1)) + 1 + decimals; // digits left in place
    std::string kept = "0";
    if (keep > 0)
        kept = keep >= static_cast<int>(digits.size())
                   ? digits + std::string(keep - digits.size(), '0')
                   : digits.substr(0, keep);
    if (keep >= 0 && keep < static_cast<int>(digits.size()) && digits[keep] >= '5') {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0 && kept[i] == '9'; --i)
            kept[i] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else if (keep == 0)
            kept = "1";
        else
            ++kept[i];
    }
    kept.erase(0, std::min(kept.find_first_not_of('0'), kept.size()));
    if (static_cast<int>(kept.size()) <= decimals)
        kept.insert(0, decimals + 1 - kept.size(), '0');
    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    std::string out = negative && !zero ? "-" : "";
    out += kept.substr(0, kept.size() - decimals);
    if (decimals > 0)
        out += "." + kept.substr(kept.size() - decimals);
    return out;
}

// Result fields show fixed notation from whole-number arithmetic on the leading digits; the
// figures are those of the long way, for patterns (15 digits) and the spin display (18), on
// random values, typed decimals and their products, exact halves at the last decimal, and
// values too large for 64-bit units of the last decimal.
TEST(FixedNotation, MatchesTheLongWay) {
    const NumberLocale point = PointLocale();
    const auto check = [&](long double value, int decimals) {
        const std::string pattern = "%1." + std::to_string(decimals) + "f";
        ASSERT_EQ(FormatPattern(pattern, {value}, point), FixedReference(value, decimals, 15))
            << static_cast<double>(value) << " with " << decimals;
        ASSERT_EQ(FormatFixed(value, decimals, point), FixedReference(value, decimals, 18))
            << static_cast<double>(value) << " with " << decimals;
    };
    std::mt19937_64 random(10122026);
    std::uniform_int_distribution<int> exponent(-90, 90); // about 1e-27 to 1e27
    std::uniform_int_distribution<int> decimals(0, 8);
    for (int i = 0; i < 50000; ++i) {
        const long double fraction =
            std::ldexp(static_cast<long double>(random() | (1ULL << 63)), -64);
        check(std::ldexp(fraction, exponent(random)) * (i % 2 ? -1 : 1), decimals(random));
    }
    std::uniform_int_distribution<long long> typed(1, 999999);
    for (int i = 0; i < 20000; ++i) {
        const long double a = typed(random) / std::pow(10.0L, decimals(random) % 5);
        const long double b = typed(random) / std::pow(10.0L, decimals(random) % 5);
        for (const long double value : {a, a * b, a / b})
            check(value, decimals(random));
    }
    for (long long whole = 0; whole < 3000; ++whole)
        for (int d = 0; d <= 4; ++d)
            check((whole + 0.5L) / std::pow(10.0L, d), d); // x.5 at the first dropped decimal
    for (const long double value : {0.0L, -0.0L, 0.0004L, -0.0004L, 0.5L, -0.5L, 9.9996L, 999999.5L,
                                    1e19L, 1.8e19L, 4.2e25L, -7.5e30L, 1e-30L})
        for (int d = 0; d <= 18; ++d)
            check(value, d);
}

TEST(LeadingDigits, GivesNothingWhereTheIntegersDoNotReach) {
    EXPECT_FALSE(LeadingDigits(0.0L, 15));
    EXPECT_FALSE(LeadingDigits(1.0L, 0));
    EXPECT_FALSE(LeadingDigits(1.0L, 19));
    EXPECT_FALSE(LeadingDigits(1e-300L, 15));
    EXPECT_FALSE(LeadingDigits(std::numeric_limits<long double>::infinity(), 15));
    const auto digits = LeadingDigits(-2.5e-3L, 3);
    ASSERT_TRUE(digits);
    EXPECT_EQ(digits->digits, 250u);
    EXPECT_EQ(digits->exponent, -5);
}

} // namespace
} // namespace velkor
