// Unit-scaled parsing and display, and the field error box.
#include "fake_page.h"
#include "locale_text.h"
#include "unit_values.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace velkor {
namespace {

using testing::FakePage;
using testing::kBothLocales;
using testing::Localised;
using testing::NamedLocale;

class UnitValuesTest : public ::testing::TestWithParam<NamedLocale> {
protected:
    FakePage page{GetParam().locale};
    std::string L(std::string_view text) const { return Localised(text, GetParam().locale); }
};

INSTANTIATE_TEST_SUITE_P(Locales, UnitValuesTest, ::testing::ValuesIn(kBothLocales),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Quantity { Frequency, Capacitance, Inductance };

double Parse(Quantity q, Page& page, std::string_view text, int position) {
    switch (q) {
    case Quantity::Frequency:
        return ParseFrequency(page, text, position);
    case Quantity::Capacitance:
        return ParseCapacitance(page, text, position);
    case Quantity::Inductance:
        return ParseInductance(page, text, position);
    }
    return 0;
}

struct ParseCase {
    Quantity quantity;
    const char* text; // '#' decimal separator, '^' the other one
    int position;
    double value;    // ParseFailed when the box must appear
    const char* box; // the box's text, or "" for none
};

TEST_P(UnitValuesTest, ParsesScaleByPositionAndNameTheFieldOnFailure) {
    using Q = Quantity;
    const ParseCase cases[] = {
        {Q::Capacitance, "4#7", 3, 4.7e-9, ""},
        {Q::Capacitance, "4^7", 3, ParseFailed, "Campo errato o nullo : Capacità"},
        {Q::Frequency, "  12  ", 0, 12, ""},
        {Q::Frequency, "#", 1, 0, ""},
        {Q::Frequency, "1e3", 1, 1e6, ""},
        {Q::Frequency, "+5", 0, 5, ""},
        {Q::Frequency, "2#5", 2, 2.5e6, ""},
        {Q::Frequency, "1", 3, 1e9, ""},
        {Q::Frequency, "1", -1, 1e-3, ""}, // no entry selected
        {Q::Capacitance, "1", 4, 1e-12, ""},
        {Q::Capacitance, "1", -1, 1e3, ""},
        {Q::Capacitance, "470", 0, 470, ""},
        {Q::Inductance, "", 2, ParseFailed, "Campo errato o nullo : Induttanza"},
        {Q::Inductance, "1", 4, 1e-12, ""}, // the empty fifth entry of CBUIR
        {Q::Inductance, "1", -1, 1e3, ""},
        {Q::Inductance, "150", 2, 1.5e-4, ""},
        {Q::Inductance, "-1", 0, -1, ""}, // indistinguishable from ParseFailed, and silent
        {Q::Frequency, "1e308", 1, ParseFailed, "Campo errato o nullo : Frequenza"},
        {Q::Frequency, "1e400", 0, ParseFailed, "Campo errato o nullo : Frequenza"},
        {Q::Frequency, "abc", 1, ParseFailed, "Campo errato o nullo : Frequenza"},
        {Q::Capacitance, "1e-200", 4, 1e-212, ""},
        {Q::Inductance, "1", INT_MAX, 0, ""},
        {Q::Frequency, "1", INT_MAX, ParseFailed, "Campo errato o nullo : Frequenza"},
    };
    for (const auto& c : cases) {
        FakePage fresh{GetParam().locale};
        fresh.texts["IFREQ"] = "kept";
        const double value = Parse(c.quantity, fresh, L(c.text), c.position);
        SCOPED_TRACE(L(c.text) + " at " + std::to_string(c.position));
        EXPECT_DOUBLE_EQ(value, c.value);
        if (*c.box) {
            ASSERT_EQ(fresh.errors.size(), 1U);
            EXPECT_EQ(fresh.errors[0].first, "Error");
            EXPECT_EQ(fresh.errors[0].second, c.box);
        } else {
            EXPECT_TRUE(fresh.errors.empty());
        }
        EXPECT_TRUE(fresh.writes.empty()); // a parse never writes a field
        EXPECT_EQ(fresh.texts["IFREQ"], "kept");
    }
}

struct ShowCase {
    Quantity quantity;
    double value;
    const char* text; // '#' decimal separator
    int position;
};

TEST_P(UnitValuesTest, DisplaysChooseTheUnitByThreshold) {
    using Q = Quantity;
    const ShowCase cases[] = {
        {Q::Frequency, 1000, "1#000", 1},
        {Q::Frequency, 999.9, "999#900", 0},
        {Q::Frequency, 50329.2, "50#329", 1},
        {Q::Frequency, 2.5e9, "2#500", 3},
        {Q::Frequency, 1e6, "1#000", 2},
        {Q::Frequency, 1e9, "1#000", 3},
        {Q::Frequency, 999999.9, "1000#000", 1}, // the unit is chosen before rounding
        {Q::Frequency, 0, "0#000", 0},
        {Q::Frequency, -5, "-5#000", 0},
        {Q::Frequency, 5e12, "5000#000", 3},
        {Q::Capacitance, 4.7e-10, "470#000", 4},
        {Q::Capacitance, 2.2e-5, "22#000", 2},
        {Q::Capacitance, 0.5, "500#000", 1},
        {Q::Capacitance, 0, "0#000", 4},
        {Q::Capacitance, 1e-9, "1#000", 3}, // 1e-9 as a double lies just above 10^-9
        {Q::Capacitance, 4.7e-9, "4#700", 3},
        {Q::Capacitance, 1, "1#000", 0},
        {Q::Capacitance, 47, "47#000", 0},
        {Q::Capacitance, -1e-6, "-1000000#000", 4},
        {Q::Inductance, 1.5e-4, "150#000", 2},
        {Q::Inductance, 2.5e-10, "0#250", 3},
        {Q::Inductance, 3, "3#000", 0},
        {Q::Inductance, 1e-13, "0#000", 3}, // never the fifth, empty entry
        {Q::Inductance, 4.7e-7, "470#000", 3},
        {Q::Inductance, 0.0022, "2#200", 1},
        {Q::Inductance, 0, "0#000", 3},
        {Q::Inductance, -1, "-1000000000#000", 3},
    };
    for (const auto& c : cases) {
        FakePage fresh{GetParam().locale};
        std::string field = "IIND", selector = "CBUIR";
        switch (c.quantity) {
        case Q::Frequency:
            ShowFrequency(fresh, c.value);
            field = "IFREQ";
            selector = "CBUFR";
            break;
        case Q::Capacitance:
            ShowCapacitance(fresh, c.value);
            field = "ICAP";
            selector = "CBUCR";
            break;
        case Q::Inductance:
            ShowInductance(fresh, "IIND", "CBUIR", c.value);
            break;
        }
        SCOPED_TRACE(c.value);
        EXPECT_EQ(fresh.Text(field), L(c.text));
        EXPECT_EQ(fresh.ItemIndex(selector), c.position);
        EXPECT_EQ(fresh.writes, std::vector<std::string>{field}); // no other field touched
        EXPECT_TRUE(fresh.errors.empty());
    }
}

TEST_P(UnitValuesTest, ShowInductanceWritesTheFieldItIsGiven) {
    ShowInductance(page, "INUC", "CBUINUC", 0.0033);
    ShowInductance(page, "ISS", "CBUISS", 2.2e-5);
    EXPECT_EQ(page.Text("INUC"), L("3#300"));
    EXPECT_EQ(page.ItemIndex("CBUINUC"), 1);
    EXPECT_EQ(page.Text("ISS"), L("22#000"));
    EXPECT_EQ(page.ItemIndex("CBUISS"), 2);
    EXPECT_EQ(page.Text("IIND"), "");
}

TEST_P(UnitValuesTest, ShownValuesReadBackUnderTheSameSetting) {
    ShowCapacitance(page, 4.7e-10);
    EXPECT_DOUBLE_EQ(ParseCapacitance(page, page.Text("ICAP"), page.ItemIndex("CBUCR")), 4.7e-10);
    ShowFrequency(page, 50329.2);
    EXPECT_DOUBLE_EQ(ParseFrequency(page, page.Text("IFREQ"), page.ItemIndex("CBUFR")), 50329.0);
    EXPECT_TRUE(page.errors.empty());
}

TEST(ShowFieldError, ShowsTheNamedBox) {
    FakePage page;
    ShowFieldError(page, "Capacità");
    ShowFieldError(page, "Numero spire");
    ASSERT_EQ(page.errors.size(), 2U);
    EXPECT_EQ(page.errors[0].first, "Error");
    EXPECT_EQ(page.ErrorTexts(), (std::vector<std::string>{"Campo errato o nullo : Capacità",
                                                           "Campo errato o nullo : Numero spire"}));
}

} // namespace
} // namespace velkor
