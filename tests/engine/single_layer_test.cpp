#include "single_layer.h"

#include "inductor_fixture.h"
#include "locale_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace velkor::testing {
namespace {

// The sub-page as the worked values start it: D 10 mm, l 20 mm, µe 1, EDDIAM empty, and old
// texts in every output so that untouched fields show.
FakePage CoilPage(NumberLocale locale) {
    FakePage page = InductorPage(std::move(locale));
    Fill(page, {{"DSS", "10"},
                {"LSS", "20"},
                {"MESS", "1"},
                {"EDDIAM", ""},
                {"NSSS", "old"},
                {"EDDMFSC", "old"},
                {"EDLUNGRAME", "old"},
                {"EDRESRAME", "old"},
                {"EDKNAGSS", "old"},
                {"EDCORRSS", "old"},
                {"UnitEDCORRSS", "old"}});
    return page;
}

TEST(SingleLayer, WorkedValues) {
    const std::vector<CoilCase> cases = {
        {"turns of 100 µH",
         SBCNSSSClick,
         PointLocale(),
         {{"ISS", "100"}},
         {},
         {{"NSSS", " 142.4"},
          {"EDDMFSC", "0.14"},
          {"EDLUNGRAME", "4.472"},
          {"Label66", "ohm/m ( 0.14 mm)"},
          {"EDRESRAME", "1.14"},
          {"EDRESAVV", "5.106"}},
         {}},
        {"turns of 100 µH under a comma",
         SBCNSSSClick,
         CommaLocale(),
         {{"ISS", "100"}},
         {},
         {{"NSSS", " 142,4"},
          {"EDDMFSC", "0,14"},
          {"EDLUNGRAME", "4,472"},
          {"Label66", "ohm/m ( 0,14 mm)"},
          {"EDRESRAME", "1,14"},
          {"EDRESAVV", "5,106"}},
         {}},
        {"inductance of 20 turns",
         SBCISSClick,
         PointLocale(),
         {{"NSSS", "20"}},
         {{"CBUISS", 0}},
         {{"ISS", "1.974"},
          {"EDDMFSC", "1.00"},
          {"EDLUNGRAME", "0.628"},
          {"Label66", "ohm/m ( 1.00 mm)"},
          {"EDRESRAME", "0.02"}},
         {{"CBUISS", 2}}},
        {"inductance of 20 turns of 0.5 mm wire",
         SBCISSClick,
         PointLocale(),
         {{"NSSS", "20"}, {"EDDIAM", "0.5"}},
         {},
         {{"ISS", "1.974"},
          {"Label66", "ohm/m ( 0.5 mm)"},
          {"EDRESRAME", "0.09"},
          {"EDRESAVV", "0.057"}},
         {{"CBUISS", 2}}},
        {"the wire text shows as typed",
         SBCISSClick,
         CommaLocale(),
         {{"NSSS", "20"}, {"EDDIAM", " 0,50"}},
         {},
         {{"Label66", "ohm/m (  0,50 mm)"}, {"EDRESRAME", "0,09"}},
         {}},
        {"diameter",
         SBCDSSClick,
         PointLocale(),
         {{"ISS", "100"}, {"NSSS", "142.4"}, {"DSS", "x"}},
         {},
         {{"DSS", "10.0"}},
         {}},
        {"length",
         SBCLSSClick,
         PointLocale(),
         {{"ISS", "100"}, {"NSSS", "142.4"}, {"LSS", "x"}},
         {},
         {{"LSS", "20.0"}},
         {}},
        {"permeability",
         SBCMESSClick,
         PointLocale(),
         {{"ISS", "100"}, {"NSSS", "142.4"}, {"MESS", "x"}},
         {},
         {{"MESS", " 1.00"}},
         {}},
        {"derived values use the unrounded diameter",
         SBCDSSClick,
         PointLocale(),
         {{"ISS", "100"}, {"NSSS", "142.4"}},
         {},
         {{"EDDMFSC", "0.14"}, {"EDLUNGRAME", "4.472"}},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakePage page = CoilPage(c.locale);
        Fill(page, c.inputs, c.positions);
        c.click(page);
        EXPECT_TRUE(page.errors.empty()) << page.ErrorTexts().front();
        EXPECT_TRUE(Shows(page, c.shown, c.selected));
    }
}

struct Refusal {
    const char* what;
    Click click;
    Texts inputs;
    std::string box;
};

// Unreadable inputs: one box naming the first field that fails, in each handler's reading
// order and spelling, and no field changes.
TEST(SingleLayer, UnreadableInputsNameTheirField) {
    const Texts allEmpty = {{"ISS", ""}, {"DSS", ""}, {"LSS", ""}, {"MESS", ""}, {"NSSS", ""}};
    const std::vector<Refusal> cases = {
        {"N: inductance first", SBCNSSSClick, allEmpty, "Induttanza"},
        {"N: diameter",
         SBCNSSSClick,
         {{"ISS", "1"}, {"DSS", ""}, {"LSS", ""}},
         "Diametro Avvolgimento"},
        {"N: length",
         SBCNSSSClick,
         {{"ISS", "1"}, {"LSS", ""}, {"MESS", ""}},
         "Lungh. avvolgimento"},
        {"N: permeability",
         SBCNSSSClick,
         {{"ISS", "1"}, {"MESS", "1.0.0"}},
         "Permeabilità relativa nucleo"},
        {"L: diameter first", SBCISSClick, allEmpty, "Diametro Avvolgimento"},
        {"L: turns", SBCISSClick, {{"NSSS", ""}}, "Numero spire"},
        {"D: inductance first", SBCDSSClick, allEmpty, "Induttanza"},
        {"D: turns", SBCDSSClick, {{"ISS", "1"}, {"NSSS", ""}, {"LSS", ""}}, "Numero spire"},
        {"D: length",
         SBCDSSClick,
         {{"ISS", "1"}, {"NSSS", "5"}, {"LSS", ""}},
         "Lungh. avvolgimento"},
        {"l: inductance only", SBCLSSClick, allEmpty, "Induttanza"},
        {"l: diameter in lower case",
         SBCLSSClick,
         {{"ISS", "1"}, {"NSSS", "5"}, {"DSS", ""}},
         "Diametro avvolgimento"},
        {"l: permeability",
         SBCLSSClick,
         {{"ISS", "1"}, {"NSSS", "5"}, {"MESS", ""}},
         "Permeabilità relativa nucleo"},
        {"µe: diameter in lower case",
         SBCMESSClick,
         {{"ISS", "1"}, {"NSSS", "5"}, {"DSS", ""}},
         "Diametro avvolgimento"},
        {"µe: length in full",
         SBCMESSClick,
         {{"ISS", "1"}, {"NSSS", "5"}, {"LSS", ""}},
         "Lunghezza avvolgimento"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakePage page = CoilPage(PointLocale());
        Fill(page, c.inputs);
        const FakePage before = page;
        c.click(page);
        EXPECT_EQ(page.ErrorTexts(), std::vector<std::string>{kBox + c.box});
        EXPECT_EQ(page.texts, before.texts);
        EXPECT_EQ(page.indices, before.indices);
    }
}

struct Fault {
    const char* what;
    Click click;
    Texts inputs;
    std::string box;
    Texts shown; // includes the outputs that keep "old"
};

// Arithmetic faults are reported under the input that made them (a zero divisor, a negative
// value under the root), else under the handler's last field; an unreadable or zero wire
// under its own; whatever was written before the fault stays.
TEST(SingleLayer, FaultsKeepWhatWasWritten) {
    const std::vector<Fault> cases = {
        {"N with a zero permeability",
         SBCNSSSClick,
         {{"ISS", "100"}, {"MESS", "0"}},
         "Permeabilità relativa nucleo",
         {{"NSSS", "old"}, {"EDDMFSC", "old"}}},
        {"N with a zero diameter",
         SBCNSSSClick,
         {{"ISS", "100"}, {"DSS", "0"}},
         "Diametro Avvolgimento",
         {{"NSSS", "old"}}},
        {"L of zero turns: the result, then the derived values divide by zero",
         SBCISSClick,
         {{"NSSS", "0"}},
         "Numero spire",
         {{"ISS", "0.000"}, {"EDDMFSC", "old"}, {"EDLUNGRAME", "old"}, {"Label66", "ohm"}}},
        {"L over a zero length",
         SBCISSClick,
         {{"ISS", "old"}, {"NSSS", "20"}, {"LSS", "0"}},
         "Lungh. avvolgimento",
         {{"ISS", "old"}}},
        {"D with zero turns",
         SBCDSSClick,
         {{"ISS", "100"}, {"NSSS", "0"}},
         "Numero spire",
         {{"DSS", "10"}}},
        {"D with a negative inductance",
         SBCDSSClick,
         {{"ISS", "-0.5"}, {"NSSS", "10"}},
         "Induttanza",
         {{"DSS", "10"}}},
        {"l of a zero inductance",
         SBCLSSClick,
         {{"ISS", "0"}, {"NSSS", "10"}},
         "Induttanza",
         {{"LSS", "20"}}},
        {"µe with a zero diameter",
         SBCMESSClick,
         {{"ISS", "100"}, {"NSSS", "10"}, {"DSS", "0"}},
         "Diametro avvolgimento",
         {{"MESS", "1"}}},
        {"a zero wire: the label names it, the resistance stays",
         SBCISSClick,
         {{"NSSS", "20"}, {"EDDIAM", "0"}},
         "Diametro filo",
         {{"ISS", "1.974"}, {"Label66", "ohm/m ( 0 mm)"}, {"EDRESRAME", "old"}}},
        {"an unreadable wire stops after the wire length",
         SBCNSSSClick,
         {{"ISS", "100"}, {"EDDIAM", "0,5"}},
         "Diametro filo",
         {{"NSSS", " 142.4"},
          {"EDDMFSC", "0.14"},
          {"EDLUNGRAME", "4.472"},
          {"Label66", "ohm"},
          {"EDRESRAME", "old"}}},
        {"a blank wire text is not empty",
         SBCMESSClick,
         {{"ISS", "100"}, {"NSSS", "142.4"}, {"EDDIAM", " "}},
         "Diametro filo",
         {{"MESS", " 1.00"}, {"EDLUNGRAME", "4.474"}, {"Label66", "ohm"}, {"EDRESRAME", "old"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakePage page = CoilPage(PointLocale());
        Fill(page, c.inputs);
        c.click(page);
        EXPECT_EQ(page.ErrorTexts(), std::vector<std::string>{kBox + c.box});
        EXPECT_TRUE(Shows(page, c.shown));
    }
}

TEST(SingleLayer, DerivedValuesInOrder) {
    FakePage page = CoilPage(PointLocale());
    Fill(page, {{"ISS", "100"}});
    SBCNSSSClick(page);
    const std::vector<std::string> order = {"NSSS",     "EDDMFSC",   "EDLUNGRAME",
                                            "Label66",  "EDRESRAME", "EDRESAVV",
                                            "EDKNAGSS", "EDCORRSS",  "UnitEDCORRSS"};
    EXPECT_EQ(page.writes, order);
}

struct Correction {
    const char* what;
    Click click;
    Texts inputs;     // '#' stands for the decimal separator
    const char* k;    // EDKNAGSS
    const char* text; // EDCORRSS
    const char* unit; // UnitEDCORRSS
};

// After the derived values: Nagaoka's coefficient of D 10 mm and l 20 mm, and each handler's
// unknown found again with the corrected relation, in its own pattern and unit.
TEST(SingleLayer, NagaokaCorrection) {
    const std::vector<Correction> cases = {
        {"turns of 100 µH", SBCNSSSClick, {{"ISS", "100"}}, "0#8181", " 157#4", "spire"},
        {"inductance of 20 turns", SBCISSClick, {{"NSSS", "20"}}, "0#8181", "1#615", "µH"},
        {"diameter", SBCDSSClick, {{"ISS", "100"}, {"NSSS", "142#4"}}, "0#8182", "11#2", "mm"},
        {"length", SBCLSSClick, {{"ISS", "100"}, {"NSSS", "142#4"}}, "0#8182", "15#5", "mm"},
        {"permeability", SBCMESSClick, {{"ISS", "100"}, {"NSSS", "142#4"}}, "0#8181", " 1#22", ""},
        {"one turn: nanohenry", SBCISSClick, {{"NSSS", "1"}}, "0#8181", "4#037", "nH"},
        {"the corrected inductance falls into µH",
         SBCISSClick,
         {{"NSSS", "480"}},
         "0#8181",
         "930#203",
         "µH"},
        {"a short coil, l = D / 10",
         SBCNSSSClick,
         {{"ISS", "100"}, {"LSS", "1"}},
         "0#2033",
         "  70#6",
         "spire"},
        {"a flat coil: a length far below 0.1 mm",
         SBCLSSClick,
         {{"ISS", "1"}, {"NSSS", "1"}},
         "0#0346",
         " 0#0",
         "mm"},
        {"a coil too flat for any length in range",
         SBCLSSClick,
         {{"ISS", "1000000"}, {"NSSS", "1"}},
         "0#0000",
         "?",
         "mm"},
        {"zero diameter", SBCISSClick, {{"DSS", "0"}, {"NSSS", "20"}}, "?", "?", ""},
        {"negative diameter", SBCNSSSClick, {{"ISS", "100"}, {"DSS", "-10"}}, "?", "?", "spire"},
        {"zero inductance, zero diameter",
         SBCDSSClick,
         {{"ISS", "0"}, {"NSSS", "10"}},
         "?",
         "?",
         "mm"},
        {"negative inductance, negative length",
         SBCLSSClick,
         {{"ISS", "-100"}, {"NSSS", "142#4"}},
         "?",
         "?",
         "mm"},
        {"negative length",
         SBCMESSClick,
         {{"ISS", "100"}, {"NSSS", "10"}, {"LSS", "-20"}},
         "?",
         "?",
         ""},
    };
    for (const auto& [name, locale] : kBothLocales)
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(name) + ": " + c.what);
            FakePage page = CoilPage(locale);
            for (const auto& [field, text] : c.inputs)
                page.texts[field] = Localised(text, locale);
            c.click(page);
            EXPECT_TRUE(page.errors.empty()) << page.ErrorTexts().front();
            EXPECT_TRUE(Shows(page, {{"EDKNAGSS", Localised(c.k, locale)},
                                     {"EDCORRSS", Localised(c.text, locale)},
                                     {"UnitEDCORRSS", c.unit}}));
        }
}

// A calculation that stops before its derived values are complete leaves K, the corrected
// value and its unit as they were.
TEST(SingleLayer, AnEarlierStopKeepsTheCorrection) {
    const std::vector<std::pair<const char*, std::pair<Click, Texts>>> cases = {
        {"unreadable inductance", {SBCNSSSClick, {{"ISS", ""}}}},
        {"unreadable plain field", {SBCLSSClick, {{"ISS", "100"}, {"NSSS", "x"}}}},
        {"fault in the result", {SBCNSSSClick, {{"ISS", "100"}, {"MESS", "0"}}}},
        {"fault in the derived values", {SBCISSClick, {{"NSSS", "0"}}}},
        {"zero wire", {SBCISSClick, {{"NSSS", "20"}, {"EDDIAM", "0"}}}},
        {"unreadable wire", {SBCMESSClick, {{"ISS", "100"}, {"NSSS", "10"}, {"EDDIAM", "0,5"}}}},
    };
    for (const auto& [what, run] : cases) {
        SCOPED_TRACE(what);
        FakePage page = CoilPage(PointLocale());
        Fill(page, run.second);
        run.first(page);
        EXPECT_EQ(page.errors.size(), 1u);
        EXPECT_TRUE(
            Shows(page, {{"EDKNAGSS", "old"}, {"EDCORRSS", "old"}, {"UnitEDCORRSS", "old"}}));
    }
}

} // namespace
} // namespace velkor::testing
