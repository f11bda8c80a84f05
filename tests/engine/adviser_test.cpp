// The core adviser against the page's own "Calcola": what applying writes, every suggestion
// reproduced on an in-memory page, the ranking, a run where nothing passes, cancelling.
#include "adviser.h"

#include "fake_page.h"
#include "faults.h"
#include "library/shipped_library.h"
#include "locale_text.h"
#include "part_apply.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velkor {
namespace {

using library::testing::Shipped;

// An in-memory ferrite page that looks its parts up in the shipped library.
class LibraryPage : public testing::FakePage {
public:
    explicit LibraryPage(NumberLocale locale) : FakePage(std::move(locale)) {}
    const library::PartsLibrary* Library() const override { return &Shipped(); }

    // The page's spin fields holding `inputs` as a user types them.
    void Type(const AdviserInputs& inputs) {
        const FerriteInputs& d = inputs.design;
        const std::pair<const char*, long double> values[] = {
            {"VPMIN", d.vpmin}, {"VPMAX", d.vpmax},
            {"VSPP", d.vspp},   {"PSEC", d.psec},
            {"FATTF", d.k},     {"FREQ", d.freq},
            {"DCMQ", d.j},      {"BSAT", d.bsat},
            {"AL", d.al},       {"AE", d.ae},
            {"AC", d.ac},       {"PUN", d.pun},
            {"ETA", d.eta},     {"TAMBFER", inputs.ambient},
        };
        for (const auto& [field, value] : values)
            texts[field] = FormatGeneral(value, Locale());
    }
};

AdviserInputs At(long double freq, long double psec, long double eta) {
    AdviserInputs inputs;
    inputs.design.freq = freq; // Hz
    inputs.design.psec = psec; // W
    inputs.design.eta = eta;   // %
    return inputs;
}

TEST(Adviser, AppliedInputsAreWhatApplyingWrites) {
    // Every shape in two materials: the values the pickers type read back as AppliedInputs.
    for (const char* materialName : {"N87", "3C90"}) {
        const library::Material& material = *Shipped().FindMaterial(materialName);
        for (const library::CoreShape& shape : Shipped().Shapes()) {
            if (Shipped().FindShape(shape.name) != &shape)
                continue;
            LibraryPage page(CommaLocale());
            page.Type({});
            page.texts["Edit1"] = shape.name;
            page.texts["Edit2"] = material.name;
            ASSERT_TRUE(ApplyCore(page, kFerriteParts));
            ASSERT_TRUE(ApplyMaterial(page, kFerriteParts));
            const AdviserInputs typed = ReadAdviserInputs(page);
            const FerriteInputs applied = AppliedInputs({}, shape, material);
            EXPECT_EQ(typed.design.ae, applied.ae) << shape.name;
            EXPECT_EQ(typed.design.ac, applied.ac) << shape.name;
            EXPECT_EQ(typed.design.al, applied.al) << shape.name;
            EXPECT_EQ(typed.design.bsat, applied.bsat) << shape.name;
        }
    }
}

TEST(Adviser, EverySuggestionIsWhatCalcolaShows) {
    const struct {
        const char* material; // null: every material
        AdviserInputs inputs;
    } cases[] = {
        {"N87", At(100000, 20, 80)},
        {nullptr, At(50000, 30, 80)},
    };
    for (const auto& c : cases) {
        const library::Material* material =
            c.material ? Shipped().FindMaterial(c.material) : nullptr;
        const AdviserResult result = Advise(c.inputs, Shipped(), material);
        ASSERT_FALSE(result.suggestions.empty());
        EXPECT_LE(result.suggestions.size(), kAdviserShown);
        EXPECT_GE(result.passed, static_cast<int>(result.suggestions.size()));
        for (const testing::NamedLocale& named : testing::kBothLocales) {
            for (const Suggestion& s : result.suggestions) {
                if (c.material) {
                    EXPECT_EQ(s.material, material);
                }
                LibraryPage page(named.locale);
                page.Type(c.inputs);
                page.texts["Edit1"] = s.core->name;
                page.texts["Edit2"] = s.material->name;
                ApplyCore(page, kFerriteParts);
                ApplyMaterial(page, kFerriteParts);
                SBCALCClick(page);
                for (const FieldText& shown : PageTexts(s, named.locale))
                    EXPECT_EQ(page.Text(shown.field), shown.text)
                        << s.core->name << " " << s.material->name << " " << shown.field;
                // Every check of the page passes.
                for (const char* field : {"AEAC", "BMAXEFF", "RIEMPFER", "TNUCLEO", "RENDCALC"})
                    EXPECT_FALSE(page.LookOf(field).bold) << s.core->name << " " << field;
            }
        }
        // Smallest core first, equal volumes by their total loss.
        for (std::size_t i = 1; i < result.suggestions.size(); ++i) {
            const Suggestion& a = result.suggestions[i - 1];
            const Suggestion& b = result.suggestions[i];
            EXPECT_TRUE(a.core->ve < b.core->ve ||
                        (a.core->ve == b.core->ve && a.TotalLoss() <= b.TotalLoss()));
        }
    }
}

TEST(Adviser, EveryMaterialTriesEveryReachablePair) {
    const AdviserResult one = Advise(At(100000, 20, 80), Shipped(), Shipped().FindMaterial("N87"));
    const AdviserResult all = Advise(At(100000, 20, 80), Shipped(), nullptr);
    EXPECT_EQ(all.tried % one.tried, 0);
    EXPECT_EQ(all.tried / one.tried, static_cast<int>(Shipped().Materials().size()));
    // The best of every material is no larger than the best in one of them.
    ASSERT_FALSE(one.suggestions.empty());
    EXPECT_LE(all.suggestions.front().core->ve, one.suggestions.front().core->ve);
}

TEST(Adviser, TheListIsTheBestOfEveryDesignEvaluatedWhole) {
    // The losses are computed smallest core first and stop once the list is full: the list
    // must be the one of every design evaluated whole, ranked by Ve, then by total loss.
    const AdviserInputs inputs = At(100000, 20, 80);
    const library::Material& n87 = *Shipped().FindMaterial("N87");
    std::vector<std::pair<const library::CoreShape*, double>> all; // core, total loss
    for (const library::CoreShape& core : Shipped().Shapes()) {
        if (Shipped().FindShape(core.name) != &core)
            continue;
        const FerriteInputs applied = AppliedInputs(inputs.design, core, n87);
        try {
            const FerriteEvaluation e =
                EvaluateFerrite(applied, inputs.ambient, core, n87, Shipped());
            if (!e.design.coreAlarm && !e.design.saturationAlarm && !e.design.checks.fillAlarm &&
                e.losses.outcome == LossOutcome::Done && !e.losses.hot && !e.losses.belowEstimate)
                all.emplace_back(&core, e.losses.core + e.losses.copper);
        } catch (const Fault&) {
        }
    }
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
        return a.first->ve != b.first->ve ? a.first->ve < b.first->ve : a.second < b.second;
    });
    const AdviserResult result = Advise(inputs, Shipped(), &n87);
    ASSERT_EQ(result.suggestions.size(), std::min(all.size(), kAdviserShown));
    for (std::size_t i = 0; i < result.suggestions.size(); ++i)
        EXPECT_EQ(result.suggestions[i].core, all[i].first) << i;
}

