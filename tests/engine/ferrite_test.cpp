// The ferrite transformer design: results, checks, looks and where a failing design stops.
#include "fake_page.h"
#include "faults.h"
#include "ferrite.h"
#include "locale_text.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <initializer_list>
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

using Inputs = std::vector<std::pair<const char*, const char*>>; // field, text ('#', '^')

// The page's start texts of the thirteen spin fields.
const Inputs kDefaultInputs = {
    {"VPMIN", "10#0"}, {"VPMAX", "13#9"},  {"VSPP", "600#0"}, {"PSEC", "8"},  {"FATTF", "4"},
    {"FREQ", "20000"}, {"DCMQ", "4#9338"}, {"BSAT", "4100"},  {"AL", "2800"}, {"AE", "52"},
    {"AC", "30"},      {"PUN", "48#79"},   {"ETA", "50"},
};

// The result fields in the order the design writes them.
const std::vector<std::string> kResults = {
    "BMAX", "AEAC", "AEACMIN", "IPRIM", "NSP",  "LPRIM", "XLPRIM", "BMAXEFF",
    "NSS",  "LSEC", "XLSEC",   "VSRMS", "ISEC", "DFS",   "IPPEEK", "DFP",
};

// The checks of the windings, written after the last step.
const std::vector<std::string> kChecks = {"DELTAFER", "FILOP", "FILOS", "RIEMPFER"};

// The losses, written after the checks ("?" here: the page has no parts library).
const std::vector<std::string> kLosses = {"PNUCLEO", "PRAME", "TNUCLEO", "RENDCALC"};

// The results of the default design, field by field.
const char* const kDefaultTexts[] = {
    " 2000", "0#1560",    "0#0544", "1#600", "  12 (12#0)", "403#2", "   51", "2784",
    " 720",  "1451520#0", "182403", "212#1", "0#0377",      "0#10",  "2#325", "0#77",
};

// How many result fields a design that stops at `step` has written.
std::size_t WrittenBefore(int step) {
    const int fieldsBefore[] = {0, 0, 1, 2, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 16};
    return static_cast<std::size_t>(fieldsBefore[step]);
}

// A look no run of the design produces, to see whether a look was touched.
const FieldLookState kUntouchedLook{Colour::Rgb(1, 2, 3), Colour::Rgb(4, 5, 6), true};

bool SameLook(const FieldLookState& a, const FieldLookState& b) {
    return a.background == b.background && a.text == b.text && a.bold == b.bold;
}
bool IsNormal(const FieldLookState& look) {
    return SameLook(look, {kFerriteTint, kSystemWindowText, false});
}
bool IsAlarm(const FieldLookState& look) {
    return SameLook(look, {kRed, kWhite, true});
}

class FerriteTest : public ::testing::TestWithParam<NamedLocale> {
protected:
    std::string L(std::string_view text) const { return Localised(text, GetParam().locale); }

    // A page holding the default inputs changed by `changes`, with "old" results and
    // untouched looks.
    FakePage PageWith(const Inputs& changes = {}) const {
        FakePage page{GetParam().locale};
        for (const auto& [field, text] : kDefaultInputs)
            page.texts[field] = L(text);
        for (const auto& [field, text] : changes)
            page.texts[field] = L(text);
        for (const auto& field : kResults)
            page.texts[field] = "old";
        for (const auto& field : kChecks)
            page.texts[field] = "old";
        for (const auto& field : kLosses)
            page.texts[field] = "old";
        for (const char* field : {"AEAC", "BMAXEFF", "RIEMPFER", "TNUCLEO", "RENDCALC"})
            page.looks[field] = kUntouchedLook;
        page.writes.clear();
        return page;
    }

    std::vector<std::string> DefaultTexts() const {
        std::vector<std::string> texts;
        for (const char* text : kDefaultTexts)
            texts.push_back(L(text));
        return texts;
    }

    static std::vector<std::string> ResultTexts(const FakePage& page) {
        std::vector<std::string> texts;
        for (const auto& field : kResults)
            texts.push_back(page.Text(field));
        return texts;
    }
};

