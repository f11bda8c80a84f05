#include "adviser.h"

#include "faults.h"
#include "numbers.h"
#include "parts_library.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <unordered_set>
#include <utility>

namespace velkor {

namespace {

constexpr double kGaussPerTesla = 1e4; // G/T
// Applying writes no value this large or larger: no part has one (part_apply.cpp).
constexpr double kLargest = 1e12; // in the field's unit

// The spin field of each input, as "Calcola" reads them.
constexpr std::pair<std::string_view, long double FerriteInputs::*> kInputFields[] = {
    {"VPMIN", &FerriteInputs::vpmin}, {"VPMAX", &FerriteInputs::vpmax},
    {"VSPP", &FerriteInputs::vspp},   {"PSEC", &FerriteInputs::psec},
    {"FATTF", &FerriteInputs::k},     {"FREQ", &FerriteInputs::freq},
    {"DCMQ", &FerriteInputs::j},      {"BSAT", &FerriteInputs::bsat},
    {"AL", &FerriteInputs::al},       {"AE", &FerriteInputs::ae},
    {"AC", &FerriteInputs::ac},       {"PUN", &FerriteInputs::pun},
    {"ETA", &FerriteInputs::eta},
};

// A value as applying types it into a field (part_apply.cpp): rounded to `decimals` decimals
// in extended precision, halves away from zero; the text written reads back as this value.
// A value that is not positive, finite and below kLargest is not written: the field keeps
// `kept`.
long double Typed(double value, int decimals, long double kept) {
    if (!std::isfinite(value) || !(value > 0) || !(value < kLargest))
        return kept;
    long double scale = 1;
    for (int d = 0; d < decimals; ++d)
        scale *= 10;
    return std::round(static_cast<long double>(value) * scale) / scale;
}

// The records typing a name reaches: the first of those sharing a canonical name.
template <class Part> std::vector<const Part*> Reachable(const std::vector<Part>& parts) {
    std::vector<const Part*> reachable;
    std::unordered_set<std::string> seen;
    for (const Part& part : parts)
        if (seen.insert(library::NameKey(part.name)).second)
            reachable.push_back(&part);
    return reachable;
}

} // namespace

const char* CheckName(AdviserCheck check) {
    switch (check) {
    case AdviserCheck::Incomplete:
        return "calcolo incompleto";
    case AdviserCheck::AreaProduct:
        return "AeAc minore di AeAc minima";
    case AdviserCheck::Saturation:
        return "Bmax effettiva oltre Bsat";
    case AdviserCheck::WindowFill:
        return "riempimento finestra oltre 0,40";
    case AdviserCheck::Temperature:
        return "temperatura nucleo oltre 100 °C";
    case AdviserCheck::Efficiency:
        return "rendimento calcolato minore del rendimento stimato";
    }
    return "";
}

AdviserCheck AdviserResult::MostFailed() const {
    const auto most = std::max_element(failures.begin(), failures.end());
    return static_cast<AdviserCheck>(most - failures.begin());
}

AdviserInputs ReadAdviserInputs(const Page& page) {
    AdviserInputs inputs;
    for (const auto& [field, member] : kInputFields)
        inputs.design.*member = SpinValue(page.Text(field), page.Locale());
    inputs.ambient = static_cast<double>(SpinValue(page.Text("TAMBFER"), page.Locale())); // °C
    return inputs;
}

FerriteInputs AppliedInputs(FerriteInputs inputs, const library::CoreShape& core,
                            const library::Material& material) {
    inputs.ae = Typed(core.ae, 1, inputs.ae);                               // mm²
    inputs.ac = Typed(core.windowArea, 1, inputs.ac);                       // mm²
    inputs.al = Typed(library::AlEstimate(core, material), 0, inputs.al);   // nH/turn²
    inputs.bsat = Typed(material.bsat100 * kGaussPerTesla, 0, inputs.bsat); // G
    return inputs;
}

std::vector<FieldText> PageTexts(const Suggestion& suggestion, const NumberLocale& locale) {
    const FerriteDesign& d = suggestion.result.design;
    const LossEstimate& losses = suggestion.result.losses;
    // The patterns of the page's fields (ferrite.cpp, ferrite_losses.cpp).
    return {
        {"NSP",
         FormatPattern("%4.0f (%4.1f)", {static_cast<long double>(d.np), d.npExact}, locale)},
        {"NSS", Format("%4.0f", d.ns, locale)},
        {"BMAXEFF", Format("%4.0f", d.bmaxEff, locale)},
        {"RIEMPFER", d.checks.windowFill ? Format("%1.2f", *d.checks.windowFill, locale) : "?"},
        {"PNUCLEO", Format("%1.2f", losses.core, locale)},
        {"PRAME", Format("%1.2f", losses.copper, locale)},
        {"TNUCLEO", Format("%3.0f", losses.celsius, locale)},
        {"RENDCALC", Format("%4.1f", losses.efficiency, locale)},
    };
}

AdviserResult Advise(const AdviserInputs& inputs, const library::PartsLibrary& library,
                     const library::Material* material, AdviserProgress* progress) {
    AdviserResult result;
    const std::vector<const library::CoreShape*> cores = Reachable(library.Shapes());
    std::vector<const library::Material*> materials;
    if (material)
        materials.push_back(material);
    else
        materials = Reachable(library.Materials());
    const auto fail = [&result](AdviserCheck check) {
        ++result.failures[static_cast<std::size_t>(check)];
    };
    const auto cancelled = [&] {
        return progress && progress->cancel.load(std::memory_order_relaxed);
    };
    const auto count = [&](int designs) {
        if (progress)
            progress->done.fetch_add(designs, std::memory_order_relaxed);
    };
    const int pairs = static_cast<int>(cores.size() * materials.size());
    if (progress)
        progress->total = 2 * pairs; // the designs, then their losses

    // First the nineteen steps and the checks of the windings, on every pair: quick.
    std::vector<Suggestion> candidates;
    for (const library::Material* mat : materials) {
        for (const library::CoreShape* core : cores) {
            if (cancelled()) {
                result.cancelled = true;
                return result;
            }
            count(1);
            ++result.tried;
            Suggestion s{core, mat, false, AppliedInputs(inputs.design, *core, *mat), {}};
            try {
                s.result.design = DesignFerrite(s.applied);
            } catch (const Fault&) {
                fail(AdviserCheck::Incomplete);
                continue;
            }
            const FerriteDesign& d = s.result.design;
            const bool wires = d.checks.primaryWire && d.checks.secondaryWire;
            bool failed = false;
            for (const auto& [alarm, check] :
                 {std::pair{d.coreAlarm, AdviserCheck::AreaProduct},
                  {d.saturationAlarm, AdviserCheck::Saturation},
                  {d.checks.fillAlarm || !wires, AdviserCheck::WindowFill}}) {
                if (alarm) {
                    fail(check);
                    failed = true;
                }
            }
            if (!failed)
                candidates.push_back(std::move(s));
        }
    }

    // Then the losses, with their temperature loop (the costly part), smallest core first:
    // once kAdviserShown designs pass, a larger core can no longer enter the list.
    std::stable_sort(
        candidates.begin(), candidates.end(),
        [](const Suggestion& a, const Suggestion& b) { return a.core->ve < b.core->ve; });
    count(pairs - static_cast<int>(candidates.size()));
    std::vector<Suggestion> passed;
    for (Suggestion& s : candidates) {
        if (passed.size() >= kAdviserShown && s.core->ve > passed[kAdviserShown - 1].core->ve)
            break;
        if (cancelled()) {
            result.cancelled = true;
            break;
        }
        count(1);
        s.result.losses = EstimateLosses(s.result.design, s.applied, inputs.ambient, *s.core,
                                         *s.material, library);
        const LossEstimate& losses = s.result.losses;
        if (losses.outcome == LossOutcome::NoParts) {
            fail(AdviserCheck::Incomplete);
            continue;
        }
        const bool done = losses.outcome == LossOutcome::Done;
        if (!done || losses.hot)
            fail(AdviserCheck::Temperature);
        if (done && losses.belowEstimate)
            fail(AdviserCheck::Efficiency);
        if (!done || losses.hot || losses.belowEstimate)
            continue;
        s.inStock = library.InStock(*s.core, *s.material);
        passed.push_back(std::move(s));
    }
    if (progress && !result.cancelled)
        progress->done = progress->total.load();

    // The smallest core that works first; among equal volumes, the one that loses least.
    result.passed = static_cast<int>(passed.size());
    const auto better = [](const Suggestion& a, const Suggestion& b) {
        if (a.core->ve != b.core->ve)
            return a.core->ve < b.core->ve;
        return a.TotalLoss() < b.TotalLoss();
    };
    std::stable_sort(passed.begin(), passed.end(), better);
    passed.resize(std::min(passed.size(), kAdviserShown));
    result.suggestions = std::move(passed);
    return result;
}

} // namespace velkor
