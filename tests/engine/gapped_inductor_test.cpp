#include "gapped_inductor.h"

#include "fake_page.h"
#include "gap.h"
#include "locale_text.h"
#include "parts_library.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace velkor::testing {
namespace {

// The library shipped in resources/library, read once for every test.
const library::PartsLibrary& ShippedLibrary() {
    static const library::PartsLibrary parts =
        library::PartsLibrary::Load(VELKOR_SOURCE_DIR "/resources/library");
    return parts;
}

// The sub-page with its defaults, over the shipped library (or none).
class GappedPage : public FakePage {
public:
    explicit GappedPage(NumberLocale locale, const library::PartsLibrary* parts = &ShippedLibrary())
        : FakePage(std::move(locale)), parts_(parts) {
        texts = {{"LGAP", "100"},  {"IPKGAP", "5"},    {"IRMSGAP", Localised("4#5", Locale())},
                 {"DIGAP", "1"},   {"FGAP", "100000"}, {"BMGAP", "300"},
                 {"JGAP", "4"},    {"TAMBGAP", "40"},  {"COREGAP", "ETD 29/16/10"},
                 {"MATGAP", "N87"}};
    }
    const library::PartsLibrary* Library() const override { return parts_; }

private:
    const library::PartsLibrary* parts_;
};

const std::vector<std::string> kResults = {"NGAP",   "TRAFGAP", "FRINGGAP", "ALGAP",
                                           "BPKGAP", "DBGAP",   "FILOGAP",  "RIEMPGAP",
                                           "RDCGAP", "PNUCGAP", "PRAMEGAP", "TGAP"};

using Texts = std::map<std::string, std::string>;

struct WorkedRow {
    const char* what;
    Texts inputs;   // '#' is the decimal separator
    Texts expected; // '#' is the decimal separator
};

const WorkedRow kWorked[] = {
    {"the defaults",
     {},
     {{"NGAP", "  22"},
      {"TRAFGAP", "0#565"},
      {"FRINGGAP", "1#281"},
      {"ALGAP", "  207"},
      {"BPKGAP", " 297"},
      {"DBGAP", "  59"},
      {"FILOGAP", "9 × 0#40 (AWG 26)"},
      {"RIEMPGAP", "0#17"},
      {"RDCGAP", " 19#7"},
      {"PNUCGAP", "0#02"},
      {"PRAMEGAP", "0#42"},
      {"TGAP", " 49"}}},
    {"E 25/13/7",
     {{"COREGAP", "E 25/13/7"}},
     {{"NGAP", "  33"},
      {"TRAFGAP", "1#049"},
      {"FRINGGAP", "1#514"},
      {"ALGAP", "   92"},
      {"BPKGAP", " 292"},
      {"DBGAP", "  58"},
      {"FILOGAP", "9 × 0#40 (AWG 26)"},
      {"RIEMPGAP", "0#39"},
      {"RDCGAP", " 28#3"},
      {"PNUCGAP", "0#01"},
      {"PRAMEGAP", "0#65"},
      {"TGAP", " 59"}}},
    {"470 µH in 3C90 at 50 kHz",
     {{"LGAP", "470"},
      {"IPKGAP", "2"},
      {"IRMSGAP", "1#8"},
      {"DIGAP", "0#5"},
      {"FGAP", "50000"},
      {"BMGAP", "250"},
      {"MATGAP", "3C90"}},
     {{"NGAP", "  50"},
      {"TRAFGAP", "0#639"},
      {"FRINGGAP", "1#309"},
      {"ALGAP", "  188"},
      {"BPKGAP", " 246"},
      {"DBGAP", "  61"},
      {"FILOGAP", "2 × 0#56 (AWG 23)"},
      {"RIEMPGAP", "0#17"},
      {"RDCGAP", "102#4"},
      {"PNUCGAP", "0#01"},
      {"PRAMEGAP", "0#35"},
      {"TGAP", " 48"}}},
};

const NamedLocale kLocales[] = {{"comma", CommaLocale()}, {"point", PointLocale()}};

void FillLocalised(GappedPage& page, const Texts& inputs) {
    for (const auto& [name, text] : inputs)
        page.texts[name] = Localised(text, page.Locale());
}

TEST(GappedInductor, WorkedRowsUnderBothSeparators) {
    for (const NamedLocale& locale : kLocales) {
        for (const WorkedRow& row : kWorked) {
            SCOPED_TRACE(std::string(row.what) + ", " + locale.name);
            GappedPage page(locale.locale);
            FillLocalised(page, row.inputs);
            SBCALCGAPClick(page);
            EXPECT_TRUE(page.errors.empty());
            for (const auto& [name, text] : row.expected)
                EXPECT_EQ(page.Text(name), Localised(text, locale.locale)) << name;
            for (const char* name : {"BPKGAP", "RIEMPGAP", "TGAP"})
                EXPECT_EQ(page.LookOf(name).background, kResultTint) << name;
        }
    }
}

// A gap much thinner than the post's width barely fringes: F → 1 and the gap meets the plain
// formula lg = µ0·N²·Ae/L − le/µi; and the gap found always gives back L with its F.
TEST(GappedInductor, TinyGapMeetsThePlainFormula) {
    const library::PartsLibrary& parts = ShippedLibrary();
    const library::CoreShape* shape = parts.FindShape("ETD 29/16/10");
    const library::Material* material = parts.FindMaterial("N87");
    ASSERT_TRUE(shape && material);
    const double mu0 = 4e-7 * M_PI;       // H/m
    const double area = shape->ae * 1e-6; // m²
    const double path = shape->le * 1e-3; // m
    const double turns = 22;
    const double ungapped = mu0 * turns * turns * area * material->muI / path; // H
    for (double share : {0.999, 0.99, 0.5}) {
        SCOPED_TRACE(share);
        const double henry = share * ungapped;
        const auto gap =
            library::GapFor(henry, turns, area, path, material->muI, shape->windowHeight * 1e-3);
        ASSERT_TRUE(gap);
        const double plain = mu0 * turns * turns * area / henry - path / material->muI; // m
        const double back =
            mu0 * turns * turns * area * gap->fringing / (gap->length + path / material->muI);
        EXPECT_NEAR(back / henry, 1.0, 1e-9);
        EXPECT_GE(gap->fringing, 1.0);
        if (share > 0.99) {
            EXPECT_LT(gap->fringing - 1, 1e-4);
            EXPECT_NEAR(gap->length, plain, 1e-4 * mu0 * turns * turns * area / henry);
        }
    }
    // More turns than the ungapped core needs: no gap at all.
    EXPECT_FALSE(library::GapFor(1.01 * ungapped, turns, area, path, material->muI,
                                 shape->windowHeight * 1e-3));
}

TEST(GappedInductor, NoGapNeededShowsQuestionMarks) {
    GappedPage page(PointLocale());
    // 5 mH at 0.1 A: 22 turns for 300 mT would need more than the ungapped core gives.
    FillLocalised(page,
                  {{"LGAP", "5000"}, {"IPKGAP", "0#1"}, {"IRMSGAP", "0#1"}, {"DIGAP", "0#1"}});
    SBCALCGAPClick(page);
    EXPECT_TRUE(page.errors.empty());
    EXPECT_EQ(page.Text("TRAFGAP"), "?");
    EXPECT_EQ(page.Text("FRINGGAP"), "?");
    EXPECT_NE(page.Text("TGAP"), "?");
}

// Each refusal shows its box and writes nothing.
TEST(GappedInductor, RefusalsNameTheField) {
    struct Case {
        const char* what;
        Texts inputs;
        const char* box;
        bool withLibrary = true;
    };
    const Case cases[] = {
        {"unknown core", {{"COREGAP", "ETD 99"}}, "Core"},
        {"empty core", {{"COREGAP", ""}}, "Core"},
        {"a toroid", {{"COREGAP", "T 25/15/10"}}, "Core"},
        {"unknown material", {{"MATGAP", "N999"}}, "Materiale"},
        {"no library", {}, "Core", false},
        {"zero L", {{"LGAP", "0"}}, "L"},
        {"negative L", {{"LGAP", "-100"}}, "L"},
        {"zero peak current", {{"IPKGAP", "0"}}, "I picco"},
        {"zero rms current", {{"IRMSGAP", "0"}}, "I efficace"},
        {"negative ripple", {{"DIGAP", "-1"}}, "Ondulazione ΔI"},
        {"rms current below the ripple's", {{"IRMSGAP", "0#2"}}, "I efficace"},
        {"zero frequency", {{"FGAP", "0"}}, "Frequenza"},
        {"zero flux density", {{"BMGAP", "0"}}, "B max"},
        {"zero current density", {{"JGAP", "0"}}, "Densità di corrente"},
    };
    for (const NamedLocale& locale : kLocales) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + ", " + locale.name);
            GappedPage page(locale.locale, c.withLibrary ? &ShippedLibrary() : nullptr);
            FillLocalised(page, c.inputs);
            SBCALCGAPClick(page);
            EXPECT_EQ(page.ErrorTexts(),
                      std::vector<std::string>{"Campo errato o nullo : " + std::string(c.box)});
            EXPECT_TRUE(page.writes.empty());
            EXPECT_TRUE(page.looks.empty());
        }
    }
}

