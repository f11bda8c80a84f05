#include "gapped_inductor.h"

#include "checked.h"
#include "copper.h"
#include "core_loss.h"
#include "ferrite.h"
#include "gap.h"
#include "numbers.h"
#include "parts_library.h"
#include "thermal.h"
#include "unit_values.h"

#include <string_view>

namespace velkor {

namespace {

// A spin field of the sub-page, the name its box gives it, its scale to SI units and the
// smallest value the design can use: a field that divides (or whose zero leaves no winding)
// must be positive, the ripple may be zero, the ambient anything.
enum class Allowed { Positive, NotNegative, Any };
struct InputField {
    std::string_view field;
    std::string_view name;
    long double scale;
    Allowed allowed;
    long double GappedInputs::*member;
};

constexpr InputField kInputs[] = {
    {"LGAP", "L", 1e-6L, Allowed::Positive, &GappedInputs::henry}, // µH -> H
    {"IPKGAP", "I picco", 1, Allowed::Positive, &GappedInputs::peak},
    {"IRMSGAP", "I efficace", 1, Allowed::Positive, &GappedInputs::rms},
    {"DIGAP", "Ondulazione ΔI", 1, Allowed::NotNegative, &GappedInputs::ripple},
    {"FGAP", "Frequenza", 1, Allowed::Positive, &GappedInputs::hertz},
    {"BMGAP", "B max", 1e-3L, Allowed::Positive, &GappedInputs::bmax}, // mT -> T
    {"JGAP", "Densità di corrente", 1, Allowed::Positive, &GappedInputs::density},
    {"TAMBGAP", "T ambiente", 1, Allowed::Any, &GappedInputs::ambient},
};

constexpr std::string_view kCoreName = "Core";
constexpr std::string_view kMaterialName = "Materiale";

constexpr long double kMu0 = 4 * kPi * 1e-7L;  // H/m, permeability of free space
constexpr long double kRectangularDuty = 0.5L; // the choke's voltage: a square wave, D = 0.5

// The look of a checked result when its check passes: the sub-page's result tint.
constexpr Look kNormalLook{kResultTint, kSystemWindowText, false};

bool Acceptable(long double value, Allowed allowed) {
    switch (allowed) {
    case Allowed::Positive:
        return value > 0;
    case Allowed::NotNegative:
        return value >= 0;
    case Allowed::Any:
        break;
    }
    return true;
}

// The winding's copper loss at a core temperature: the DC part of the current on Rdc, the
// ripple (a triangle, rms ΔI/(2√3)) on Fr·Rdc. Also gives Rdc.
struct CopperAt {
    double loss = 0; // W
    double rdc = 0;  // Ω
};
CopperAt ChokeCopper(const GappedInputs& in, const library::Winding& winding,
                     const library::WindingWindow& window, double celsius) {
    const library::CopperResult copper =
        library::WindingCopper(winding, window, static_cast<double>(in.hertz), celsius);
    const Ext ripple = Ext(in.ripple) / (2 * Sqrt(3)); // A rms
    const Ext ripple2 = ripple * ripple;
    const Ext dc2 = Ext(in.rms) * in.rms - ripple2; // A², the rest of the rms current squared
    return {Store(dc2 * copper.rdc + ripple2 * copper.fr * copper.rdc), copper.rdc};
}

} // namespace

GappedDesign DesignGapped(const GappedInputs& in, const library::CoreShape& shape,
                          const library::Material& material, const library::PartsLibrary& library) {
    GappedDesign d;
    const Ext area = Ext(shape.ae) * 1e-6L; // m², Ae
    const Ext path = Ext(shape.le) * 1e-3L; // m, le

    // Turns: the fewest that keep the peak flux L·I_pk/(N·Ae) at or under B max.
    d.turns = Ceil32(Ext(in.henry) * in.peak / (Ext(in.bmax) * area));
    const Ext turns = d.turns;

    // The total gap that gives L with N turns, its flux fringing around it (window height 2D).
    if (const auto gap = library::GapFor(static_cast<double>(in.henry), d.turns, Store(area),
                                         Store(path), material.muI, shape.windowHeight * 1e-3)) {
        d.gap = Store(Ext(gap->length) * 1000); // m -> mm
        d.fringing = gap->fringing;
    }

    // Inductance factor in nH per turn², and the flux densities in mT.
    d.al = Store(Ext(in.henry) / (turns * turns) * 1e9L);
    d.peakFlux = Store(Ext(in.henry) * in.peak / (turns * area) * 1000);
    d.swing = Store(Ext(in.henry) * in.ripple / (turns * area) * 1000);
    d.saturationAlarm = Ext(d.peakFlux) > Ext(material.bsat100) * 1000;

    // Wire: the bare diameter that carries I_rms at the density J, d = 2√(I/(π·J)), mm; then
    // the wire to buy for the skin depth at the working frequency.
    d.diameter = Store(2 * Sqrt(Ext(in.rms) / (Ext(kPi) * in.density)));
    if (const auto depth = SkinDepth(in.hertz))
        d.wire = WireToBuy(d.diameter, Store(*depth));
    if (!d.wire)
        return d;

    // Bare copper of the N turns of n strands over the core's window.
    const Ext strandArea = Ext(kPi) * d.wire->size * d.wire->size / 4; // mm²
    d.fill = Store(turns * d.wire->strands * strandArea / shape.windowArea);
    d.fillAlarm = *d.fill > kMostWindowFill;

    // Losses and the temperature they leave, in the bobbin's window and mean turn.
    const library::WindingWindow window = library.WindowOf(shape);
    const library::Winding winding{static_cast<double>(d.turns), d.wire->strands, d.wire->size,
                                   library.OverallDiameter(d.wire->size)};
    const double volume = Store(Ext(shape.ve) * 1e-9L); // m³
    const double swingT = d.swing / 1000;               // T, peak to peak
    const library::LossesAt losses = [&](double celsius) -> std::optional<library::Losses> {
        // Core: a rectangular voltage at D = 0.5 sweeps the flux by ΔB; the DC flux is left out.
        double core = 0; // W
        if (swingT > 0) {
            const auto density = library::RectangularLossDensity(
                material, static_cast<double>(in.hertz), swingT, kRectangularDuty, celsius);
            if (!density)
                return std::nullopt;
            core = Store(Ext(*density) * volume);
        }
        return library::Losses{core, ChokeCopper(in, winding, window, celsius).loss};
    };
    const auto equilibrium = library::SolveTemperature(
        static_cast<double>(in.ambient), library::ThermalResistance(shape.ve), losses);
    if (equilibrium) {
        d.heat =
            GappedHeat{equilibrium->losses.core, equilibrium->losses.copper, equilibrium->celsius,
                       ChokeCopper(in, winding, window, equilibrium->celsius).rdc};
        d.heatAlarm = equilibrium->celsius > kHottestCore;
    } else {
        d.heatAlarm = true; // a runaway, or a core loss with no answer
    }
    return d;
}

void SBCALCGAPClick(Page& page) {
    const NumberLocale& locale = page.Locale();
    GappedInputs in;
    for (const InputField& input : kInputs)
        in.*input.member = SpinValue(page.Text(input.field), locale) * input.scale;

    // The core and the material from the library; a ferrite toroid cannot be gapped.
    const library::PartsLibrary* library = page.Library();
    const library::CoreShape* shape = library ? library->FindShape(page.Text("COREGAP")) : nullptr;
    if (!shape || shape->Toroid()) {
        ShowFieldError(page, kCoreName);
        return;
    }
    const library::Material* material = library->FindMaterial(page.Text("MATGAP"));
    if (!material) {
        ShowFieldError(page, kMaterialName);
        return;
    }
    for (const InputField& input : kInputs) {
        if (!Acceptable(in.*input.member, input.allowed)) {
            ShowFieldError(page, input.name);
            return;
        }
    }
    // The rms current holds the ripple's own rms, ΔI/(2√3): a smaller one cannot be.
    if (Ext(in.rms) * in.rms * 12 < Ext(in.ripple) * in.ripple) {
        ShowFieldError(page, "I efficace");
        return;
    }

    const GappedDesign d = DesignGapped(in, *shape, *material, *library);

    const auto show = [&](std::string_view field, std::string_view pattern,
                          const std::optional<double>& value) {
        page.SetText(field, value ? Format(pattern, *value, locale) : std::string("?"));
    };
    show("NGAP", "%4.0f", d.turns);
    show("TRAFGAP", "%1.3f", d.gap);
    show("FRINGGAP", "%1.3f", d.fringing);
    show("ALGAP", "%5.0f", d.al);
    show("BPKGAP", "%4.0f", d.peakFlux);
    show("DBGAP", "%4.0f", d.swing);
    page.SetText("FILOGAP", WireText(d.wire, locale));
    show("RIEMPGAP", "%1.2f", d.fill);
    const auto heat = [&](double GappedHeat::*member) -> std::optional<double> {
        if (!d.heat)
            return std::nullopt;
        return (*d.heat).*member;
    };
    const auto milliohm = heat(&GappedHeat::rdc);
    show("RDCGAP", "%5.1f", milliohm ? std::optional<double>(*milliohm * 1000) : std::nullopt);
    show("PNUCGAP", "%1.2f", heat(&GappedHeat::coreLoss));
    show("PRAMEGAP", "%1.2f", heat(&GappedHeat::copperLoss));
    show("TGAP", "%3.0f", heat(&GappedHeat::celsius));
    ApplyLook(page, "BPKGAP", d.saturationAlarm ? kAlarmLook : kNormalLook);
    ApplyLook(page, "RIEMPGAP", d.fillAlarm ? kAlarmLook : kNormalLook);
    ApplyLook(page, "TGAP", d.heatAlarm ? kAlarmLook : kNormalLook);
}

} // namespace velkor
