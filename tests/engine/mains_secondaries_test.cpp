#include "mains_secondaries.h"

#include "mains_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velkor::testing {
namespace {

class MainsSecondaries : public ::testing::TestWithParam<NumberLocale> {
protected:
    const NumberLocale& locale() const { return GetParam(); }
    std::string L(std::string_view text) const { return Local(text, locale()); }

    // Types a text into a cell one character at a time, as the grid's editor reports it.
    void Type(FakePage& page, SecondaryTable& table, int column, int row,
              std::string_view text) const {
        const std::string local = L(text);
        for (std::size_t n = 0; n <= local.size(); ++n)
            SGTAINSECSetEditText(page, table, column, row, local.substr(0, n));
    }
    std::vector<std::string> PowerColumn(const FakePage& page) const {
        std::vector<std::string> out;
        for (int row = 1; row <= 6; ++row)
            out.push_back(page.Cell("SGTAINSEC", 2, row));
        return out;
    }
    std::vector<std::string> Ls(std::vector<std::string> texts) const {
        for (auto& t : texts)
            t = L(t);
        return texts;
    }
};

INSTANTIATE_TEST_SUITE_P(Settings, MainsSecondaries,
                         ::testing::Values(CommaLocale(), PointLocale()), [](const auto& info) {
                             return info.param.decimal == "," ? std::string("Comma")
                                                              : std::string("Point");
                         });

TEST_P(MainsSecondaries, PowerFollowsTheTyping) {
    FakePage page = MainsPage(locale());
    SecondaryTable table;
    Type(page, table, 0, 1, "12");
    EXPECT_EQ(table.At(0, 1), "12");
    EXPECT_EQ(PowerColumn(page), Ls({"?", "?", "?", "?", "?", "?"}));
    EXPECT_EQ(page.Text("TAPTOT"), L(" 0,0"));

    SGTAINSECSetEditText(page, table, 1, 1, "2");
    EXPECT_EQ(PowerColumn(page), Ls({"24,0", "?", "?", "?", "?", "?"}));
    EXPECT_EQ(page.Text("TAPTOT"), L("24,0"));

    Type(page, table, 0, 2, "24");
    Type(page, table, 1, 2, "5");
    EXPECT_EQ(PowerColumn(page), Ls({"24,0", "120,0", "?", "?", "?", "?"}));
    EXPECT_EQ(page.Text("TAPTOT"), L("144,0"));

    // Deleting a character is a new text too.
    SGTAINSECSetEditText(page, table, 0, 2, "2");
    EXPECT_EQ(PowerColumn(page), Ls({"24,0", "10,0", "?", "?", "?", "?"}));
    EXPECT_EQ(page.Text("TAPTOT"), L("34,0"));
    EXPECT_TRUE(page.errors.empty());
}

TEST_P(MainsSecondaries, CellTexts) {
    const struct {
        const char* volts;
        const char* amps;
        std::string power; // comma-setting text of the power cell
    } cases[] = {
        {"12", "2,5", "30,0"},  {"12", "", "?"},        {"", "2", "?"},
        {"-1", "-6", "6,0"},    {"12", "abc", "?"},     {"  12 ", "2", "24,0"},
        {"0,5", "0,25", "0,1"}, {"1e3", "2", "2000,0"}, {"12", "-2", "-24,0"},
    };
    for (const auto& c : cases) {
        FakePage page = MainsPage(locale());
        SecondaryTable table;
        SGTAINSECSetEditText(page, table, 0, 3, L(c.volts));
        SGTAINSECSetEditText(page, table, 1, 3, L(c.amps));
        EXPECT_EQ(page.Cell("SGTAINSEC", 2, 3), L(c.power)) << c.volts << " x " << c.amps;
    }
}

TEST_P(MainsSecondaries, OtherDecimalSeparatorDoesNotConvert) {
    FakePage page = MainsPage(locale());
    SecondaryTable table;
    SGTAINSECSetEditText(page, table, 0, 1, "12");
    SGTAINSECSetEditText(page, table, 1, 1, locale().decimal == "," ? "2.5" : "2,5");
    SGTAINSECSetEditText(page, table, 0, 2, "10");
    SGTAINSECSetEditText(page, table, 1, 2, "1");
    EXPECT_EQ(PowerColumn(page), Ls({"?", "10,0", "?", "?", "?", "?"}));
    EXPECT_EQ(page.Text("TAPTOT"), L("10,0"));
}

TEST_P(MainsSecondaries, PowerColumnAndStrayCellsAreNotStored) {
    FakePage page = MainsPage(locale());
    SecondaryTable table;
    page.texts["TAPTOT"] = "before";
    const std::pair<int, int> ignored[] = {{2, 1}, {0, 0}, {1, 0},  {-1, 1},
                                           {3, 1}, {0, 7}, {1, -1}, {0, 100}};
    for (const auto& [column, row] : ignored)
        SGTAINSECSetEditText(page, table, column, row, "99");
    EXPECT_EQ(table.texts, SecondaryTable{}.texts);
    EXPECT_EQ(page.Text("TAPTOT"), "before");
    EXPECT_TRUE(page.cells.empty());

    // A value typed into the power column is overwritten at the next edit.
    page.SetCell("SGTAINSEC", 2, 1, "99");
    SGTAINSECSetEditText(page, table, 0, 1, "12");
    EXPECT_EQ(page.Cell("SGTAINSEC", 2, 1), "?");
}

TEST_P(MainsSecondaries, TheTableFeedsTheDesign) {
    FakePage page = MainsPage(locale());
    SecondaryTable table;
    Type(page, table, 0, 1, "12");
    Type(page, table, 1, 1, "2");
    SBTACALCClick(page, table);
    EXPECT_TRUE(page.errors.empty());
    EXPECT_EQ(page.Text("TADT"), L("31,2"));
    EXPECT_EQ(page.Cell("SGTAOUTSEC", 2, 1), "  69");
}

TEST_P(MainsSecondaries, PowerFromTheGrossSection) {
    const struct {
        const char* section;
        const char* power; // "" for the error box
    } cases[] = {{"784", "43,9"}, {"6561", "3074,8"}, {"0", " 0,0"},     {"100", " 0,7"},
                 {"", ""},        {"abc", ""},        {"7,84e2", "43,9"}};
    for (const auto& c : cases) {
        FakePage page = MainsPage(locale());
        page.texts["TASEZL"] = L(c.section);
        page.texts["TAPTOT"] = "before";
        SBTACPTOTClick(page);
        if (*c.power) {
            EXPECT_TRUE(page.errors.empty()) << c.section;
            EXPECT_EQ(page.Text("TAPTOT"), L(c.power)) << c.section;
        } else {
            EXPECT_EQ(page.ErrorTexts(),
                      std::vector<std::string>{"Campo errato o nullo : Sezione lorda AN"});
            EXPECT_EQ(page.errors.front().first, "Error");
            EXPECT_EQ(page.Text("TAPTOT"), "before");
        }
    }
}

TEST_P(MainsSecondaries, GrossSectionAfterADesign) {
    FakePage page = MainsPage(locale());
    SBTACALCClick(page, Secondaries({{"12", "2"}}, locale()));
    SBTACPTOTClick(page);
    EXPECT_EQ(page.Text("TAPTOT"), L("43,9"));
}

TEST(MainsBobbin, PictureFollowsTheBobbinType) {
    FakePage page = MainsPage(CommaLocale());
    SBTACALCClick(page, Secondaries({{"12", "2"}}, CommaLocale()));
    const auto texts = page.texts;
    const auto cells = page.cells;

    page.checks["RBTASING"] = false;
    RBTASINGClick(page);
    EXPECT_FALSE(page.LookOf("TAIMG1").visible);
    EXPECT_TRUE(page.LookOf("TAIMG2").visible);
    EXPECT_EQ(page.texts, texts); // results change only at the next calculation
    EXPECT_EQ(page.cells, cells);

    page.checks["RBTASING"] = true;
    RBTASINGClick(page);
    EXPECT_TRUE(page.LookOf("TAIMG1").visible);
    EXPECT_FALSE(page.LookOf("TAIMG2").visible);
}

TEST(MainsBobbin, AutomaticDimensionsLockTheFields) {
    FakePage page = MainsPage(CommaLocale());
    page.texts["TACA"] = "30,5";
    for (bool automatic : {false, true, false}) {
        page.checks["CBAUTOCART"] = automatic;
        CBAUTOCARTClick(page);
        for (const char* name : {"TACA", "TACC", "TACX"}) {
            EXPECT_EQ(page.LookOf(name).readOnly, automatic) << name;
            EXPECT_EQ(page.LookOf(name).background, automatic ? kResultTint : kSystemWindow)
                << name;
        }
        EXPECT_EQ(page.Text("TACA"), "30,5");
    }
}

TEST(MainsBobbin, ClearEmptiesTheFieldsWhateverTheMode) {
    for (bool automatic : {true, false}) {
        FakePage page = MainsPage(CommaLocale());
        page.checks["CBAUTOCART"] = automatic;
        SBTACALCClick(page, Secondaries({{"12", "2"}}, CommaLocale()));
        SBCLEARCARTClick(page);
        for (const char* name : {"TACA", "TACC", "TACX"})
            EXPECT_EQ(page.Text(name), "") << name;

        // Typed mode reports the missing bobbin; automatic mode fills it again.
        SBTACALCClick(page, Secondaries({{"12", "2"}}, CommaLocale()));
        EXPECT_EQ(page.Text("TANP"), automatic ? "6,1" : "???");
        EXPECT_EQ(page.Text("TACC"), automatic ? "39,5" : "?");
        EXPECT_EQ(page.Cell("SGTAOUTSEC", 4, 1), automatic ? "1,4" : "?");
    }
}

} // namespace
} // namespace velkor::testing
