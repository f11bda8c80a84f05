#include "mains_design.h"

#include "../shared/mains_worked_example.h"
#include "faults.h"
#include "mains_page.h"

#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <string>
#include <vector>

namespace velkor::testing {
namespace {

using Expected = std::vector<std::pair<std::string, std::string>>;

const std::array<std::string, 8> kNoRow = {"", "", "", "", "", "", "", ""};

class MainsDesign : public ::testing::TestWithParam<NumberLocale> {
protected:
    const NumberLocale& locale() const { return GetParam(); }
    std::string L(std::string_view text) const { return Local(text, locale()); }

    void ExpectFields(const FakePage& page, const Expected& expected) const {
        for (const auto& [name, text] : expected)
            EXPECT_EQ(page.Text(name), L(text)) << name;
    }
    void ExpectRow(const FakePage& page, int row, const std::array<std::string, 8>& cells) const {
        for (int column = 0; column < 8; ++column)
            EXPECT_EQ(OutCell(page, column, row), L(cells[column]))
                << "row " << row << " column " << column;
    }
};

INSTANTIATE_TEST_SUITE_P(Settings, MainsDesign, ::testing::Values(CommaLocale(), PointLocale()),
                         [](const auto& info) {
                             return info.param.decimal == "," ? std::string("Comma")
                                                              : std::string("Point");
                         });

const Expected kWorkedExample(std::begin(kMainsWorkedExample), std::end(kMainsWorkedExample));

TEST_P(MainsDesign, WorkedExampleSingleSection) {
    FakePage page = MainsPage(locale());
    page.cells["SGTAOUTSEC[3,2]"] = "old"; // cleared by the run
    SBTACALCClick(page, Secondaries({{"12", "2"}}, locale()));

    EXPECT_TRUE(page.errors.empty());
    ExpectFields(page, kWorkedExample);
    ExpectRow(page, 1, {"12,0", "2,000", "  69", "0,80", "1,4", "12,9", " 60", "0,5"});
    for (int row = 2; row <= 6; ++row)
        ExpectRow(page, row, kNoRow);
    EXPECT_EQ(page.LookOf("TALC").background, kSystemWindow);
    EXPECT_EQ(page.LookOf("TALC").text, kSystemWindowText);
    EXPECT_EQ(page.LookOf("RAPIMPAC").background, kResultTint);
    // The results are written in the order of the design's steps.
    std::vector<std::string> order;
    for (const auto& [name, text] : kWorkedExample)
        order.push_back(name);
    EXPECT_EQ(page.writes, order);
}

TEST_P(MainsDesign, WorkedExampleDoubleSection) {
    FakePage page = MainsPage(locale());
    page.checks["RBTASING"] = false;
    SBTACALCClick(page, Secondaries({{"12", "2"}}, locale()));

    EXPECT_TRUE(page.errors.empty());
    ExpectFields(page, {{"TAPMAX", "   27"},
                        {"TACA", "30,5"},
                        {"TACC", "19,3"},
                        {"TACX", "56,0"},
                        {"TANSP", " 1202"},
                        {"TANP", "12,5"},
                        {"TALFILO", "171,6"},
                        {"RAPIMPAC", "0,24"},
                        {"TAPERFERRO", "2,0"},
                        {"TAPERP", "1,5"},
                        {"TAPERS", "1,4"},
                        {"TAPERTOT", "4,9"},
                        {"TADT", "28,7"}});
    ExpectRow(page, 1, {"12,0", "2,000", "  69", "0,80", "2,9", "9,9", " 45", "0,3"});
}

TEST_P(MainsDesign, OversizeLaminationTurnsRedThenBack) {
    FakePage page = MainsPage(locale());
    SBTACALCClick(page, Secondaries({{"100", "20"}}, locale()));
    EXPECT_TRUE(page.errors.empty());
    ExpectFields(page, {{"TARESA", "0,93"},
                        {"TALC", "81"},
                        {"TAPMAX", " 2053"},
                        {"TASEZL", "6561"},
                        {"TALB", "202,5"},
                        {"TAAF", "4920,75"}});
    EXPECT_EQ(page.LookOf("TALC").background, kRed);
    EXPECT_EQ(page.LookOf("TALC").text, kWhite);
    EXPECT_FALSE(page.LookOf("TALC").bold);

    page.SetText("TARESA", "");
    SBTACALCClick(page, Secondaries({{"12", "2"}}, locale()));
    EXPECT_EQ(page.Text("TALC"), "28");
    EXPECT_EQ(page.LookOf("TALC").background, kSystemWindow);
    EXPECT_EQ(page.LookOf("TALC").text, kSystemWindowText);
}

TEST_P(MainsDesign, DefaultEfficiencyByPower) {
    const struct {
        const char* volts;
        const char* amps;
        const char* efficiency;
    } cases[] = {{"10", "2", "0,82"},   {"20,1", "1", "0,85"}, {"25", "2", "0,85"},
                 {"50,1", "1", "0,89"}, {"75", "2", "0,89"},   {"100", "3", "0,91"},
                 {"300,1", "1", "0,93"}};
    for (const auto& c : cases) {
        FakePage page = MainsPage(locale());
        SBTACALCClick(page, Secondaries({{c.volts, c.amps}}, locale()));
        EXPECT_EQ(page.Text("TARESA"), L(c.efficiency)) << c.volts << " x " << c.amps;
    }
}

TEST_P(MainsDesign, EfficiencyStaysUntilCleared) {
    FakePage page = MainsPage(locale());
    SBTACALCClick(page, Secondaries({{"12", "2"}}, locale()));
    ASSERT_EQ(page.Text("TARESA"), L("0,85"));

    // 2000 VA at the kept 0.85 needs C = 83: (2000e6 / (0.2331 * 1.1 * 50 * 4 * 0.85))^0.25.
    SBTACALCClick(page, Secondaries({{"100", "20"}}, locale()));
    EXPECT_EQ(page.Text("TARESA"), L("0,85"));
    EXPECT_EQ(page.Text("TALC"), "83");

    page.SetText("TARESA", "");
    SBTACALCClick(page, Secondaries({{"100", "20"}}, locale()));
    EXPECT_EQ(page.Text("TARESA"), L("0,93"));
    EXPECT_EQ(page.Text("TALC"), "81");
}

TEST_P(MainsDesign, TypedEfficiencyIsUsedAsItStands) {
    FakePage page = MainsPage(locale());
    page.texts["TARESA"] = L("0,5");
    page.writes.clear();
    SBTACALCClick(page, Secondaries({{"12", "2"}}, locale()));
    EXPECT_EQ(page.Text("TARESA"), L("0,5"));
    EXPECT_EQ(page.writes.front(), "TAPMAX"); // TARESA not rewritten
    // (24e6 / (0.2331 * 1.1 * 50 * 4 * 0.5))^0.25 = 31.1 -> 32
    EXPECT_EQ(page.Text("TALC"), "32");
}

TEST_P(MainsDesign, SixSecondariesEachInItsRow) {
    FakePage page = MainsPage(locale());
    SBTACALCClick(
        page,
        Secondaries({{"6", "1"}, {"9", "1"}, {"12", "1"}, {"15", "1"}, {"18", "1"}, {"24", "1"}},
                    locale()));
    EXPECT_TRUE(page.errors.empty());
    const char* volts[] = {"", " 6,0", " 9,0", "12,0", "15,0", "18,0", "24,0"};
    for (int row = 1; row <= 6; ++row) {
        EXPECT_EQ(OutCell(page, 0, row), L(volts[row])) << row;
        EXPECT_EQ(OutCell(page, 1, row), L("1,000")) << row;
        EXPECT_FALSE(OutCell(page, 7, row).empty()) << row;
    }
}

TEST_P(MainsDesign, GapRowStaysEmpty) {
    FakePage page = MainsPage(locale());
    SBTACALCClick(
        page, Secondaries({{"12", "2"}, {"", ""}, {"24", "1"}, {"abc", "1"}, {"5", ""}}, locale()));
    EXPECT_TRUE(page.errors.empty());
    EXPECT_EQ(OutCell(page, 0, 1), L("12,0"));
    ExpectRow(page, 2, kNoRow);
    EXPECT_EQ(OutCell(page, 0, 3), L("24,0"));
    ExpectRow(page, 4, kNoRow);
    ExpectRow(page, 5, kNoRow);
    ExpectRow(page, 6, kNoRow);
    EXPECT_EQ(page.Text("TARESA"), L("0,85")); // 48 VA
}

TEST_P(MainsDesign, MinusOneVoltageCountsButGetsNoRow) {
    FakePage page = MainsPage(locale());
    // 24 VA + (-1 V x -6 A) = 30 VA: the default efficiency is that of 30 VA.
    SBTACALCClick(page, Secondaries({{"12", "2"}, {"-1", "-6"}}, locale()));
    EXPECT_TRUE(page.errors.empty());
    EXPECT_EQ(page.Text("TARESA"), L("0,85"));
    EXPECT_EQ(OutCell(page, 0, 1), L("12,0"));
    ExpectRow(page, 2, kNoRow);

    // Alone it gives power but no secondary build-up: the bobbin cannot be measured.
    FakePage alone = MainsPage(locale());
    SBTACALCClick(alone, Secondaries({{"-1", "-24"}}, locale()));
    EXPECT_TRUE(alone.errors.empty());
    ExpectRow(alone, 1, kNoRow);
    ExpectFields(alone, {{"TANP", "6,1"},
                         {"TACA", "?"},
                         {"TACC", "?"},
                         {"TACX", "?"},
                         {"RAPIMPAC", ""},
                         {"TAPERS", "0,0"}});
}

TEST_P(MainsDesign, MissingBobbinCascade) {
    FakePage page = MainsPage(locale());
    page.checks["CBAUTOCART"] = false;
    page.texts["RAPIMPAC"] = L("0,40");
    SBTACALCClick(page, Secondaries({{"12", "2"}, {"24", "1"}}, locale()));
    EXPECT_TRUE(page.errors.empty());
    ExpectFields(page, {{"TANP", "???"},
                        {"TACA", "?"},
                        {"TACC", "?"},
                        {"TACX", "?"},
                        {"RAPIMPAC", "0,40"},
                        {"TALC", "35"},
                        {"TAPERFERRO", "3,9"}});
    EXPECT_EQ(page.LookOf("RAPIMPAC").background, kResultTint);
    for (int row = 1; row <= 2; ++row) {
        EXPECT_EQ(OutCell(page, 4, row), "?");
        EXPECT_FALSE(OutCell(page, 5, row).empty());
    }

    // The "?" left behind fails the next run the same way ...
    SBTACALCClick(page, Secondaries({{"12", "2"}}, locale()));
    ExpectFields(page, {{"TANP", "???"}, {"TACC", "?"}});
    // ... until automatic dimensions fill them again.
    page.checks["CBAUTOCART"] = true;
    SBTACALCClick(page, Secondaries({{"12", "2"}}, locale()));
    ExpectFields(page, {{"TANP", "6,1"}, {"TACC", "39,5"}, {"RAPIMPAC", "0,28"}});
}

TEST_P(MainsDesign, TypedBobbinDimensions) {
    const struct {
        const char* inner;
        const char* width;
        const char* flange;
        const char* layers; // TANP
        const char* fill;   // RAPIMPAC, "" when the bobbin is marked "?"
        bool red;
    } cases[] = {
        {"30,5", "39,5", "56", "6,1", "0,28", false},
        {"30,5", "39,5", "33", "6,1", "2,88", true}, // 7.2 mm over 2.5 mm
        {"30", "39,5", "30", "6,1", "", false},      // flange equal to the inner side
        {"30,5", "0", "56", "???", "", false},       // zero winding width
        {"30,5", "39.5x", "56", "???", "", false},
        {"", "39,5", "56", "6,1", "", false},
    };
    for (const auto& c : cases) {
        FakePage page = MainsPage(locale());
        page.checks["CBAUTOCART"] = false;
        page.texts["TACA"] = L(c.inner);
        page.texts["TACC"] = L(c.width);
        page.texts["TACX"] = L(c.flange);
        SBTACALCClick(page, Secondaries({{"12", "2"}}, locale()));
        SCOPED_TRACE(std::string(c.inner) + " " + c.width + " " + c.flange);
        EXPECT_TRUE(page.errors.empty());
        EXPECT_EQ(page.Text("TANP"), L(c.layers));
        EXPECT_EQ(page.Text("RAPIMPAC"), L(c.fill));
        if (*c.fill) {
            EXPECT_EQ(page.Text("TACA"), L(c.inner));
            EXPECT_EQ(page.LookOf("RAPIMPAC").background, c.red ? kRed : kResultTint);
        } else {
            EXPECT_EQ(page.Text("TACA"), "?");
            EXPECT_EQ(page.Text("TACC"), "?");
            EXPECT_EQ(page.Text("TACX"), "?");
        }
    }
}

TEST_P(MainsDesign, IronLossUnreadable) {
    FakePage page = MainsPage(locale());
    page.texts["PEFE"] = "";
    SBTACALCClick(page, Secondaries({{"12", "2"}}, locale()));
    EXPECT_TRUE(page.errors.empty());
    // Copper only: 1.823 + 1.457 W over 0.02162 x 784.
    ExpectFields(page, {{"TAPESOFERRO", "1,03"},
                        {"TAPERFERRO", "???"},
                        {"TAPERP", "1,5"},
                        {"TAPERS", "1,8"},
                        {"TAPERTOT", "3,3"},
                        {"TADT", "19,4"}});
}

TEST_P(MainsDesign, NoValidSecondary) {
    const std::vector<SecondaryTable> tables = {
        SecondaryTable{},
        Secondaries({{"12", ""}, {"", "2"}}, locale()),
        Secondaries({{"12", "-2"}, {"5", "1"}}, locale()),
        Secondaries({{"12", "0"}}, locale()),
    };
    for (const auto& table : tables) {
        FakePage page = MainsPage(locale());
        page.texts["TAPMAX"] = "old";
        page.cells["SGTAOUTSEC[0,1]"] = "old";
        SBTACALCClick(page, table);
        EXPECT_EQ(page.ErrorTexts(),
                  std::vector<std::string>{"Campo errato o nullo : Nessun secondario valido"});
        EXPECT_EQ(page.errors.front().first, "Error");
        EXPECT_EQ(OutCell(page, 0, 1), "");
        EXPECT_EQ(page.Text("TAPMAX"), "old");
        EXPECT_TRUE(page.writes.empty());
    }
}

// A failure past the check of the secondaries: one box naming the input that made it (the
// induction for its unreadable text and for a value far beyond any transformer), the fields
// of the completed steps keep their new texts, the rest keep the old.
TEST_P(MainsDesign, FailuresNameTheirInput) {
    const struct {
        const char* what;
        const char* field;
        const char* text;
        std::vector<std::pair<std::string_view, std::string_view>> rows;
        std::string lastWritten; // the last field written; "" when only the grid changed
        std::array<std::string, 8> row1;
        const char* box;
    } cases[] = {
        {"unreadable induction", "CBTAINDUZ", "1;1", {{"12", "2"}}, "", kNoRow, "Induzione nucleo"},
        {"zero induction", "CBTAINDUZ", "0", {{"12", "2"}}, "TARESA", kNoRow, "Induzione nucleo"},
        {"zero frequency", "TAFREQ", "0", {{"12", "2"}}, "TARESA", kNoRow, "Frequenza"},
        {"negative frequency", "TAFREQ", "-50", {{"12", "2"}}, "TARESA", kNoRow, "Frequenza"},
        {"zero density", "TADENS", "0", {{"12", "2"}}, "TARESA", kNoRow, "Densità di corrente"},
        {"zero efficiency", "TARESA", "0", {{"12", "2"}}, "", kNoRow, "Rendimento"},
        {"negative efficiency", "TARESA", "-0,85", {{"12", "2"}}, "", kNoRow, "Rendimento"},
        {"zero primary voltage", "TAVP", "0", {{"12", "2"}}, "TANSP", kNoRow, "Tensione primario"},
        {"turns beyond 32 bits", "TAVP", "1e12", {{"12", "2"}}, "TACX", kNoRow, "Induzione nucleo"},
        {"lamination beyond 32 bits",
         "TAVP",
         "230",
         {{"1e300", "1"}},
         "TARESA",
         kNoRow,
         "Induzione nucleo"},
        {"zero current",
         "TAVP",
         "230",
         {{"12", "0"}, {"12", "2"}},
         "TAPESO",
         {"12,0", "0,000", "  69", "0,00", "0,0", "12,9", "  0", ""},
         "Corrente secondario"},
        {"negative current",
         "TAVP",
         "230",
         {{"5", "-1"}, {"12", "2"}},
         "TAPESO",
         {" 5,0", "-1,000", "  34", "", "", "", "", ""},
         "Corrente secondario"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakePage page = MainsPage(locale());
        page.texts[c.field] = L(c.text);
        for (const char* name : {"TAPMAX", "TANSP", "TAPESO", "TAPERS", "TADT"})
            page.texts[name] = "old";
        page.writes.clear();
        SBTACALCClick(page, Secondaries(c.rows, locale()));
        EXPECT_EQ(page.ErrorTexts(),
                  std::vector<std::string>{std::string("Campo errato o nullo : ") + c.box});
        EXPECT_EQ(page.Text("TADT"), "old");
        if (c.lastWritten.empty())
            EXPECT_TRUE(page.writes.empty());
        else
            EXPECT_EQ(page.writes.back(), c.lastWritten);
        ExpectRow(page, 1, c.row1);
    }
}

// The list items are written with the regional separator; the other one does not read.
TEST_P(MainsDesign, InductionWithTheOtherSeparator) {
    FakePage page = MainsPage(locale());
    page.texts["CBTAINDUZ"] = locale().decimal == "," ? "1.1" : "1,1";
    SBTACALCClick(page, Secondaries({{"12", "2"}}, locale()));
    EXPECT_EQ(page.ErrorTexts(),
              std::vector<std::string>{"Campo errato o nullo : Induzione nucleo"});
    EXPECT_EQ(page.Text("TARESA"), "");
}

// 4,40 turns per volt x 5 V is 22 turns although the double product is 22.000000000000004;
// the primary draws P / (eta VP) = 29 / (0,85 x 230) = 0,148 A.
TEST_P(MainsDesign, WholeTurnsStayWholeAndThePrimaryCountsTheEfficiency) {
    FakePage page = MainsPage(locale());
    SBTACALCClick(page, Secondaries({{"12", "2"}, {"5", "1"}}, locale()));
    EXPECT_TRUE(page.errors.empty());
    ExpectFields(page, {{"TARESA", "0,85"}, {"TASVS", "4,40"}, {"TAIP", "0,148"}});
    EXPECT_EQ(OutCell(page, 2, 1), "  53"); // 52.8: a real fraction still goes up
    EXPECT_EQ(OutCell(page, 2, 2), "  22");

    // An efficiency of 1 draws P / VP, as without losses.
    page.SetText("TARESA", "1");
    SBTACALCClick(page, Secondaries({{"12", "2"}, {"5", "1"}}, locale()));
    EXPECT_EQ(page.Text("TAIP"), L("0,126"));
}

// Above 65 °C of rise (class A insulation at 40 °C ambient) TADT takes the page's alarm look;
// at or below it the pink of its tint.
TEST_P(MainsDesign, TemperatureRiseAlarm) {
    const struct {
        const char* volts;
        const char* amps;
        const char* rise;
        bool alarm;
    } cases[] = {{"100", "20", "", true}, {"12", "2", "31,2", false}};
    for (const auto& c : cases) {
        FakePage page = MainsPage(locale());
        page.looks["TADT"] = {kRed, kWhite, true, true, true}; // from an earlier run
        SBTACALCClick(page, Secondaries({{c.volts, c.amps}}, locale()));
        SCOPED_TRACE(c.volts);
        EXPECT_TRUE(page.errors.empty());
        if (*c.rise) {
            EXPECT_EQ(page.Text("TADT"), L(c.rise));
        }
        EXPECT_EQ(ReadNumber(page.Text("TADT"), locale()).value() > 65, c.alarm);
        const FieldLookState look = page.LookOf("TADT");
        EXPECT_EQ(look.background, c.alarm ? kRed : Colour::Rgb(255, 176, 176));
        EXPECT_EQ(look.text, c.alarm ? kWhite : kSystemWindowText);
    }
}

TEST(MainsDesignSpin, UnreadableSpinReachesTheWindow) {
    FakePage page = MainsPage(CommaLocale());
    page.texts["TAFREQ"] = "5o";
    page.cells["SGTAOUTSEC[0,1]"] = "old";
    EXPECT_THROW(SBTACALCClick(page, Secondaries({{"12", "2"}}, CommaLocale())), ConversionError);
    EXPECT_TRUE(page.errors.empty());
    EXPECT_EQ(OutCell(page, 0, 1), ""); // the grid was already cleared
}

TEST(MainsLamination, FirstStandardWidthNotBelowTheMinimum) {
    const struct {
        double minimum;
        double width;
        bool standard;
    } cases[] = {{0, 14, true},         {14, 14, true},
                 {14.000001, 16, true}, {27.24, 28, true},
                 {28, 28, true},        {64.5, 80, true},
                 {80, 80, true},        {80.0001, 81, false},
                 {80.47, 81, false},    {2147483647, 2147483647, false}};
    for (const auto& c : cases) {
        const LaminationChoice choice = ChooseLamination(c.minimum);
        EXPECT_EQ(choice.width, c.width) << c.minimum;
        EXPECT_EQ(choice.standard, c.standard) << c.minimum;
    }
    EXPECT_THROW(ChooseLamination(2147483647.5), Overflow);
}

TEST(MainsLamination, DefaultEfficiencyBoundaries) {
    const std::pair<double, double> cases[] = {{0.5, 0.82},   {20, 0.82},   {20.1, 0.85},
                                               {50, 0.85},    {50.1, 0.89}, {150, 0.89},
                                               {150.1, 0.91}, {300, 0.91},  {300.1, 0.93}};
    for (const auto& [power, efficiency] : cases)
        EXPECT_EQ(DefaultEfficiency(power), efficiency) << power;
}

} // namespace
} // namespace velkor::testing
