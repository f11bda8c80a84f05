#include "closed_core.h"

#include "inductor_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace velkor::testing {
namespace {

TEST(ClosedCore, InductanceTurnsAndAl) {
    const std::vector<CoilCase> cases = {
        {"turns of 1 mH at Al 2500",
         SBCNSNUCClick,
         PointLocale(),
         {{"INUC", "1"}, {"ALNUC", "2500"}},
         {{"CBUINUC", 1}},
         {{"NSNUC", "  20.0"}},
         {},
         {}},
        {"Al of 1 mH on 20 turns",
         SBCALNUCClick,
         PointLocale(),
         {{"INUC", "1"}, {"NSNUC", "20"}},
         {{"CBUINUC", 1}},
         {{"ALNUC", "2500.0"}},
         {},
         {}},
        {"inductance of 30 turns at Al 2500",
         SBCINUCClick,
         PointLocale(),
         {{"ALNUC", "2500"}, {"NSNUC", "30"}},
         {},
         {{"INUC", "2.250"}},
         {{"CBUINUC", 1}},
         {}},
        {"turns of 470 µH at Al 250",
         SBCNSNUCClick,
         PointLocale(),
         {{"INUC", "470"}, {"ALNUC", "250"}},
         {},
         {{"NSNUC", "  43.4"}},
         {},
         {}},
        {"turns under a comma",
         SBCNSNUCClick,
         CommaLocale(),
         {{"INUC", "470"}, {"ALNUC", "250"}},
         {},
         {{"NSNUC", "  43,4"}},
         {},
         {}},
        {"zero turns give 0 nH",
         SBCINUCClick,
         PointLocale(),
         {{"ALNUC", "2500"}, {"NSNUC", "0"}},
         {},
         {{"INUC", "0.000"}},
         {{"CBUINUC", 3}},
         {}},
        {"an empty inductance stops the turns",
         SBCNSNUCClick,
         PointLocale(),
         {{"INUC", ""}, {"ALNUC", ""}},
         {},
         {{"NSNUC", "old"}},
         {},
         {kBox + "Induttanza"}},
        {"an empty inductance stops Al",
         SBCALNUCClick,
         PointLocale(),
         {{"INUC", ""}, {"NSNUC", ""}},
         {},
         {{"ALNUC", "old"}},
         {},
         {kBox + "Induttanza"}},
        {"an empty Al",
         SBCNSNUCClick,
         PointLocale(),
         {{"INUC", "1"}, {"ALNUC", ""}},
         {},
         {{"NSNUC", "old"}},
         {},
         {kBox + "Coeff. Al"}},
        {"a zero Al",
         SBCNSNUCClick,
         PointLocale(),
         {{"INUC", "1"}, {"ALNUC", "0"}},
         {},
         {{"NSNUC", "old"}},
         {},
         {kBox + "Coeff. Al"}},
        {"a negative L / Al",
         SBCNSNUCClick,
         PointLocale(),
         {{"INUC", "1"}, {"ALNUC", "-250"}},
         {},
         {{"NSNUC", "old"}},
         {},
         {kBox + "Coeff. Al"}},
        {"a negative inductance under the root is named",
         SBCNSNUCClick,
         PointLocale(),
         {{"INUC", "-0.5"}, {"ALNUC", "250"}},
         {},
         {{"NSNUC", "old"}},
         {},
         {kBox + "Induttanza"}},
        {"zero turns for Al",
         SBCALNUCClick,
         PointLocale(),
         {{"INUC", "1"}, {"NSNUC", "0"}},
         {},
         {{"ALNUC", "old"}},
         {},
         {kBox + "Numero spire"}},
        {"the inductance reads Al first",
         SBCINUCClick,
         PointLocale(),
         {{"ALNUC", ""}, {"NSNUC", ""}},
         {},
         {{"INUC", "old"}},
         {},
         {kBox + "Coeff. Al"}},
        {"then the turns",
         SBCINUCClick,
         PointLocale(),
         {{"ALNUC", "1"}, {"NSNUC", "2,0"}},
         {},
         {{"INUC", "old"}},
         {},
         {kBox + "Numero spire"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakePage page = InductorPage(c.locale);
        Fill(page, {{"INUC", "old"}, {"NSNUC", "old"}, {"ALNUC", "old"}});
        Fill(page, c.inputs, c.positions);
        c.click(page);
        EXPECT_EQ(page.ErrorTexts(), c.boxes);
        EXPECT_TRUE(Shows(page, c.shown, c.selected));
    }
}

// The worked bobbin: 0.5 mm wire, 100 turns, A 10, B 10, C 20, a square flange of 20 by 20.
FakePage BobbinPage(bool square, NumberLocale locale = PointLocale()) {
    FakePage page = InductorPage(std::move(locale));
    page.checks["RBC1NUC"] = square;
    page.checks["RBC2NUC"] = !square;
    Fill(page, {{"EDDIAM", "0.5"},
                {"NSNUC", "100"},
                {"D1NUC", "10"},
                {"D2NUC", "10"},
                {"D3NUC", "20"},
                {"D4NUC", "20"},
                {"D5NUC", "20"},
                {"NPNUC", "old"},
                {"LFNUC", "old"},
                {"RRNUC", "old"},
                {"PESONUC", "old"}});
    return page;
}

const FieldLookState kNormal{};
const FieldLookState kAlarm{kRed, kWhite, true};

bool operator==(const FieldLookState& a, const FieldLookState& b) {
    return a.background == b.background && a.text == b.text && a.bold == b.bold &&
           a.visible == b.visible;
}

// Marks the three dimension fields with a look that no calculation sets, to see which the
// click touches.
const FieldLookState kUntouched{kWhite, kRed, true};
void MarkDimensions(FakePage& page) {
    for (const char* name : {"D2NUC", "D4NUC", "D5NUC"})
        page.looks[name] = kUntouched;
}

struct Bobbin {
    const char* what;
    bool square;
    NumberLocale locale;
    Texts inputs;
    Texts shown;
    FieldLookState d2, d4, d5;
    std::vector<std::string> boxes;
};

TEST(ClosedCore, FurtherParameters) {
    const Texts squareResults = {
        {"NPNUC", "2.5"}, {"LFNUC", "4.60"}, {"RRNUC", "0.415"}, {"PESONUC", "8.3"}};
    const Texts untouched = {
        {"NPNUC", "old"}, {"LFNUC", "old"}, {"RRNUC", "old"}, {"PESONUC", "old"}};
    const std::vector<Bobbin> cases = {
        {"square, fits", true, PointLocale(), {}, squareResults, kUntouched, kNormal, kNormal, {}},
        {"square under a comma",
         true,
         CommaLocale(),
         {{"EDDIAM", "0,5"}},
         {{"NPNUC", "2,5"}, {"LFNUC", "4,60"}, {"RRNUC", "0,415"}, {"PESONUC", "8,3"}},
         kUntouched,
         kNormal,
         kNormal,
         {}},
        {"square, X 12 overflows",
         true,
         PointLocale(),
         {{"D4NUC", "12"}},
         squareResults,
         kUntouched,
         kAlarm,
         kAlarm,
         {}},
        {"square, X 13 is exactly filled",
         true,
         PointLocale(),
         {{"D4NUC", "13"}},
         squareResults,
         kUntouched,
         kNormal,
         kNormal,
         {}},
        {"square, Y 12.9 overflows",
         true,
         PointLocale(),
         {{"D5NUC", "12.9"}},
         squareResults,
         kUntouched,
         kAlarm,
         kAlarm,
         {}},
        {"square, 80 turns make two whole layers",
         true,
         PointLocale(),
         {{"NSNUC", "80"}},
         {{"NPNUC", "2.0"}, {"LFNUC", "3.52"}},
         kUntouched,
         kNormal,
         kNormal,
         {}},
        {"round, B 12 overflows",
         false,
         PointLocale(),
         {{"D2NUC", "12"}},
         {{"NPNUC", "2.5"}, {"LFNUC", "3.61"}, {"RRNUC", "0.326"}, {"PESONUC", "6.5"}},
         kAlarm,
         kUntouched,
         kUntouched,
         {}},
        {"round, B 13 is exactly filled",
         false,
         PointLocale(),
         {{"D2NUC", "13"}},
         {},
         kNormal,
         kUntouched,
         kUntouched,
         {}},
        {"round, 80 turns make two whole layers",
         false,
         PointLocale(),
         {{"NSNUC", "80"}, {"D2NUC", "12"}},
         {{"NPNUC", "2.0"}},
         kNormal,
         kUntouched,
         kUntouched,
         {}},
        {"an empty wire stops everything",
         true,
         PointLocale(),
         {{"EDDIAM", ""}},
         untouched,
         kUntouched,
         kUntouched,
         kUntouched,
         {kBox + "Diametro filo"}},
        {"turns are read second",
         true,
         PointLocale(),
         {{"NSNUC", ""}, {"D1NUC", ""}},
         untouched,
         kUntouched,
         kUntouched,
         kUntouched,
         {kBox + "Numero spire"}},
        {"then A",
         true,
         PointLocale(),
         {{"D1NUC", "a"}, {"D2NUC", ""}},
         untouched,
         kUntouched,
         kUntouched,
         kUntouched,
         {kBox + "Dim  A cartoccio"}},
        {"then B",
         false,
         PointLocale(),
         {{"D2NUC", ""}, {"D3NUC", ""}},
         untouched,
         kUntouched,
         kUntouched,
         kUntouched,
         {kBox + "Dim  B cartoccio"}},
        {"then C",
         false,
         PointLocale(),
         {{"D3NUC", ""}},
         untouched,
         kUntouched,
         kUntouched,
         kUntouched,
         {kBox + "Dim  C cartoccio"}},
        {"a zero C divides",
         true,
         PointLocale(),
         {{"D3NUC", "0"}},
         untouched,
         kUntouched,
         kUntouched,
         kUntouched,
         {kBox + "Dim  C cartoccio"}},
        {"a zero wire: layers and length, then the resistance divides",
         true,
         PointLocale(),
         {{"EDDIAM", "0"}},
         {{"NPNUC", "0.0"}, {"LFNUC", "4.00"}, {"RRNUC", "old"}, {"PESONUC", "old"}},
         kUntouched,
         kUntouched,
         kUntouched,
         {kBox + "Dim  C cartoccio"}},
        {"an unreadable X after the four results",
         true,
         PointLocale(),
         {{"D4NUC", ""}, {"D5NUC", ""}},
         squareResults,
         kUntouched,
         kUntouched,
         kUntouched,
         {kBox + "Dim  X cartoccio"}},
        {"an unreadable Y after the four results",
         true,
         PointLocale(),
         {{"D5NUC", "y"}},
         squareResults,
         kUntouched,
         kUntouched,
         kUntouched,
         {kBox + "Dim  Y cartoccio"}},
        {"a round bobbin reads no X or Y",
         false,
         PointLocale(),
         {{"D2NUC", "14"}, {"D4NUC", ""}, {"D5NUC", ""}},
         {{"PESONUC", "6.5"}},
         kNormal,
         kUntouched,
         kUntouched,
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakePage page = BobbinPage(c.square, c.locale);
        Fill(page, c.inputs);
        MarkDimensions(page);
        SBALTRONUCClick(page);
        EXPECT_EQ(page.ErrorTexts(), c.boxes);
        EXPECT_TRUE(Shows(page, c.shown));
        EXPECT_TRUE(page.LookOf("D2NUC") == c.d2);
        EXPECT_TRUE(page.LookOf("D4NUC") == c.d4);
        EXPECT_TRUE(page.LookOf("D5NUC") == c.d5);
    }
}

// The alarm of B in the round mode stays through square calculations, until a round one fits.
TEST(ClosedCore, RoundAlarmIsSticky) {
    FakePage page = BobbinPage(false);
    Fill(page, {{"D2NUC", "12"}});
    SBALTRONUCClick(page);
    ASSERT_TRUE(page.LookOf("D2NUC") == kAlarm);

    page.checks["RBC1NUC"] = true;
    page.checks["RBC2NUC"] = false;
    RBC2NUCClick(page);
    SBALTRONUCClick(page);
    EXPECT_TRUE(page.LookOf("D2NUC") == kAlarm);
    EXPECT_TRUE(page.LookOf("D4NUC") == kNormal);

    page.checks["RBC1NUC"] = false;
    page.checks["RBC2NUC"] = true;
    RBC2NUCClick(page);
    Fill(page, {{"D2NUC", "14"}});
    SBALTRONUCClick(page);
    EXPECT_TRUE(page.LookOf("D2NUC") == kNormal);
    EXPECT_TRUE(page.errors.empty());
}

TEST(ClosedCore, BobbinShapeShowsItsControls) {
    const std::vector<std::string> xy = {"LabelD4NUC", "LabelD5NUC", "UnitD4NUC",
                                         "UnitD5NUC",  "D4NUC",      "D5NUC"};
    for (const bool square : {false, true}) {
        SCOPED_TRACE(square ? "square" : "round");
        FakePage page = BobbinPage(!square);
        page.checks["RBC1NUC"] = square;
        Fill(page, {{"D4NUC", "12"}});
        const Texts texts = page.texts;
        RBC2NUCClick(page);
        EXPECT_EQ(page.LookOf("IMG1").visible, square);
        EXPECT_EQ(page.LookOf("IMG2").visible, !square);
        for (const auto& name : xy)
            EXPECT_EQ(page.LookOf(name).visible, square) << name;
        EXPECT_EQ(page.texts, texts);
    }
}

} // namespace
} // namespace velkor::testing