TEST(GappedInductor, NamesMatchAsThePickersDo) {
    GappedPage page(CommaLocale());
    FillLocalised(page, {{"COREGAP", "etd29"}, {"MATGAP", "n87"}});
    SBCALCGAPClick(page);
    EXPECT_TRUE(page.errors.empty());
    EXPECT_EQ(page.Text("NGAP"), "  22");
}

TEST(GappedInductor, ZeroRippleLeavesNoCoreLoss) {
    GappedPage page(CommaLocale());
    FillLocalised(page, {{"DIGAP", "0"}});
    SBCALCGAPClick(page);
    EXPECT_TRUE(page.errors.empty());
    EXPECT_EQ(page.Text("DBGAP"), "   0");
    EXPECT_EQ(page.Text("PNUCGAP"), "0,00");
    EXPECT_NE(page.Text("TGAP"), "?");
}

// Each check's alarm look comes on with its failing case and goes off again with the defaults.
TEST(GappedInductor, AlarmLooksOnAndOff) {
    struct Case {
        const char* field;
        Texts inputs;
    };
    const Case cases[] = {
        {"BPKGAP", {{"BMGAP", "450"}}}, // B̂ 435 mT
        {"RIEMPGAP", {{"JGAP", "1"}}},  // four times the copper
        {"TGAP", {{"COREGAP", "E 25/13/7"}, {"JGAP", "10"}, {"TAMBGAP", "60"}}}, // about 117 °C
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        GappedPage page(PointLocale());
        const Texts defaults = page.texts;
        FillLocalised(page, c.inputs);
        SBCALCGAPClick(page);
        ASSERT_TRUE(page.errors.empty());
        EXPECT_NE(page.Text(c.field), "?");
        for (const char* name : {"BPKGAP", "RIEMPGAP", "TGAP"}) {
            const FieldLookState look = page.LookOf(name);
            if (name == std::string_view(c.field)) {
                EXPECT_EQ(look.background, kRed) << name;
                EXPECT_EQ(look.text, kWhite) << name;
                EXPECT_TRUE(look.bold) << name;
            } else {
                EXPECT_EQ(look.background, kResultTint) << name;
            }
        }
        page.texts = defaults;
        SBCALCGAPClick(page);
        EXPECT_EQ(page.LookOf(c.field).background, kResultTint);
        EXPECT_EQ(page.LookOf(c.field).text, kSystemWindowText);
        EXPECT_FALSE(page.LookOf(c.field).bold);
    }
}