INSTANTIATE_TEST_SUITE_P(Locales, FerriteTest, ::testing::ValuesIn(kBothLocales),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FerriteDesign, DefaultsGiveTheWorkedExample) {
    const FerriteDesign d = DesignFerrite({});
    const std::pair<double, double> values[] = {
        {d.bmax, 2000.39},    {d.aeac, 0.156},  {d.aeacMin, 0.0543895}, {d.ip, 1.6},
        {d.npExact, 12.0169}, {d.lp, 403.2},    {d.xlp, 50.6676},       {d.bmaxEff, 2784.455},
        {d.ns, 720},          {d.ls, 1451520},  {d.xls, 182403.38},     {d.vsrms, 212.1320},
        {d.is, 0.0377124},    {d.ds, 0.098652}, {d.ipPeak, 2.324693},   {d.dp, 0.774546},
    };
    for (const auto& [value, expected] : values)
        EXPECT_NEAR(value, expected, expected * 1e-5);
    EXPECT_EQ(d.np, 12);
    EXPECT_FALSE(d.coreAlarm);
    EXPECT_FALSE(d.saturationAlarm);
}

TEST(FerriteDesign, TurnsRoundToTheNearestWholeNumberWithHalvesUp) {
    struct Case {
        FerriteInputs inputs;
        double npExact;
        int np;
        double ns;
        double ls;
    };
    FerriteInputs small; // VSPP 100, VPMIN 7, VPMAX 9
    small.vspp = 100;
    small.vpmin = 7;
    small.vpmax = 9;
    FerriteInputs half; // VSPP 90, VPMIN 8: NS exactly 112.5
    half.vspp = 90;
    half.vpmin = 8;
    const Case cases[] = {
        {small, 8.4118, 8, 114.2857, 36571.4}, // LS from the unrounded NS
        {half, 9.6135, 10, 112.5, 35437.5},
    };
    for (const auto& c : cases) {
        const FerriteDesign d = DesignFerrite(c.inputs);
        EXPECT_NEAR(d.npExact, c.npExact, 1e-4);
        EXPECT_EQ(d.np, c.np);
        EXPECT_NEAR(d.ns, c.ns, 1e-4);
        EXPECT_NEAR(d.ls, c.ls, 0.05);
    }
}

TEST_P(FerriteTest, DefaultDesignFieldByField) {
    FakePage page = PageWith();
    SBCALCClick(page);
    EXPECT_EQ(ResultTexts(page), DefaultTexts());
    std::vector<std::string> order = kResults; // each field once, in step order, and no input
    order.insert(order.end(), kChecks.begin(), kChecks.end());
    order.insert(order.end(), kLosses.begin(), kLosses.end());
    EXPECT_EQ(page.writes, order);
    for (const auto& field : kLosses)
        EXPECT_EQ(page.Text(field), "?") << field;
    EXPECT_TRUE(IsNormal(page.LookOf("AEAC")));
    EXPECT_TRUE(IsNormal(page.LookOf("BMAXEFF")));
    EXPECT_TRUE(page.errors.empty());
}

struct DesignCase {
    const char* name;
    Inputs changes;
    std::vector<std::pair<std::string, const char*>> texts; // the fields that differ from
                                                            // the default design
    bool coreAlarm;
    bool saturationAlarm;
};

