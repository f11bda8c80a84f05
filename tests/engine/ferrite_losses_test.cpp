// Losses, core temperature and efficiency of the ferrite design on library parts: the worked
// values through "Calcola", their intermediates, the two checks' looks, the runaway and the
// names the library does not know.
#include "fake_page.h"
#include "faults.h"
#include "ferrite.h"
#include "ferrite_losses.h"
#include "locale_text.h"
#include "parts_library.h"

#include <gtest/gtest.h>

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

using Inputs = std::vector<std::pair<const char*, const char*>>; // field, text ('#')

const library::PartsLibrary& Shipped() {
    static const library::PartsLibrary parts =
        library::PartsLibrary::Load(VELKOR_SOURCE_DIR "/resources/library");
    return parts;
}

// The page's start texts.
const Inputs kDefaultInputs = {
    {"VPMIN", "10#0"}, {"VPMAX", "13#9"}, {"VSPP", "600#0"},  {"PSEC", "8"},
    {"FATTF", "4"},    {"FREQ", "20000"}, {"DCMQ", "4#9338"}, {"BSAT", "4100"},
    {"AL", "2800"},    {"AE", "52"},      {"AC", "30"},       {"PUN", "48#79"},
    {"ETA", "50"},     {"TAMBFER", "40"}, {"Edit1", "EC52"},  {"Edit2", "3C8"},
};

const std::vector<std::string> kLosses = {"PNUCLEO", "PRAME", "TNUCLEO", "RENDCALC"};

bool SameLook(const FieldLookState& a, const Look& b) {
    return a.background == b.background && a.text == b.text && a.bold == b.bold;
}

class FerriteLossTest : public ::testing::TestWithParam<NamedLocale> {
protected:
    std::string L(std::string_view text) const { return Localised(text, GetParam().locale); }

    // A page on the shipped library with the start texts changed by `changes`.
    FakePage PageWith(const Inputs& changes) const {
        FakePage page{GetParam().locale};
        page.parts = &Shipped();
        for (const auto& [field, text] : kDefaultInputs)
            page.texts[field] = L(text);
        for (const auto& [field, text] : changes)
            page.texts[field] = L(text);
        return page;
    }

    static std::vector<std::string> LossTexts(const FakePage& page) {
        std::vector<std::string> texts;
        for (const auto& field : kLosses)
            texts.push_back(page.Text(field));
        return texts;
    }
};

INSTANTIATE_TEST_SUITE_P(Locales, FerriteLossTest, ::testing::ValuesIn(kBothLocales),
                         [](const auto& info) { return std::string(info.param.name); });

struct WorkedCase {
    const char* name;
    Inputs changes;
    std::vector<std::string> texts; // PNUCLEO, PRAME, TNUCLEO, RENDCALC
    bool hot;
};

const Inputs kTyped = {{"Edit1", "E 25/13/7"}, {"Edit2", "N87"}};
const Inputs kApplied = {{"Edit1", "E 25/13/7"}, {"Edit2", "N87"}, {"AE", "51#8"},
                         {"AC", "95#3"},         {"AL", "1860"},   {"BSAT", "3898"}};
const Inputs kEtd = {{"Edit1", "ETD 29/16/10"}, {"Edit2", "N87"}, {"AE", "76#5"},
                     {"AC", "145#2"},           {"AL", "2342"},   {"BSAT", "3898"},
                     {"FREQ", "50000"},         {"PSEC", "30"},   {"ETA", "80"}};

Inputs With(Inputs inputs, const Inputs& more) {
    inputs.insert(inputs.end(), more.begin(), more.end());
    return inputs;
}

