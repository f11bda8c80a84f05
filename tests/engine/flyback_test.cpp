// The flyback design: the worked cases under both separators, its alarm looks, every refusal
// and what a failure leaves, over a page holding the shipped parts library.
#include "checked.h"
#include "core_loss.h"
#include "fake_page.h"
#include "faults.h"
#include "flyback.h"
#include "locale_text.h"
#include "parts_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace velkor {
namespace {

using testing::FakePage;
using testing::FieldLookState;
using testing::kBothLocales;
using testing::Localised;
using testing::NamedLocale;

// The shipped library, read once for every test.
const library::PartsLibrary& Shipped() {
    static const library::PartsLibrary parts =
        library::PartsLibrary::Load(VELKOR_SOURCE_DIR "/resources/library");
    return parts;
}

// A page holding the parts library.
class LibraryPage : public FakePage {
public:
    using FakePage::FakePage;
    const library::PartsLibrary* Library() const override { return parts; }
    const library::PartsLibrary* parts = &Shipped();
};

using Texts = std::vector<std::pair<const char*, const char*>>; // field, text ('#' separator)

// The page's start texts.
const Texts kDefaults = {
    {"VINMINFB", "100"},     {"VINMAXFB", "375"}, {"VOUTFB", "12"},   {"IOUTFB", "2"},
    {"VFFB", "0#7"},         {"FSWFB", "100000"}, {"DMAXFB", "0#45"}, {"ETAFB", "85"},
    {"KRPFB", "0#6"},        {"BMFB", "300"},     {"JFB", "5"},       {"TAMBFB", "40"},
    {"COREFB", "E 25/13/7"}, {"MATFB", "N87"},
};

const char* const kResults[] = {"NRATFB",  "LPFB",   "IPKFB",   "IRMSPFB", "IRMSSFB",
                                "NPFB",    "NSFB",   "DFB",     "VORFB",   "VDSFB",
                                "TRAFFB",  "BPKFB",  "DBFB",    "FILOPFB", "FILOSFB",
                                "RIEMPFB", "PNUCFB", "PRAMEFB", "TFB",     "RENDFB"};
const char* const kChecked[] = {"BPKFB", "RIEMPFB", "TFB", "DFB"};

// A look no run of the design gives, to see whether a look was touched.
const FieldLookState kUntouched{Colour::Rgb(1, 2, 3), Colour::Rgb(4, 5, 6), true};

bool SameLook(const FieldLookState& a, const Look& b) {
    return a.background == b.background && a.text == b.text && a.bold == b.bold;
}
bool IsAlarm(const FieldLookState& look) {
    return SameLook(look, kAlarmLook);
}
bool IsNormal(const FieldLookState& look) {
    return SameLook(look, kFlybackNormalLook);
}

class FlybackTest : public ::testing::TestWithParam<NamedLocale> {
protected:
    std::string L(std::string_view text) const { return Localised(text, GetParam().locale); }

    // The default inputs changed by `changes`, "old" results and untouched looks.
    LibraryPage PageWith(const Texts& changes = {}) const {
        LibraryPage page{GetParam().locale};
        for (const auto& [field, text] : kDefaults)
            page.texts[field] = L(text);
        for (const auto& [field, text] : changes)
            page.texts[field] = L(text);
        for (const char* field : kResults)
            page.texts[field] = "old";
        for (const char* field : kChecked)
            page.looks[field] = kUntouched;
        page.writes.clear();
        return page;
    }