TEST_P(FerriteTest, DesignsAndChecks) {
    const DesignCase cases[] = {
        {"small core window", {{"AC", "10"}}, {{"AEAC", "0#0520"}}, true, false},
        {"no window at all", {{"AC", ""}}, {{"AEAC", "0#0000"}}, true, false},
        {"VPMAX 20", {{"VPMAX", "20"}}, {{"BMAXEFF", "4006"}}, false, false},
        {"VPMAX 21", {{"VPMAX", "21"}}, {{"BMAXEFF", "4207"}}, false, true},
        {"few turns",
         {{"VSPP", "100"}, {"VPMIN", "7"}, {"VPMAX", "9"}},
         {{"IPRIM", "2#286"},
          {"NSP", "   8 ( 8#4)"},
          {"LPRIM", "179#2"},
          {"XLPRIM", "   23"},
          {"BMAXEFF", "2704"},
          {"NSS", " 114"},
          {"LSEC", "36571#4"},
          {"XLSEC", " 4596"},
          {"VSRMS", "35#4"},
          {"ISEC", "0#2263"},
          {"DFS", "0#24"},
          {"IPPEEK", "3#908"},
          {"DFP", "1#00"}},
         false,
         false},
        {"secondary turns exactly x.5",
         {{"VSPP", "90#0"}, {"VPMIN", "8#0"}},
         {{"IPRIM", "2#000"},
          {"NSP", "  10 ( 9#6)"},
          {"LPRIM", "280#0"},
          {"XLPRIM", "   35"},
          {"BMAXEFF", "3341"},
          {"NSS", " 113"},
          {"LSEC", "35437#5"},
          {"XLSEC", " 4453"},
          {"VSRMS", "31#8"},
          {"ISEC", "0#2514"},
          {"DFS", "0#25"},
          {"IPPEEK", "3#397"},
          {"DFP", "0#94"}},
         false,
         false},
        {"no secondary power",
         {{"PSEC", "0"}},
         {{"AEACMIN", "0#0000"},
          {"IPRIM", "0#000"},
          {"ISEC", "0#0000"},
          {"DFS", "0#00"},
          {"IPPEEK", "0#649"},
          {"DFP", "0#41"}},
         false,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePage page = PageWith(c.changes);
        SBCALCClick(page);
        std::vector<std::string> expected = DefaultTexts();
        for (const auto& [field, text] : c.texts)
            for (std::size_t i = 0; i < kResults.size(); ++i)
                if (kResults[i] == field)
                    expected[i] = L(text);
        EXPECT_EQ(ResultTexts(page), expected);
        EXPECT_EQ(IsAlarm(page.LookOf("AEAC")), c.coreAlarm);
        EXPECT_EQ(IsNormal(page.LookOf("AEAC")), !c.coreAlarm);
        EXPECT_EQ(IsAlarm(page.LookOf("BMAXEFF")), c.saturationAlarm);
        EXPECT_EQ(IsNormal(page.LookOf("BMAXEFF")), !c.saturationAlarm);
    }
}

TEST_P(FerriteTest, ChecksPassAtEquality) {
    // AE 100 mm² makes AeAc = AC / 100; this AC text gives exactly the minimum area product.
    FerriteInputs equalCore;
    equalCore.ae = 100;
    equalCore.ac = 5.4389538518694505L;
    const FerriteDesign core = DesignFerrite(equalCore);
    ASSERT_EQ(core.aeac, core.aeacMin);
    // BSAT 5000 and PUN 40 give Bmax 2000 and NP 6, so VPMAX 24 reaches exactly 5000 G.
    FerriteInputs equalFlux;
    equalFlux.ae = 100;
    equalFlux.bsat = 5000;
    equalFlux.pun = 40;
    equalFlux.vpmax = 24;
    const FerriteDesign flux = DesignFerrite(equalFlux);
    ASSERT_EQ(flux.bmaxEff, 5000.0);

    struct Case {
        Inputs changes;
        bool coreAlarm;
        bool saturationAlarm;
    };
    const Inputs fluxAt = {{"AE", "100"}, {"BSAT", "5000"}, {"PUN", "40"}};
    const auto with = [](Inputs base, Inputs more) {
        base.insert(base.end(), more.begin(), more.end());
        return base;
    };
    const Case cases[] = {
        {{{"AE", "100"}, {"AC", "5#4389538518694505"}}, false, false},
        {{{"AE", "100"}, {"AC", "5#43895385186945"}}, true, false},
        {{{"AC", "0"}, {"PSEC", "0"}}, false, false}, // both area products 0
        {with(fluxAt, {{"VPMAX", "24"}}), false, false},
        {with(fluxAt, {{"VPMAX", "24#01"}}), false, true},
        {with(fluxAt, {{"VPMAX", "23#99"}}), false, false},
    };
    for (const auto& c : cases) {
        FakePage page = PageWith(c.changes);
        SBCALCClick(page);
        SCOPED_TRACE(page.Text("AC") + " " + page.Text("VPMAX"));
        EXPECT_TRUE(c.coreAlarm ? IsAlarm(page.LookOf("AEAC")) : IsNormal(page.LookOf("AEAC")));
        EXPECT_TRUE(c.saturationAlarm ? IsAlarm(page.LookOf("BMAXEFF"))
                                      : IsNormal(page.LookOf("BMAXEFF")));
    }
}

TEST_P(FerriteTest, APassingDesignReturnsBothFieldsToTheNormalLook) {
    FakePage page = PageWith({{"AC", "10"}, {"VPMAX", "21"}});
    SBCALCClick(page);
    ASSERT_TRUE(IsAlarm(page.LookOf("AEAC")));
    ASSERT_TRUE(IsAlarm(page.LookOf("BMAXEFF")));
    page.texts["AC"] = "30";
    page.texts["VPMAX"] = L("13#9");
    SBCALCClick(page);
    EXPECT_TRUE(IsNormal(page.LookOf("AEAC")));
    EXPECT_TRUE(IsNormal(page.LookOf("BMAXEFF")));
    EXPECT_EQ(ResultTexts(page), DefaultTexts());
}

TEST_P(FerriteTest, PrimaryTurnsRoundHalvesUp) {
    // AE 100, BSAT 5000, PUN 40 make NPexact = VPMIN x 0.625.
    const Inputs base = {{"AE", "100"}, {"BSAT", "5000"}, {"PUN", "40"}, {"VPMAX", "13#9"}};
    struct Case {
        const char* vpmin;
        const char* nsp;
    };
    const Case cases[] = {
        {"20", "  13 (12#5)"},                         // 12.5 exactly goes up
        {"19#984", "  12 (12#5)"},                     // 12.49 stays, though shown as 12.5
        {"3435973835#2", "2147483647 (2147483647#0)"}, // the largest whole number of turns
    };
    for (const auto& c : cases) {
        Inputs changes = base;
        changes.emplace_back("VPMIN", c.vpmin);
        FakePage page = PageWith(changes);
        SBCALCClick(page);
        EXPECT_EQ(page.Text("NSP"), L(c.nsp)) << c.vpmin;
    }
}

struct StopCase {
    Inputs changes;
    int step;                // the step that fails
    const char* description; // of the fault the window shows
};

TEST_P(FerriteTest, AFailingStepLeavesLaterFieldsAndBothLooksAsTheyWere) {
    const char* const divide = "Floating point division by zero";
    const char* const invalid = "Invalid floating point operation";
    const char* const overflow = "Floating point overflow";
    const StopCase cases[] = {
        {{{"DCMQ", "0"}}, 3, divide},
        {{{"DCMQ", ""}}, 3, divide},  // an empty field reads as 0
        {{{"DCMQ", "-"}}, 3, divide}, // and a lone minus as -0
        {{{"BSAT", "0"}}, 4, divide},
        {{{"PUN", "0"}}, 4, divide},
        {{{"FREQ", "0"}}, 4, divide},
        {{{"FREQ", "0"}, {"PSEC", "0"}}, 4, invalid}, // 0 / 0
        {{{"VPMIN", "0"}}, 5, divide},
        {{{"ETA", "0"}}, 5, divide},
        {{{"AE", "0"}}, 6, divide},
        {{{"FATTF", "0"}}, 6, divide},
        {{{"FREQ", "500000"}}, 9, divide}, // NPexact 0.481 gives NP 0
        {{{"VSPP", "0"}}, 14, divide},
        {{{"AL", ""}}, 16, divide},
        {{{"AL", "-2800"}, {"PSEC", "0"}}, 17, invalid}, // negative peak current
        {{{"FREQ", "0#000001"}}, 6, overflow},           // NP beyond 32 bits
        {{{"FREQ", "-0#000001"}}, 6, overflow},
        {{{"AE", "100"}, {"BSAT", "5000"}, {"PUN", "40"}, {"VPMIN", "3435973836"}}, 6, overflow},
        {{{"BSAT", "x"}}, 1, "'x' is not a valid floating point value"},
        {{{"AC", "abc"}}, 2, "'abc' is not a valid floating point value"},
        {{{"VSPP", "E"}}, 10, "'E' is not a valid floating point value"},
        {{{"DCMQ", "4#9#3"}}, 3, nullptr}, // the message is checked below
    };
    for (const auto& c : cases) {
        FakePage page = PageWith(c.changes);
        const std::string trace =
            c.changes.front().first + std::string("=") + page.Text(c.changes.front().first);
        SCOPED_TRACE(trace);
        try {
            SBCALCClick(page);
            ADD_FAILURE() << "no fault";
        } catch (const Fault& e) {
            const std::string expected =
                c.description ? c.description
                              : "'" + L("4#9#3") + "' is not a valid floating point value";
            EXPECT_EQ(e.description(), expected);
        }
        const std::size_t written = WrittenBefore(c.step);
        EXPECT_EQ(page.writes,
                  std::vector<std::string>(kResults.begin(), kResults.begin() + written));
        for (std::size_t i = written; i < kResults.size(); ++i)
            EXPECT_EQ(page.Text(kResults[i]), "old") << kResults[i];
        EXPECT_TRUE(SameLook(page.LookOf("AEAC"), kUntouchedLook));
        EXPECT_TRUE(SameLook(page.LookOf("BMAXEFF"), kUntouchedLook));
        for (const auto& field : kChecks) // the checks follow only a complete design
            EXPECT_EQ(page.Text(field), "old") << field;
        for (const auto& field : kLosses) // and so do the losses
            EXPECT_EQ(page.Text(field), "old") << field;
        for (const char* field : {"RIEMPFER", "TNUCLEO", "RENDCALC"})
            EXPECT_TRUE(SameLook(page.LookOf(field), kUntouchedLook)) << field;
        EXPECT_TRUE(page.errors.empty()); // no box of its own
    }
}

TEST_P(FerriteTest, FieldsBeforeTheStopShowTheirNewTexts) {
    FakePage page = PageWith({{"FREQ", "500000"}});
    EXPECT_THROW(SBCALCClick(page), DivisionByZero);
    EXPECT_EQ(page.Text("BMAX"), L(" 2000"));
    EXPECT_EQ(page.Text("AEACMIN"), L("0#0022"));
    EXPECT_EQ(page.Text("NSP"), L("   0 ( 0#5)"));
    EXPECT_EQ(page.Text("LPRIM"), L("  0#0"));
    EXPECT_EQ(page.Text("XLPRIM"), L("    0"));

    FakePage negative = PageWith({{"AL", "-2800"}, {"PSEC", "0"}});
    EXPECT_THROW(SBCALCClick(negative), InvalidOperation);
    EXPECT_EQ(negative.Text("LPRIM"), L("-403#2"));
    EXPECT_EQ(negative.Text("IPPEEK"), L("-0#649"));
}

// A page whose texts change while the design runs, as if typed between two steps.
class ChangingPage : public FakePage {
public:
    using FakePage::FakePage;
    std::function<void(ChangingPage&, std::string_view)> onWrite;
    void SetText(std::string_view name, std::string_view text) override {
        FakePage::SetText(name, text);
        if (onWrite)
            onWrite(*this, name);
    }
};

TEST_P(FerriteTest, EachStepReadsItsInputsWhenItRuns) {
    struct Case {
        const char* after; // the result written just before BSAT changes
        const char* bsat;  // its new text
        bool saturationAlarm;
    };
    const Case cases[] = {
        {"BMAX", "2000", true},   // Bmax from 4100, the check against 2000 < 2784
        {"DFP", "2784#5", false}, // just above BmaxEff
        {"DFP", "2784#4", true},  // just below
    };
    for (const auto& c : cases) {
        ChangingPage page{GetParam().locale};
        for (const auto& [field, text] : kDefaultInputs)
            page.texts[field] = L(text);
        const std::string bsat = L(c.bsat);
        page.onWrite = [&](ChangingPage& p, std::string_view name) {
            if (name == c.after)
                p.texts["BSAT"] = bsat;
        };
        SBCALCClick(page);
        EXPECT_EQ(ResultTexts(page), DefaultTexts()) << c.after;
        EXPECT_EQ(IsAlarm(page.LookOf("BMAXEFF")), c.saturationAlarm) << c.bsat;
    }
}

TEST_P(FerriteTest, AnUnreadableTextAtTheLastStepLeavesOnlyTheSaturationLook) {
    ChangingPage page{GetParam().locale};
    for (const auto& [field, text] : kDefaultInputs)
        page.texts[field] = L(text);
    page.looks["AEAC"] = kUntouchedLook;
    page.looks["BMAXEFF"] = kUntouchedLook;
    page.onWrite = [](ChangingPage& p, std::string_view name) {
        if (name == "DFP")
            p.texts["BSAT"] = "?";
    };
    EXPECT_THROW(SBCALCClick(page), ConversionError);
    EXPECT_EQ(ResultTexts(page), DefaultTexts());
    EXPECT_TRUE(IsNormal(page.LookOf("AEAC")));
    EXPECT_TRUE(SameLook(page.LookOf("BMAXEFF"), kUntouchedLook));
}

TEST(FerriteDesign, ChecksOfTheDefaultDesign) {
    const WindingChecks checks = DesignFerrite({}).checks;
    EXPECT_NEAR(checks.skinDepth.value(), 0.473469, 1e-6); // 66.9587 / √20000 mm
    ASSERT_TRUE(checks.primaryWire && checks.secondaryWire);
    EXPECT_EQ(checks.primaryWire->strands, 1);
    EXPECT_EQ(checks.primaryWire->size, 0.8);
    EXPECT_EQ(checks.secondaryWire->size, 0.1);
    EXPECT_NEAR(checks.windowFill.value(), 0.371919, 1e-6);
    EXPECT_FALSE(checks.fillAlarm);
}

struct ChecksCase {
    const char* name;
    Inputs changes;
    const char* depth;     // DELTAFER
    const char* primary;   // FILOP
    const char* secondary; // FILOS
    const char* fill;      // RIEMPFER
    bool fillAlarm;
};

TEST_P(FerriteTest, WindingChecksAfterTheLastStep) {
    const char* const defaultPrimary = "1 × 0#80 (AWG 20)";
    const char* const defaultSecondary = "1 × 0#10 (AWG 38)";
    const ChecksCase cases[] = {
        {"defaults", {}, "0#473", defaultPrimary, defaultSecondary, "0#37", false},
        {"small window", {{"AC", "10"}}, "0#473", defaultPrimary, defaultSecondary, "1#12", true},
        {"no window", {{"AC", "0"}}, "0#473", defaultPrimary, defaultSecondary, "?", true},
        {"negative window", {{"AC", "-30"}}, "0#473", defaultPrimary, defaultSecondary, "?", true},
        {"100 kHz: strands of 0.40 mm, twice δ 0.212 at most",
         {{"FREQ", "100000"}},
         "0#212",
         "11 × 0#40 (AWG 26)",
         defaultSecondary,
         "0#12",
         false},
        {"200 kHz: strands of 0.28 mm",
         {{"FREQ", "200000"}},
         "0#150",
         "37 × 0#28 (AWG 29)",
         defaultSecondary,
         "0#09",
         false},
        {"no secondary power: no wire thinner than 0.020 mm",
         {{"PSEC", "0"}},
         "0#473",
         "1 × 0#45 (AWG 25)",
         "?",
         "0#05",
         false},
        {"a primary beyond 5 mm; a secondary of two strands",
         {{"PSEC", "1000"}},
         "0#473",
         "?",
         "2 × 0#90 (AWG 19)",
         "39#96",
         true},
        {"three decimals of a size",
         {{"PSEC", "100"}},
         "0#473",
         "7 × 0#90 (AWG 19)",
         "1 × 0#355 (AWG 27)",
         "4#04",
         true},
        {"a negative frequency has no skin depth",
         {{"FREQ", "-20000"}},
         "?",
         "?",
         "?",
         "-0#27",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePage page = PageWith(c.changes);
        SBCALCClick(page);
        EXPECT_EQ(page.Text("DELTAFER"), L(c.depth));
        EXPECT_EQ(page.Text("FILOP"), L(c.primary));
        EXPECT_EQ(page.Text("FILOS"), L(c.secondary));
        EXPECT_EQ(page.Text("RIEMPFER"), L(c.fill));
        EXPECT_TRUE(c.fillAlarm ? IsAlarm(page.LookOf("RIEMPFER"))
                                : IsNormal(page.LookOf("RIEMPFER")));
    }
}

TEST_P(FerriteTest, AFittingWindowReturnsTheFillToTheNormalLook) {
    FakePage page = PageWith({{"AC", "10"}});
    SBCALCClick(page);
    ASSERT_TRUE(IsAlarm(page.LookOf("RIEMPFER")));
    page.texts["AC"] = "30";
    SBCALCClick(page);
    EXPECT_EQ(page.Text("RIEMPFER"), L("0#37"));
    EXPECT_TRUE(IsNormal(page.LookOf("RIEMPFER")));
}

TEST_P(FerriteTest, AnUnreadableWindowAfterTheLastStepLeavesTheChecks) {
    ChangingPage page{GetParam().locale};
    for (const auto& [field, text] : kDefaultInputs)
        page.texts[field] = L(text);
    for (const auto& field : kChecks)
        page.texts[field] = "old";
    page.looks["RIEMPFER"] = kUntouchedLook;
    page.onWrite = [](ChangingPage& p, std::string_view name) {
        if (name == "DFP")
            p.texts["AC"] = "?";
    };
    EXPECT_THROW(SBCALCClick(page), ConversionError);
    EXPECT_TRUE(IsNormal(page.LookOf("BMAXEFF"))); // step 19 is done
    for (const auto& field : kChecks)
        EXPECT_EQ(page.Text(field), "old") << field;
    EXPECT_TRUE(SameLook(page.LookOf("RIEMPFER"), kUntouchedLook));
}

} // namespace
} // namespace velkor