// A winding that heats its core past 300 °C has no answer: "?" in the loss and temperature
// fields, the alarm on the temperature; the flux and the wire are still shown.
TEST(GappedInductor, RunawayHasNoAnswer) {
    GappedPage page(PointLocale());
    FillLocalised(page, {{"COREGAP", "E 25/13/7"}, {"JGAP", "50"}, {"TAMBGAP", "150"}});
    SBCALCGAPClick(page);
    ASSERT_TRUE(page.errors.empty());
    for (const char* name : {"RDCGAP", "PNUCGAP", "PRAMEGAP", "TGAP"})
        EXPECT_EQ(page.Text(name), "?") << name;
    EXPECT_EQ(page.LookOf("TGAP").background, kRed);
    EXPECT_EQ(page.Text("NGAP"), "  33");
    EXPECT_NE(page.Text("FILOGAP"), "?");
}

// A current too large for any standard wire: the wire and everything that needs it show "?".
TEST(GappedInductor, NoStandardWire) {
    GappedPage page(PointLocale());
    FillLocalised(page, {{"IRMSGAP", "100"}, {"IPKGAP", "100"}, {"LGAP", "1"}});
    SBCALCGAPClick(page);
    ASSERT_TRUE(page.errors.empty());
    for (const char* name : {"FILOGAP", "RIEMPGAP", "RDCGAP", "PNUCGAP", "PRAMEGAP", "TGAP"})
        EXPECT_EQ(page.Text(name), "?") << name;
    EXPECT_NE(page.Text("NGAP"), "?");
    EXPECT_EQ(page.LookOf("TGAP").background, kResultTint);
}

} // namespace
} // namespace velkor::testing