TEST(Adviser, NothingPassesSaysWhichCheckFailedMostOften) {
    const struct {
        const char* name;
        AdviserInputs inputs;
        AdviserCheck most;
    } cases[] = {
        // 10 kW at 20 kHz: the windings fit no core's window.
        {"no room", At(20000, 10000, 50), AdviserCheck::WindowFill},
        // 99 % efficiency expected of every design.
        {"efficiency", At(100000, 20, 99.9L), AdviserCheck::Efficiency},
    };
    for (const auto& c : cases) {
        const AdviserResult result = Advise(c.inputs, Shipped(), Shipped().FindMaterial("N87"));
        EXPECT_TRUE(result.suggestions.empty()) << c.name;
        EXPECT_EQ(result.passed, 0) << c.name;
        EXPECT_GT(result.tried, 0) << c.name;
        EXPECT_EQ(result.MostFailed(), c.most) << c.name;
    }
    // A design that cannot be computed at all (no supply voltage).
    AdviserInputs broken = At(100000, 20, 80);
    broken.design.vpmin = 0;
    const AdviserResult result = Advise(broken, Shipped(), Shipped().FindMaterial("N87"));
    EXPECT_EQ(result.failures[static_cast<int>(AdviserCheck::Incomplete)], result.tried);
    EXPECT_EQ(result.MostFailed(), AdviserCheck::Incomplete);
}

TEST(Adviser, CancelStopsAndEmptyLibraryTriesNothing) {
    AdviserProgress progress;
    progress.cancel = true;
    const AdviserResult cancelled = Advise(At(100000, 20, 80), Shipped(), nullptr, &progress);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(cancelled.tried, 0);
    EXPECT_GT(progress.total.load(), 0);

    AdviserProgress counted;
    const AdviserResult whole = Advise(At(100000, 20, 80), Shipped(), nullptr, &counted);
    EXPECT_FALSE(whole.cancelled);
    EXPECT_EQ(counted.done.load(), counted.total.load());
    EXPECT_EQ(2 * whole.tried, counted.total.load()); // the steps, then the losses

    const library::PartsLibrary empty;
    const AdviserResult none = Advise(At(100000, 20, 80), empty, nullptr);
    EXPECT_EQ(none.tried, 0);
    EXPECT_TRUE(none.suggestions.empty());
}

TEST(Adviser, UnreadableInputIsAConversionError) {
    LibraryPage page(PointLocale());
    page.Type({});
    EXPECT_EQ(ReadAdviserInputs(page).design.vspp, 600.0L);
    page.texts["TAMBFER"] = "4o";
    EXPECT_THROW(ReadAdviserInputs(page), ConversionError);
}

} // namespace
} // namespace velkor
