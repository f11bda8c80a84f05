#include "ferrite_losses.h"

#include "checked.h"
#include "core_loss.h"
#include "numbers.h"
#include "parts_library.h"
#include "thermal.h"

#include <cmath>
#include <optional>
#include <string>

namespace velkor {

namespace {

constexpr double kDuty = 0.5; // share of the period the flux rises, rectangular drive
constexpr long double kGaussPerTesla = 1e4L; // G/T
constexpr double kCubicMetrePerMm3 = 1e-9;   // m³/mm³

// The winding the design checks chose: n strands of a standard size, enamelled as grade 1.
library::Winding WindingOf(double turns, const WireChoice& wire,
                           const library::PartsLibrary& library) {
    library::Winding winding;
    winding.turns = turns;
    winding.strands = wire.strands;
    winding.size = wire.size;                             // mm
    winding.overall = library.OverallDiameter(wire.size); // mm
    return winding;
}

// The copper of one winding at a temperature, and the power it dissipates: P = I² · Fr · Rdc
// (the fundamental only). Throws Fault for a winding that cannot be computed.
WindingLoss CopperAt(WindingLoss loss, const library::WindingWindow& window, double hertz,
                     double celsius) {
    loss.copper = library::WindingCopper(loss.winding, window, hertz, celsius);
    const Ext current = loss.current; // A rms
    loss.watts = Store(current * current * loss.copper.fr * loss.copper.rdc);
    return loss;
}

// The flux the core sees: K = 4.44 (as typed, to two decimals) is a sine of peak B̂; any other
// K a rectangular voltage of duty 0.5 whose flux swings ΔB = K · B̂ / 2 (K = 4: ±B̂; K = 2, the
// forward converter: 0 to B̂).
bool IsSine(long double k) {
    return std::fabs(k - kSineFormFactor) < 0.005L;
}

} // namespace

LossEstimate EstimateLosses(const FerriteDesign& design, const FerriteInputs& inputs,
                            double ambient, const library::CoreShape& core,
                            const library::Material& material,
                            const library::PartsLibrary& library) {
    LossEstimate estimate;
    const WindingChecks& checks = design.checks;
    const double secondaryTurns = std::floor(design.ns + 0.5); // whole turns, halves up
    if (!checks.primaryWire || !checks.secondaryWire || !(design.np >= 1) ||
        !(secondaryTurns >= 1) || !(core.ve > 0))
        return estimate;

    const double hertz = static_cast<double>(inputs.freq); // Hz
    try {
        // The flux at the highest supply voltage, as the saturation check sees it, in tesla.
        const Ext peak = Ext(std::fabs(design.bmaxEff)) / kGaussPerTesla; // T
        estimate.sine = IsSine(inputs.k);
        estimate.flux = Store(estimate.sine ? peak : Ext(inputs.k) * peak / 2);
        estimate.rth = library::ThermalResistance(core.ve);
        estimate.window = library.WindowOf(core);
        estimate.primary.winding = WindingOf(design.np, *checks.primaryWire, library);
        estimate.primary.current = design.ip;
        estimate.secondary.winding = WindingOf(secondaryTurns, *checks.secondaryWire, library);
        estimate.secondary.current = design.is;
    } catch (const Fault&) {
        estimate.outcome = LossOutcome::NoAnswer;
        return estimate;
    }
    const double volume = core.ve * kCubicMetrePerMm3; // m³

    // Core and copper losses at a core temperature; none where the core loss has no answer.
    // The windings of the last temperature asked are kept: the loop ends on its answer.
    WindingLoss primary = estimate.primary;
    WindingLoss secondary = estimate.secondary;
    double lastCelsius = 0; // °C, where `primary` and `secondary` were found
    const auto lossesAt = [&](double celsius) -> std::optional<library::Losses> {
        try {
            const std::optional<double> density =
                estimate.sine ? library::SineLossDensity(material, hertz, estimate.flux, celsius)
                              : library::RectangularLossDensity(material, hertz, estimate.flux,
                                                                kDuty, celsius);
            if (!density)
                return std::nullopt;
            const double coreWatts = Store(Ext(*density) * volume); // Pv · Ve, W
            primary = CopperAt(estimate.primary, estimate.window, hertz, celsius);
            secondary = CopperAt(estimate.secondary, estimate.window, hertz, celsius);
            lastCelsius = celsius;
            const double copperWatts = Store(Ext(primary.watts) + secondary.watts);
            if (!std::isfinite(coreWatts) || coreWatts < 0)
                return std::nullopt;
            return library::Losses{coreWatts, copperWatts};
        } catch (const Fault&) {
            return std::nullopt;
        }
    };
    std::optional<library::Equilibrium> equilibrium;
    try {
        equilibrium = library::SolveTemperature(ambient, estimate.rth, lossesAt);
    } catch (const Fault&) {
        // An ambient beyond the number range: no temperature to find.
    }
    if (!equilibrium) {
        estimate.outcome = LossOutcome::NoAnswer;
        return estimate;
    }

    try {
        estimate.celsius = equilibrium->celsius;
        estimate.core = equilibrium->losses.core;
        estimate.copper = equilibrium->losses.copper;
        estimate.lossDensity = Store(Ext(estimate.core) / volume);
        const bool kept = lastCelsius == estimate.celsius;
        estimate.primary =
            kept ? primary : CopperAt(estimate.primary, estimate.window, hertz, estimate.celsius);
        estimate.secondary =
            kept ? secondary
                 : CopperAt(estimate.secondary, estimate.window, hertz, estimate.celsius);
        // The transformer alone: the power delivered over the power it takes in.
        const Ext delivered = inputs.psec; // W
        estimate.efficiency =
            Store(delivered * 100 / (delivered + estimate.core + estimate.copper));
    } catch (const Fault&) {
        estimate.outcome = LossOutcome::NoAnswer;
        return estimate;
    }
    estimate.hot = estimate.celsius > kHottestCore;
    estimate.belowEstimate = estimate.efficiency < inputs.eta;
    estimate.outcome = LossOutcome::Done;
    return estimate;
}

FerriteInputs WithParts(FerriteInputs inputs, const library::CoreShape& core,
                        const library::Material& material) {
    // Whole tenths and whole units divided as long doubles: the values of the typed texts.
    inputs.ae = std::round(core.ae * 10) / 10.0L;                // mm²
    inputs.ac = std::round(core.windowArea * 10) / 10.0L;        // mm²
    inputs.al = std::round(library::AlEstimate(core, material)); // nH/turn²
    inputs.bsat = std::round(material.bsat100 * kGaussPerTesla); // G
    return inputs;
}

FerriteEvaluation EvaluateFerrite(const FerriteInputs& inputs, double ambient,
                                  const library::CoreShape& core, const library::Material& material,
                                  const library::PartsLibrary& library) {
    FerriteEvaluation evaluation{DesignFerrite(inputs), {}};
    evaluation.losses = EstimateLosses(evaluation.design, inputs, ambient, core, material, library);
    return evaluation;
}

void ShowFerriteLosses(Page& page, const FerriteDesign& design, const FerriteInputs& inputs) {
    const NumberLocale& locale = page.Locale();
    LossEstimate estimate;
    if (const library::PartsLibrary* library = page.Library()) {
        const library::CoreShape* core = library->FindShape(page.Text("Edit1"));
        const library::Material* material = library->FindMaterial(page.Text("Edit2"));
        if (core && material) {
            const long double ambient = SpinValue(page.Text("TAMBFER"), locale); // °C
            estimate = EstimateLosses(design, inputs, static_cast<double>(ambient), *core,
                                      *material, *library);
        }
    }
    const bool done = estimate.outcome == LossOutcome::Done;
    page.SetText("PNUCLEO", done ? Format("%1.2f", estimate.core, locale) : "?");
    page.SetText("PRAME", done ? Format("%1.2f", estimate.copper, locale) : "?");
    page.SetText("TNUCLEO", done ? Format("%3.0f", estimate.celsius, locale) : "?");
    page.SetText("RENDCALC", done ? Format("%4.1f", estimate.efficiency, locale) : "?");
    // One rule for a design without an answer: the temperature field takes the alarm.
    const bool hot = estimate.outcome == LossOutcome::NoAnswer || (done && estimate.hot);
    ApplyLook(page, "TNUCLEO", hot ? kAlarmLook : kFerriteNormalLook);
    ApplyLook(page, "RENDCALC", done && estimate.belowEstimate ? kAlarmLook : kFerriteNormalLook);
}

} // namespace velkor