TEST_P(FerriteLossTest, WorkedValues) {
    const WorkedCase cases[] = {
        {"typed, not applied", kTyped, {"0#60", "0#20", " 64", "90#9"}, false},
        {"applied", kApplied, {"0#51", "0#21", " 61", "91#7"}, false},
        {"applied, 50 kHz",
         With(kApplied, {{"FREQ", "50000"}}),
         {"1#27", "0#07", " 79", "85#6"},
         false},
        {"ETD 29 in N87", kEtd, {"2#69", "0#18", "101", "91#3"}, true},
        {"ETD 29 in 3C90 at 25 °C",
         With(kEtd, {{"Edit2", "3C90"}, {"AL", "2385"}, {"BSAT", "3800"}, {"TAMBFER", "25"}}),
         {"2#10", "0#23", " 74", "92#8"},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePage page = PageWith(c.changes);
        SBCALCClick(page);
        std::vector<std::string> expected;
        for (const auto& text : c.texts)
            expected.push_back(L(text));
        EXPECT_EQ(LossTexts(page), expected);
        EXPECT_TRUE(SameLook(page.LookOf("TNUCLEO"), c.hot ? kAlarmLook : kFerriteNormalLook));
        EXPECT_TRUE(SameLook(page.LookOf("RENDCALC"), kFerriteNormalLook));
        EXPECT_TRUE(page.errors.empty());
    }
}

TEST(FerriteLosses, IntermediatesOfTheFirstWorkedValue) {
    const library::PartsLibrary& parts = Shipped();
    const library::CoreShape* core = parts.FindShape("E 25/13/7");
    const library::Material* material = parts.FindMaterial("N87");
    ASSERT_TRUE(core && material);
    const FerriteEvaluation e = EvaluateFerrite({}, kDefaultAmbient, *core, *material, parts);
    const LossEstimate& l = e.losses;
    ASSERT_EQ(l.outcome, LossOutcome::Done);
    EXPECT_FALSE(l.sine); // K = 4: a triangle from -B̂ to +B̂
    EXPECT_NEAR(l.flux, 2 * e.design.bmaxEff / 1e4, 1e-12);
    const std::pair<double, double> values[] = {
        {core->ve, 2994},
        {l.rth, 29.32},
        {l.lossDensity, 200.7e3},
        {l.celsius, 63.5},
        {l.window.height, 15.80},
        {l.window.meanTurn, 48.79},
        {l.primary.copper.fr, 1.215},
        {l.primary.copper.rdc, 23.52e-3},
        {l.secondary.copper.fr, 1.002},
        {l.secondary.copper.rdc, 90.32},
    };
    for (const auto& [value, expected] : values)
        EXPECT_NEAR(value, expected, expected * 6e-4) << expected;
    EXPECT_TRUE(l.window.fromBobbin);
    EXPECT_EQ(l.primary.winding.strands, 1);
    EXPECT_DOUBLE_EQ(l.primary.winding.size, 0.80);
    EXPECT_EQ(l.primary.winding.turns, 12);
    EXPECT_EQ(l.primary.copper.layers, 1);
    EXPECT_EQ(l.secondary.winding.strands, 1);
    EXPECT_DOUBLE_EQ(l.secondary.winding.size, 0.10);
    EXPECT_EQ(l.secondary.winding.turns, 720);
    EXPECT_EQ(l.secondary.copper.layers, 6);
    // The parts of the sum agree with the totals the page shows.
    EXPECT_NEAR(l.primary.watts + l.secondary.watts, l.copper, 1e-12);
    EXPECT_NEAR(l.efficiency, 100 * 8 / (8 + l.core + l.copper), 1e-9);
}

TEST(FerriteLosses, AWholeDesignWithoutAWindow) {
    // What the page gives after picking both parts, for any core of the library.
    const library::PartsLibrary& parts = Shipped();
    const library::CoreShape* core = parts.FindShape("e25/13/7");
    const library::Material* material = parts.FindMaterial("n87");
    ASSERT_TRUE(core && material);
    const FerriteInputs inputs = WithParts({}, *core, *material);
    EXPECT_EQ(inputs.ae, 51.8L);
    EXPECT_EQ(inputs.ac, 95.3L);
    EXPECT_EQ(inputs.al, 1860.0L);
    EXPECT_EQ(inputs.bsat, 3898.0L);
    const FerriteEvaluation e = EvaluateFerrite(inputs, 40, *core, *material, parts);
    ASSERT_EQ(e.losses.outcome, LossOutcome::Done);
    EXPECT_NEAR(e.losses.core, 0.51, 0.005);
    EXPECT_NEAR(e.losses.copper, 0.21, 0.005);
    EXPECT_NEAR(e.losses.celsius, 61, 0.5);
    EXPECT_NEAR(e.losses.efficiency, 91.7, 0.05);
    EXPECT_FALSE(e.losses.hot);
    EXPECT_FALSE(e.losses.belowEstimate);
    // A step that cannot be computed throws, as the design does.
    FerriteInputs broken = inputs;
    broken.j = 0;
    EXPECT_THROW(EvaluateFerrite(broken, 40, *core, *material, parts), DivisionByZero);
}

TEST(FerriteLosses, TheFormFactorGivesTheWaveform) {
    const library::PartsLibrary& parts = Shipped();
    const library::CoreShape* core = parts.FindShape("E 25/13/7");
    const library::Material* material = parts.FindMaterial("N87");
    ASSERT_TRUE(core && material);
    struct Case {
        long double k;
        bool sine;
        double swingPerPeak; // flux / B̂
    };
    const Case cases[] = {{4.44L, true, 1}, {4.0L, false, 2}, {2.0L, false, 1}, {4.4L, false, 2.2}};
    for (const auto& c : cases) {
        FerriteInputs inputs;
        inputs.k = c.k;
        const FerriteDesign design = DesignFerrite(inputs);
        const LossEstimate l = EstimateLosses(design, inputs, 40, *core, *material, parts);
        ASSERT_EQ(l.outcome, LossOutcome::Done) << static_cast<double>(c.k);
        EXPECT_EQ(l.sine, c.sine) << static_cast<double>(c.k);
        EXPECT_NEAR(l.flux, c.swingPerPeak * design.bmaxEff / 1e4, 1e-12);
    }
}

TEST_P(FerriteLossTest, BothLooksOfBothChecks) {
    // TNUCLEO: above 100 °C, then back under it.
    FakePage page = PageWith(kEtd);
    SBCALCClick(page);
    EXPECT_TRUE(SameLook(page.LookOf("TNUCLEO"), kAlarmLook));
    page.texts["TAMBFER"] = "25";
    SBCALCClick(page);
    EXPECT_LT(std::stod(page.Text("TNUCLEO")), 100);
    EXPECT_TRUE(SameLook(page.LookOf("TNUCLEO"), kFerriteNormalLook));

    // RENDCALC: below the estimated efficiency ETA, then above it.
    FakePage hopeful = PageWith(With(kTyped, {{"ETA", "95"}}));
    SBCALCClick(hopeful);
    EXPECT_NE(hopeful.Text("RENDCALC"), "?");
    EXPECT_TRUE(SameLook(hopeful.LookOf("RENDCALC"), kAlarmLook));
    EXPECT_TRUE(SameLook(hopeful.LookOf("TNUCLEO"), kFerriteNormalLook));
    hopeful.texts["ETA"] = "50";
    SBCALCClick(hopeful);
    EXPECT_EQ(hopeful.Text("RENDCALC"), L("90#9"));
    EXPECT_TRUE(SameLook(hopeful.LookOf("RENDCALC"), kFerriteNormalLook));
}

TEST_P(FerriteLossTest, ARunawayShowsQuestionMarksWithTheAlarm) {
    // A tiny core at a flux far beyond saturation: its losses outgrow any temperature.
    FakePage page = PageWith({{"Edit1", "E 5.3/2"}, {"Edit2", "N87"}, {"AE", "5"}});
    SBCALCClick(page);
    EXPECT_EQ(LossTexts(page), std::vector<std::string>(4, "?"));
    EXPECT_TRUE(SameLook(page.LookOf("TNUCLEO"), kAlarmLook));
    EXPECT_TRUE(SameLook(page.LookOf("RENDCALC"), kFerriteNormalLook));
    // An ambient beyond the number range has no temperature either.
    FakePage scorching = PageWith(With(kTyped, {{"TAMBFER", "1e400"}}));
    SBCALCClick(scorching);
    EXPECT_EQ(LossTexts(scorching), std::vector<std::string>(4, "?"));
    EXPECT_TRUE(SameLook(scorching.LookOf("TNUCLEO"), kAlarmLook));
    // A design that settles takes the normal look again.
    page.texts["AE"] = "52";
    page.texts["Edit1"] = "E 25/13/7";
    SBCALCClick(page);
    EXPECT_EQ(page.Text("TNUCLEO"), " 64");
    EXPECT_TRUE(SameLook(page.LookOf("TNUCLEO"), kFerriteNormalLook));
}

TEST(FerriteLosses, ACoreLossWithoutAnswerIsNoAnswer) {
    // A material whose temperature bracket is negative everywhere.
    const library::PartsLibrary& parts = Shipped();
    const library::CoreShape* core = parts.FindShape("E 25/13/7");
    ASSERT_TRUE(core);
    library::Material cold = *parts.FindMaterial("N87");
    for (auto& band : cold.bands) {
        band.ct0 = -1;
        band.ct1 = 0;
        band.ct2 = 0;
    }
    const FerriteEvaluation e = EvaluateFerrite({}, 40, *core, cold, parts);
    EXPECT_EQ(e.losses.outcome, LossOutcome::NoAnswer);
}

TEST_P(FerriteLossTest, NamesTheLibraryDoesNotKnowGiveQuestionMarks) {
    const Inputs cases[] = {
        {},                                         // "EC52" in "3C8": no such material
        {{"Edit1", "E 25/13/8"}, {"Edit2", "N87"}}, // no such core
        {{"Edit1", "E 25/13/7"}, {"Edit2", ""}},    // no material
        {{"Edit1", ""}, {"Edit2", "N87"}},          // no core
        {{"Edit1", "N87"}, {"Edit2", "E 25/13/7"}}, // the two swapped
        {{"Edit1", "E 25/13/7"}, {"Edit2", "N87"}, {"TAMBFER", "x"}, {"Edit2", "N 88 7"}},
    };
    for (const auto& changes : cases) {
        FakePage page = PageWith(changes);
        // Alarms of an earlier design return to the normal look.
        page.looks["TNUCLEO"] = {kRed, kWhite, true};
        page.looks["RENDCALC"] = {kRed, kWhite, true};
        SBCALCClick(page);
        SCOPED_TRACE(page.Text("Edit1") + " / " + page.Text("Edit2"));
        EXPECT_EQ(LossTexts(page), std::vector<std::string>(4, "?"));
        EXPECT_TRUE(SameLook(page.LookOf("TNUCLEO"), kFerriteNormalLook));
        EXPECT_TRUE(SameLook(page.LookOf("RENDCALC"), kFerriteNormalLook));
        EXPECT_EQ(page.Text("FILOP"), L("1 × 0#80 (AWG 20)")); // the design itself completed
    }
    // A page without a library: the same.
    FakePage bare = PageWith(kTyped);
    bare.parts = nullptr;
    SBCALCClick(bare);
    EXPECT_EQ(LossTexts(bare), std::vector<std::string>(4, "?"));
}

TEST_P(FerriteLossTest, NamesMatchAsThePickersMatchThem) {
    FakePage page = PageWith({{"Edit1", " e25/13/7 "}, {"Edit2", "n 87"}});
    SBCALCClick(page);
    EXPECT_EQ(page.Text("TNUCLEO"), " 64");
}

TEST_P(FerriteLossTest, AnUnreadableAmbientReachesTheWindowAfterTheChecks) {
    FakePage page = PageWith(With(kTyped, {{"TAMBFER", "abc"}}));
    for (const auto& field : kLosses)
        page.texts[field] = "old";
    EXPECT_THROW(SBCALCClick(page), ConversionError);
    EXPECT_EQ(page.Text("FILOP"), L("1 × 0#80 (AWG 20)"));
    EXPECT_EQ(LossTexts(page), std::vector<std::string>(4, "old"));
}

TEST_P(FerriteLossTest, AToroidIsWoundAlongItsHole) {
    // A toroid has no bobbin and no winding height: its layers follow the inner circumference.
    const library::PartsLibrary& parts = Shipped();
    const library::CoreShape* toroid = nullptr;
    for (const auto& shape : parts.Shapes())
        if (shape.Toroid() && shape.ve > 2000 && shape.ve < 6000) {
            toroid = &shape;
            break;
        }
    ASSERT_TRUE(toroid);
    FakePage page = PageWith({{"Edit2", "N87"}});
    page.texts["Edit1"] = toroid->name;
    SBCALCClick(page);
    EXPECT_NE(page.Text("TNUCLEO"), "?") << toroid->name;
    const FerriteEvaluation e = EvaluateFerrite({}, 40, *toroid, *parts.FindMaterial("N87"), parts);
    ASSERT_EQ(e.losses.outcome, LossOutcome::Done);
    EXPECT_TRUE(e.losses.window.toroid);
    EXPECT_GE(e.losses.secondary.copper.layers, 1);
}

} // namespace
} // namespace velkor