    // No result written, no look touched.
    static void ExpectUnchanged(const LibraryPage& page) {
        EXPECT_TRUE(page.writes.empty());
        for (const char* field : kResults)
            EXPECT_EQ(page.Text(field), "old") << field;
        for (const char* field : kChecked)
            EXPECT_TRUE(SameLook(page.LookOf(field),
                                 {kUntouched.background, kUntouched.text, kUntouched.bold}))
                << field;
    }
};

INSTANTIATE_TEST_SUITE_P(Locales, FlybackTest, ::testing::ValuesIn(kBothLocales),
                         [](const auto& info) { return std::string(info.param.name); });

struct WorkedCase {
    const char* name;
    Texts changes;
    Texts expected;
    std::vector<const char*> alarms; // checked fields with the alarm look
};

const WorkedCase kWorked[] = {
    {"defaults",
     {},
     {{"NRATFB", "6#125"},
      {"LPFB", " 836#7"},
      {"IPKFB", "0#907"},
      {"IRMSPFB", "0#438"},
      {"IRMSSFB", "2#755"},
      {"NPFB", "  49"},
      {"NSFB", "   8"},
      {"DFB", "0#438"},
      {"VORFB", " 77#8"},
      {"VDSFB", "452#8"},
      {"TRAFFB", "0#187"},
      {"BPKFB", " 299"},
      {"DBFB", " 254"},
      {"FILOPFB", "1 × 0#355 (AWG 27)"},
      {"FILOSFB", "5 × 0#40 (AWG 26)"},
      {"RIEMPFB", "0#10"},
      {"PNUCFB", "0#54"},
      {"PRAMEFB", "0#41"},
      {"TFB", " 68"},
      {"RENDFB", "96#2"}},
     {}},
    {"boundary mode at VIN min",
     {{"KRPFB", "1"}},
     {{"LPFB", " 358#6"},
      {"IPKFB", "1#257"},
      {"NPFB", "  29"},
      {"NSFB", "   5"},
      {"TRAFFB", "0#145"},
      {"BPKFB", " 300"},
      {"DBFB", " 299"},
      {"PNUCFB", "0#91"},
      {"TFB", " 72"}},
     {}},
    {"5 V 4 A on EFD 25/13/9 in N97",
     {{"VINMINFB", "200"},
      {"VINMAXFB", "375"},
      {"VOUTFB", "5"},
      {"IOUTFB", "4"},
      {"VFFB", "0#5"},
      {"FSWFB", "65000"},
      {"DMAXFB", "0#4"},
      {"ETAFB", "80"},
      {"KRPFB", "0#5"},
      {"BMFB", "280"},
      {"COREFB", "EFD 25/13/9"},
      {"MATFB", "N97"}},
     {{"LPFB", "5907#7"},
      {"NPFB", " 153"},
      {"NSFB", "   6"},
      {"DFB", "0#412"},
      {"VDSFB", "515#3"},
      {"TRAFFB", "0#318"},
      {"FILOSFB", "6 × 0#50 (AWG 24)"},
      {"TFB", " 57"}},
     {"DFB"}},
};

TEST_P(FlybackTest, WorkedCases) {
    for (const WorkedCase& c : kWorked) {
        SCOPED_TRACE(c.name);
        LibraryPage page = PageWith(c.changes);
        SBCALCFBClick(page);
        EXPECT_TRUE(page.errors.empty());
        for (const auto& [field, text] : c.expected)
            EXPECT_EQ(page.Text(field), L(text)) << field;
        for (const char* field : kResults)
            EXPECT_NE(page.Text(field), "old") << field;
        for (const char* field : kChecked) {
            const bool alarm = std::find(c.alarms.begin(), c.alarms.end(),
                                         std::string_view(field)) != c.alarms.end();
            EXPECT_TRUE(alarm ? IsAlarm(page.LookOf(field)) : IsNormal(page.LookOf(field)))
                << field;
        }
    }
}

// Each check in turn: the inputs that set it off, with the default design leaving it normal.
TEST_P(FlybackTest, EachAlarmLookOnAndOff) {
    const std::pair<const char*, Texts> cases[] = {
        {"BPKFB", {{"BMFB", "450"}}},  // N87 saturates at 390 mT at 100 °C
        {"RIEMPFB", {{"JFB", "0#5"}}}, // ten times the copper of 5 A/mm²
        {"TFB", {{"TAMBFB", "90"}}},   // the same losses from a hotter start
        {"DFB", {{"DMAXFB", "0#33"}}}, // whole turns push the duty to 0.337
    };
    for (const auto& [field, changes] : cases) {
        SCOPED_TRACE(field);
        LibraryPage page = PageWith(changes);
        SBCALCFBClick(page);
        EXPECT_TRUE(IsAlarm(page.LookOf(field)));
        SBCALCFBClick(page = PageWith());
        EXPECT_TRUE(IsNormal(page.LookOf(field)));
    }
}

TEST_P(FlybackTest, EachRefusalNamesItsFieldAndChangesNothing) {
    const std::pair<Texts, const char*> cases[] = {
        {{{"VINMINFB", "0"}}, "VIN min"},
        {{{"VINMINFB", "-100"}}, "VIN min"},
        {{{"VINMAXFB", "0"}}, "VIN max"},
        {{{"VINMAXFB", "99#9"}}, "VIN max"}, // below VIN min
        {{{"VOUTFB", "0"}}, "Vout"},
        {{{"IOUTFB", "0"}}, "Iout"},
        {{{"IOUTFB", "-2"}}, "Iout"},
        {{{"VFFB", "-12"}}, "Vf diodo"}, // Vout + Vf = 0
        {{{"FSWFB", "0"}}, "Frequenza"},
        {{{"DMAXFB", "0"}}, "Duty max"},
        {{{"DMAXFB", "1"}}, "Duty max"}, // 1 − Dmax = 0
        {{{"ETAFB", "0"}}, "% rendimento stimato"},
        {{{"KRPFB", "0"}}, "Ondulazione KRP"},
        {{{"KRPFB", "2"}}, "Ondulazione KRP"}, // 2 − KRP = 0
        {{{"BMFB", "0"}}, "B max"},
        {{{"JFB", "-5"}}, "Densità di corrente"},
        {{{"COREFB", "E 99/99/99"}}, "Core"},
        {{{"COREFB", "T 25/15/10"}}, "Core"}, // a toroid cannot be gapped
        {{{"COREFB", ""}}, "Core"},
        {{{"MATFB", "N999"}}, "Materiale"},
    };
    for (const auto& [changes, name] : cases) {
        SCOPED_TRACE(name);
        LibraryPage page = PageWith(changes);
        SBCALCFBClick(page);
        ASSERT_EQ(page.ErrorTexts(),
                  std::vector<std::string>{"Campo errato o nullo : " + std::string(name)});
        EXPECT_EQ(page.errors[0].first, "Error");
        ExpectUnchanged(page);
    }
}

TEST_P(FlybackTest, PageWithoutLibraryRefusesTheCore) {
    LibraryPage page = PageWith();
    page.parts = nullptr;
    SBCALCFBClick(page);
    EXPECT_EQ(page.ErrorTexts(), std::vector<std::string>{"Campo errato o nullo : Core"});
    ExpectUnchanged(page);
}

TEST_P(FlybackTest, FaultOfTheArithmeticChangesNoField) {
    // Turns beyond the 32-bit range: 2 kV in at 1 Hz, typed past the spin limits.
    LibraryPage page = PageWith({{"VINMINFB", "2000"},
                                 {"VINMAXFB", "2000"},
                                 {"FSWFB", "1"},
                                 {"BMFB", "1"},
                                 {"KRPFB", "0#05"}});
    EXPECT_THROW(SBCALCFBClick(page), Overflow);
    ExpectUnchanged(page);
}

TEST_P(FlybackTest, UnreadableTextReachesTheWindow) {
    LibraryPage page = PageWith({{"VOUTFB", "12x"}});
    EXPECT_THROW(SBCALCFBClick(page), ConversionError);
    ExpectUnchanged(page);
}

TEST_P(FlybackTest, NoGapNeededShowsQuestionMark) {
    // At 5 mT the turns are so many that the ungapped core already gives Lp.
    LibraryPage page = PageWith({{"BMFB", "5"}});
    SBCALCFBClick(page);
    EXPECT_EQ(page.Text("TRAFFB"), "?");
}

TEST_P(FlybackTest, RunawayFollowsTheOneRuleForNoAnswer) {
    // 120 W through a small core.
    LibraryPage page = PageWith({{"COREFB", "E 13/7/4"}, {"IOUTFB", "10"}, {"JFB", "20"}});
    SBCALCFBClick(page);
    for (const char* field : {"PNUCFB", "PRAMEFB", "TFB", "RENDFB"})
        EXPECT_EQ(page.Text(field), "?") << field;
    EXPECT_TRUE(IsAlarm(page.LookOf("TFB")));
}

// The currents against their definitions: the secondary's mean over a cycle is Iout, and a
// discontinuous cycle delivers Pin = ½·Lp·Ipk²·f.
TEST(FlybackDesign, CurrentsKeepTheirMeans) {
    const library::CoreShape& core = *Shipped().FindShape("E 25/13/7");
    const library::Material& material = *Shipped().FindMaterial("N87");
    for (long double krp : {0.3L, 0.6L, 1.0L}) {
        FlybackInputs in;
        in.krp = krp;
        const FlybackDesign d = DesignFlyback(in, core, material, Shipped());
        for (const FlybackCycle& cycle : {d.low, d.high}) {
            // Input power from the primary current: V·D·(Ipk − ΔI/2).
            EXPECT_NEAR(cycle.volts * cycle.duty * (cycle.peak - cycle.ripple / 2), d.pin,
                        1e-9 * d.pin);
            if (!cycle.continuous) {
                EXPECT_NEAR(0.5 * d.lp * cycle.peak * cycle.peak * 100000, d.pin, 1e-9 * d.pin);
            }
        }
    }
}

// The core loss found is the rectangular density of the larger input at the core temperature
// found, whatever the thermal loop computed on the way; at 100 kHz N87 blends two bands.
TEST(FlybackDesign, CoreLossIsTheLargerDensityAtTheCoreTemperature) {
    struct Case {
        const char* core;
        const char* material;
        long double freq;    // Hz
        long double ambient; // °C
    };
    const Case cases[] = {{"E 25/13/7", "N87", 100000, 40},
                          {"E 25/13/7", "N87", 60000, 25},
                          {"EFD 25/13/9", "N97", 65000, 40},
                          {"ETD 29/16/10", "3C90", 80000, 60}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.core);
        const library::CoreShape& core = *Shipped().FindShape(c.core);
        const library::Material& material = *Shipped().FindMaterial(c.material);
        FlybackInputs in;
        in.freq = c.freq;
        in.ambient = c.ambient;
        const FlybackDesign d = DesignFlyback(in, core, material, Shipped());
        ASSERT_TRUE(d.losses);
        double larger = 0; // W/m³
        for (const FlybackCycle& cycle : {d.low, d.high})
            larger = std::max(larger, *library::RectangularLossDensity(
                                          material, static_cast<double>(c.freq), cycle.fluxSwing,
                                          cycle.duty, d.losses->celsius));
        EXPECT_NEAR(d.losses->core, larger * core.ve * 1e-9, 1e-9 * d.losses->core);
    }
}

} // namespace
} // namespace velkor
