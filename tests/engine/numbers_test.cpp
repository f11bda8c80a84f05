// Reading typed numbers, spin-field values, number patterns, the general format and PadLeft.
#include "faults.h"
#include "locale_text.h"
#include "numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <optional>

namespace velkor {
namespace {

using testing::kBothLocales;
using testing::Localised;
using testing::NamedLocale;

class NumbersTest : public ::testing::TestWithParam<NamedLocale> {
protected:
    const NumberLocale& locale() const { return GetParam().locale; }
    std::string L(std::string_view text) const { return Localised(text, locale()); }
};

INSTANTIATE_TEST_SUITE_P(Locales, NumbersTest, ::testing::ValuesIn(kBothLocales),
                         [](const auto& info) { return std::string(info.param.name); });

struct ReadCase {
    const char* text; // '#' decimal separator, '^' the other separator
    std::optional<double> value;
};

TEST_P(NumbersTest, ReadNumberFollowsTheTypedNumberRules) {
    const ReadCase cases[] = {
        {"4#7", 4.7},
        {"4^7", std::nullopt}, // the other separator is refused
        {"  12  ", 12},
        {"#", 0},
        {"#5", 0.5},
        {"5#", 5},
        {"+5", 5},
        {"-5#25", -5.25},
        {"007", 7},
        {"1e3", 1000},
        {"1E3", 1000},
        {"2E+2", 200},
        {"1e-2", 0.01},
        {"1e", 1}, // an exponent without digits is 0
        {"1E+", 1},
        {"1#5e1  ", 15},
        {"1#7976931348623157e308", DBL_MAX},
        {"1e308", 1e308},
        {"1e-400", 0}, // too small for double precision: zero
        {"1e-5000", 0},
        {"0e99999", 0},
        {"1#8e308", std::nullopt}, // beyond the double range
        {"-1#8e308", std::nullopt},
        {"1e400", std::nullopt},
        {"1e5000", std::nullopt},
        {"1e99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"E", std::nullopt},
        {"e3", std::nullopt},
        {"1^000", std::nullopt}, // no thousands separators
        {"1 000", std::nullopt},
        {"\t12", std::nullopt}, // only the blank is skipped
        {"12\t", std::nullopt},
        {"12a", std::nullopt},
        {"--5", std::nullopt},
        {"+-5", std::nullopt},
        {"5-", std::nullopt},
        {"1#2#3", std::nullopt},
        {"1e3#5", std::nullopt},
        {"1e3e3", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto read = ReadNumber(L(c.text), locale());
        ASSERT_EQ(read.has_value(), c.value.has_value()) << '"' << L(c.text) << '"';
        if (c.value) {
            EXPECT_DOUBLE_EQ(*read, *c.value) << L(c.text);
        }
    }
}

TEST_P(NumbersTest, ReadNumberKeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(*ReadNumber(L("-#"), locale())));
    EXPECT_TRUE(std::signbit(*ReadNumber(L("-1e-5000"), locale())));
    EXPECT_FALSE(std::signbit(*ReadNumber(L("#"), locale())));
}

TEST_P(NumbersTest, ExtendedReadingReachesBeyondTheDoubleRange) {
    const auto big = ReadNumberExtended(L("1#5e400"), locale());
    ASSERT_TRUE(big.has_value());
    EXPECT_NEAR(static_cast<double>(*big / 1e400L), 1.5, 1e-15);
    EXPECT_FALSE(ReadNumberExtended(L("1e5000"), locale()).has_value());
}

struct SpinCase {
    const char* text;
    long double value;
};

TEST_P(NumbersTest, SpinValueDropsThousandsSeparatorsAndReadsEmptyAsZero) {
    const SpinCase cases[] = {
        {"", 0},           {"0", 0},
        {"13#9", 13.9L},   {"1^000", 1000},
        {"1^2^3", 123},    {"1^000#5", 1000.5L},
        {"4^9338", 49338}, {"-2#5E3", -2500},
        {"  7 ", 7},       {"1E4000", 1e4000L},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpinValue(L(c.text), locale()), c.value) << L(c.text);
    EXPECT_TRUE(std::signbit(SpinValue("-", locale())));
}

TEST_P(NumbersTest, SpinValueThatDoesNotConvertIsAConversionError) {
    const char* const unreadable[] = {"E", "abc", "1#2#3", "--", "  ", "1E5000"};
    for (const char* text : unreadable) {
        const std::string shown = L(text);
        try {
            SpinValue(shown, locale());
            ADD_FAILURE() << shown;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.description(), "'" + shown + "' is not a valid floating point value");
        }
    }
}

struct FormatCase {
    const char* pattern;
    long double value;
    const char* text; // '#' decimal separator
};

TEST_P(NumbersTest, PatternsRoundHalvesAwayFromZeroAfterFifteenDigits) {
    const FormatCase cases[] = {
        {"%3.2f", 0.125, "0#13"},
        {"%4.0f", 112.5, " 113"},
        {"%3.1f", 10.25, "10#3"},
        {"%7.0f", 2.5, "      3"},
        {"%4.0f", -2.5, "  -3"},
        {"%3.2f", -0.125, "-0#13"},
        {"%3.3f", 0, "0#000"},
        {"%3.3f", 50.3292, "50#329"},
        {"%3.2f", 2.675, "2#68"},      // the double lies below 2.675, its 15 digits do not
        {"%3.2f", 1.005, "1#01"},      // nor below 1.005
        {"%3.2f", 1.00499999, "1#00"}, // a real shortfall is kept
        {"%4.1f", 99.95, "100#0"},     // above 99.95: carries into a new digit
        {"%3.2f", 9.9999, "10#00"},
        {"%1.0f", 0.5, "1"},
        {"%1.0f", 0.49, "0"},
        {"%3.1f", 0.05, "0#1"},
        {"%5.2f", 1e-20, " 0#00"},
        {"%2.1f", 12345.678, "12345#7"}, // never cut
        {"%3.0f", 1e20, "100000000000000000000"},
        {"%5.1f", 1451520, "1451520#0"},
        {"%2.4f", 0.054389538518694505, "0#0544"},
        // 0.125 less 10^-19: its 15-digit form is 0.125 exactly.
        {"%3.2f", 0.125L - 1e-19L, "0#13"},
        // Products and quotients of typed decimals that land on a half, in double and in
        // extended precision: each rounds away from zero as a person computes it.
        {"%1.1f", 5 * 0.15, "0#8"},
        {"%1.1f", 5 * 0.15L, "0#8"},
        {"%3.3f", 212.5 * 212.5 * 10000 / 1e6, "451#563"},
        {"%3.3f", 212.5L * 212.5L * 10000 / 1e6L, "451#563"},
        {"%3.2f", 0.125 * 1, "0#13"},
        {"%1.1f", 2.5 * 0.5, "1#3"},
        {"%1.1f", 2.5L * 0.5L, "1#3"},
        {"%3.1f", 41 / 4.0, "10#3"},
        {"%3.2f", 0.1 + 0.015, "0#12"}, // 0.115
        {"%2.1f", -0.15 * 5, "-0#8"},
        {"%3.2f", 3 * 0.335, "1#01"}, // 1.005
        {"%3.1f", 1.45 / 1, "1#5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(c.pattern, c.value, locale()), L(c.text))
            << c.pattern << " " << static_cast<double>(c.value);
}

TEST_P(NumbersTest, PatternWithTwoValuesAndLiteralText) {
    EXPECT_EQ(FormatPattern("%4.0f (%4.1f)", {12, 12.0168875}, locale()), L("  12 (12#0)"));
    EXPECT_EQ(FormatPattern("%4.0f (%4.1f)", {8, 8.4118}, locale()), L("   8 ( 8#4)"));
    EXPECT_EQ(FormatPattern("%4.1f Vac", {12}, locale()), L("12#0 Vac"));
}

TEST_P(NumbersTest, GeneralFormatIsTheShortestTextOfFifteenDigits) {
    const FormatCase cases[] = {
        {"", 28, "28"},
        {"", 62.5, "62#5"},
        {"", 0.85, "0#85"},
        {"", 0, "0"},
        {"", -3.25, "-3#25"},
        {"", 1.0 / 3.0, "0#333333333333333"},
        {"", 0.1 + 0.2, "0#3"},
        {"", 0.0001, "0#0001"},
        {"", 1.5e-7, "1#5E-7"},
        {"", 1e20, "1E20"},
        {"", 123456789012345678.0, "1#23456789012346E17"},
        {"", 100000000000000, "100000000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatGeneral(c.value, locale()), L(c.text)) << static_cast<double>(c.value);
}

// A window toolkit may switch the C library to the user's regional settings; the number rules
// must not follow it.
TEST(NumberRules, IgnoreTheCLibraryLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const char* const commaLocales[] = {"it_IT.UTF-8", "it_IT.utf8", "de_DE.UTF-8", "fr_FR.UTF-8"};
    const char* found = nullptr;
    for (const char* name : commaLocales)
        if (!found && std::setlocale(LC_NUMERIC, name))
            found = name;
    if (!found)
        GTEST_SKIP() << "no decimal-comma locale installed";
    const auto read = ReadNumber("4.7", PointLocale());
    const std::string fixed = Format("%3.2f", 0.125, PointLocale());
    const std::string general = FormatGeneral(62.5, PointLocale());
    const auto comma = ReadNumber("4,7", CommaLocale());
    std::setlocale(LC_NUMERIC, previous.c_str());
    ASSERT_TRUE(read.has_value());
    EXPECT_DOUBLE_EQ(*read, 4.7);
    EXPECT_EQ(fixed, "0.13");
    EXPECT_EQ(general, "62.5");
    ASSERT_TRUE(comma.has_value());
    EXPECT_DOUBLE_EQ(*comma, 4.7);
}

TEST(PadLeft, TrimsThenPadsWithoutCutting) {
    struct Case {
        const char* text;
        int width;
        const char* padded;
    };
    const Case cases[] = {
        {" 12.5", 7, "   12.5"},        {"12345678", 7, "12345678"}, {"", 3, "   "},
        {"\t x \n", 3, "  x"},          {"  abc  ", 0, "abc"},       {"abc", -2, "abc"},
        {"12,0 Vac", 10, "  12,0 Vac"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PadLeft(c.text, c.width), c.padded) << '"' << c.text << '"';
}

} // namespace
} // namespace velkor
