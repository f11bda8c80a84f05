#include "resonance.h"

#include "faults.h"
#include "inductor_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace velkor::testing {
namespace {

using Handler = std::function<void(Page&)>;

struct Case {
    const char* what;
    Handler click;
    Texts inputs;
    Positions positions;
    Texts shown;
    Positions selected;
};

// Under a decimal comma, as the resonance group's worked values are written.
TEST(Resonance, WorkedValuesWithComma) {
    const std::vector<Case> cases = {
        {"F from C and L",
         SBCFRClick,
         {{"ICAP", "100"}, {"IIND", "100"}},
         {},
         {{"IFREQ", "50,329"}},
         {{"CBUFR", 1}}},
        {"C from F and L",
         SBCCRClick,
         {{"IFREQ", "50"}, {"IIND", "100"}},
         {},
         {{"ICAP", "101,321"}},
         {{"CBUCR", 3}}},
        {"L from F and C",
         SBCIRClick,
         {{"IFREQ", "50"}, {"ICAP", "100"}},
         {},
         {{"IIND", "101,321"}},
         {{"CBUIR", 2}}},
        {"XC from F and C",
         SBCXCClick,
         {{"IFREQ", "1"}, {"ICAP", "100"}},
         {},
         {{"IXC", "   1592"}},
         {}},
        {"XL from F and L",
         SBCXLClick,
         {{"IFREQ", "1"}, {"IIND", "100"}},
         {{"CBUIR", 1}},
         {{"IXL", "    628"}},
         {}},
        {"XL of a zero frequency",
         SBCXLClick,
         {{"IFREQ", "0"}, {"IIND", "100"}},
         {},
         {{"IXL", "      0"}},
         {}},
        {"C from F and the padded XC",
         SBCCXCClick,
         {{"IFREQ", "1"}, {"IXC", "   1592"}},
         {},
         {{"ICAP", "99,972"}},
         {{"CBUCR", 3}}},
        {"L from F and XL",
         SBCIXLClick,
         {{"IFREQ", "1"}, {"IXL", "628"}},
         {},
         {{"IIND", "99,949"}},
         {{"CBUIR", 1}}},
        {"F from C and XC",
         SBCFXCClick,
         {{"ICAP", "100"}, {"IXC", "1592"}},
         {},
         {{"IFREQ", "999,717"}},
         {{"CBUFR", 0}}},
        {"F from L and XL",
         SBCFXLClick,
         {{"IIND", "100"}, {"IXL", "628"}},
         {{"CBUIR", 1}},
         {{"IFREQ", "999,493"}},
         {{"CBUFR", 0}}},
        {"a negative reactance gives a negative frequency in Hz",
         SBCFXLClick,
         {{"IIND", "100"}, {"IXL", "-628"}},
         {{"CBUIR", 1}},
         {{"IFREQ", "-999,493"}},
         {{"CBUFR", 0}}},
        {"the empty fifth inductance unit scales by 10^-12",
         SBCFRClick,
         {{"ICAP", "1"}, {"IIND", "1"}},
         {{"CBUCR", 4}, {"CBUIR", 4}},
         {{"IFREQ", "159,155"}},
         {{"CBUFR", 3}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakePage page = InductorPage(CommaLocale());
        Fill(page, c.inputs, c.positions);
        c.click(page);
        EXPECT_TRUE(page.errors.empty());
        EXPECT_TRUE(Shows(page, c.shown, c.selected));
    }
}

TEST(Resonance, WorkedValueWithPoint) {
    FakePage page = InductorPage(PointLocale());
    Fill(page, {{"ICAP", "100"}, {"IIND", "100"}});
    SBCFRClick(page);
    EXPECT_TRUE(Shows(page, {{"IFREQ", "50.329"}}, {{"CBUFR", 1}}));
}

struct Refusal {
    const char* what;
    Handler click;
    Texts inputs;
    Positions positions;
    std::vector<std::string> boxes;
};

// Unreadable inputs: the boxes in order, and no field or unit changes.
TEST(Resonance, RefusedInputsChangeNothing) {
    const std::string box = "Campo errato o nullo : ";
    const std::vector<Refusal> cases = {
        {"both fields empty give two boxes in a row",
         SBCFRClick,
         {{"ICAP", ""}, {"IIND", ""}},
         {},
         {box + "Capacità", box + "Induttanza"}},
        {"C from F and L reads L first",
         SBCCRClick,
         {{"IFREQ", ""}, {"IIND", "x"}},
         {},
         {box + "Induttanza", box + "Frequenza"}},
        {"the point is refused under a comma",
         SBCXCClick,
         {{"IFREQ", "1"}, {"ICAP", "4.7"}},
         {},
         {box + "Capacità"}},
        {"a value scaling to -1 stops silently",
         SBCFRClick,
         {{"ICAP", "1"}, {"IIND", "-1"}},
         {{"CBUIR", 0}},
         {}},
        {"an empty XC", SBCFXCClick, {{"ICAP", "100"}, {"IXC", ""}}, {}, {box + "XC"}},
        {"an empty C stops before XC",
         SBCFXCClick,
         {{"ICAP", ""}, {"IXC", ""}},
         {},
         {box + "Capacità"}},
        {"an unreadable XL", SBCIXLClick, {{"IFREQ", "1"}, {"IXL", "6,2,8"}}, {}, {box + "XL"}},
        {"a zero frequency is named for C",
         SBCCXCClick,
         {{"IFREQ", "0"}, {"IXC", "10"}},
         {},
         {box + "Frequenza"}},
        {"a zero XC is named for C", SBCCXCClick, {{"IFREQ", "1"}, {"IXC", "0"}}, {}, {box + "XC"}},
        {"a zero frequency is named for L",
         SBCIXLClick,
         {{"IFREQ", "0"}, {"IXL", "10"}},
         {},
         {box + "Frequenza"}},
        {"a zero capacitance is named",
         SBCFXCClick,
         {{"ICAP", "0"}, {"IXC", "10"}},
         {},
         {box + "Capacità"}},
        {"a zero XC is named for f", SBCFXCClick, {{"ICAP", "10"}, {"IXC", "0"}}, {}, {box + "XC"}},
        {"a zero inductance is named",
         SBCFXLClick,
         {{"IIND", "0"}, {"IXL", "10"}},
         {},
         {box + "Induttanza"}},
        {"a reactance beyond the double range",
         SBCFXLClick,
         {{"IIND", "1"}, {"IXL", "1e400"}},
         {},
         {box + "XL"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakePage page = InductorPage(CommaLocale());
        Fill(page, {{"IFREQ", "7"}, {"ICAP", "8"}, {"IIND", "9"}, {"IXC", "10"}, {"IXL", "11"}});
        Fill(page, c.inputs, c.positions);
        const FakePage before = page;
        c.click(page);
        EXPECT_EQ(page.ErrorTexts(), c.boxes);
        for (const auto& e : page.errors)
            EXPECT_EQ(e.first, "Error");
        EXPECT_EQ(page.texts, before.texts);
        EXPECT_EQ(page.indices, before.indices);
    }
}

struct Uncaught {
    const char* what;
    Handler click;
    Texts inputs;
    const char* description;
};

// The five calculations from two unit fields leave arithmetic faults to the window.
TEST(Resonance, ArithmeticFaultsReachTheWindow) {
    const char* zero = "Floating point division by zero";
    const char* invalid = "Invalid floating point operation";
    const std::vector<Uncaught> cases = {
        {"F with a zero C", SBCFRClick, {{"ICAP", "0"}, {"IIND", "100"}}, zero},
        {"F with a zero L", SBCFRClick, {{"ICAP", "100"}, {"IIND", "0"}}, zero},
        {"F with a negative C L", SBCFRClick, {{"ICAP", "-100"}, {"IIND", "100"}}, invalid},
        {"C with a zero F", SBCCRClick, {{"IFREQ", "0"}, {"IIND", "100"}}, zero},
        {"C with a zero L", SBCCRClick, {{"IFREQ", "50"}, {"IIND", "0"}}, zero},
        {"L with a zero C", SBCIRClick, {{"IFREQ", "50"}, {"ICAP", "0"}}, zero},
        {"XC with a zero F", SBCXCClick, {{"IFREQ", "0"}, {"ICAP", "100"}}, zero},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakePage page = InductorPage(CommaLocale());
        Fill(page, {{"IFREQ", "7"}, {"ICAP", "8"}, {"IIND", "9"}, {"IXC", "10"}});
        Fill(page, c.inputs);
        const FakePage before = page;
        try {
            c.click(page);
            ADD_FAILURE() << "no fault";
        } catch (const Fault& fault) {
            EXPECT_EQ(fault.description(), c.description);
        }
        EXPECT_TRUE(page.errors.empty());
        EXPECT_EQ(page.texts, before.texts);
        EXPECT_EQ(page.indices, before.indices);
    }
}

TEST(Resonance, ZeroCapacitanceLeavesTheFrequency) {
    FakePage page = InductorPage(CommaLocale());
    Fill(page, {{"IFREQ", "50,329"}, {"ICAP", "0"}, {"IIND", "100"}});
    EXPECT_THROW(SBCFRClick(page), DivisionByZero);
    EXPECT_EQ(page.Text("IFREQ"), "50,329");
    EXPECT_EQ(page.ItemIndex("CBUFR"), 1);
}

} // namespace
} // namespace velkor::testing
