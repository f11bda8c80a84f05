#include "flyback.h"

#include "checked.h"
#include "copper.h"
#include "core_loss.h"
#include "ferrite.h"
#include "gap.h"
#include "parts_library.h"
#include "thermal.h"

#include <algorithm>
#include <cmath>

namespace velkor {

namespace {

constexpr long double kSquareMetre = 1e-6L; // m² per mm²
constexpr long double kMetre = 1e-3L;       // m per mm
constexpr long double kCubicMetre = 1e-9L;  // m³ per mm³

// The cycle at the input `volts` with the primary inductance `lp` (H), the reflected voltage
// `vor` (V) and the input power `pin` (W) at the frequency `freq` (Hz).
FlybackCycle CycleAt(Ext volts, Ext lp, Ext vor, Ext pin, Ext freq) {
    FlybackCycle cycle;
    cycle.volts = Store(volts);
    // Volt-seconds balance of the core: V·D = VOR·(1 − D).
    Ext duty = vor / (volts + vor);
    // The current climbs by V·D/(Lp·f) while the switch conducts.
    Ext ripple = volts * duty / (lp * freq);
    // The mean of the primary current while on, from the input power: Pin = V·D·Ion.
    const Ext on = pin / (volts * duty);
    Ext peak;
    Ext secondary;
    if (on - ripple / 2 >= 0) {
        // Continuous: a trapezoid around Ion; the secondary takes the rest of the period.
        cycle.continuous = true;
        peak = on + ripple / 2;
        secondary = 1 - duty;
    } else {
        // Discontinuous: each cycle stores ½·Lp·Ipk² and delivers it all, Pin = ½·Lp·Ipk²·f;
        // the current starts from zero, and the secondary empties the core in D·V/VOR.
        peak = Sqrt(2 * pin / (lp * freq));
        duty = peak * lp * freq / volts;
        ripple = peak;
        secondary = duty * volts / vor;
    }
    cycle.duty = Store(duty);
    cycle.ripple = Store(ripple);
    cycle.peak = Store(peak);
    cycle.secondary = Store(secondary);
    return cycle;
}

// Rms value of a trapezoid of peak `peak` and swing `swing` that lasts a share `share` of the
// period: √(share·(Ipk² − Ipk·ΔI + ΔI²/3)); a triangle when ΔI = Ipk.
double TrapezoidRms(Ext share, Ext peak, Ext swing) {
    return Store(Sqrt(share * (peak * peak - peak * swing + swing * swing / 3)));
}

// Bare diameter (mm) of the round wire that carries `rms` A at `density` A/mm².
double BareDiameter(Ext rms, Ext density) {
    return Store(2 * Sqrt(rms / (Ext(kPi) * density)));
}

// True when the temperature bracket of every band of the material is positive at `celsius`:
// every band has an answer there.
bool EveryBandAnswers(const library::Material& material, double celsius) {
    for (const library::SteinmetzBand& band : material.bands)
        if (!(band.ct2 * celsius * celsius - band.ct1 * celsius + band.ct0 > 0))
            return false;
    return true;
}

// The core loss density (W/m³) of one rectangular voltage at any temperature of the thermal
// loop. A rectangular and a sine density at the same frequency take the same band (or blend of
// bands) and differ only in terms that do not depend on the temperature, as long as the same
// bands answer: then the rectangular density at T is its value at a reference temperature
// times the sine's ratio between T and that reference, and the sine costs a sixth of the
// rectangular density to compute. Where a band has no answer, the density is asked directly.
class CoreLossAt {
public:
    CoreLossAt(const library::Material& material, double freq, const FlybackCycle& cycle,
               double reference)
        : material_(material), freq_(freq), swing_(cycle.fluxSwing), duty_(cycle.duty) {
        if (!EveryBandAnswers(material, reference))
            return;
        rectangular_ = library::RectangularLossDensity(material, freq, swing_, duty_, reference);
        sine_ = library::SineLossDensity(material, freq, kSinePeak, reference);
    }

    std::optional<double> operator()(double celsius) const {
        if (rectangular_ && sine_ && *sine_ > 0 && EveryBandAnswers(material_, celsius)) {
            if (const auto sine = library::SineLossDensity(material_, freq_, kSinePeak, celsius)) {
                const double density = *rectangular_ * (*sine / *sine_); // W/m³
                if (std::isfinite(density))
                    return density;
            }
        }
        return library::RectangularLossDensity(material_, freq_, swing_, duty_, celsius);
    }

private:
    static constexpr double kSinePeak = 0.1; // T: only the ratio of two temperatures counts
    const library::Material& material_;
    double freq_;  // Hz
    double swing_; // T, peak to peak
    double duty_;
    std::optional<double> rectangular_; // W/m³, at the reference temperature
    std::optional<double> sine_;        // W/m³, at the reference temperature
};

// Losses at the core temperature `celsius`, or none when the core loss has no answer there.
struct LossModel {
    CoreLossAt coreLoss; // of the input whose core loss is the larger
    library::WindingWindow window;
    double freq;   // Hz
    double volume; // m³
    library::Winding windings[2];
    double rms[2]; // A, at VIN min

    std::optional<library::Losses> operator()(double celsius) const {
        library::Losses losses;
        const auto density = coreLoss(celsius);
        if (!density)
            return std::nullopt;
        losses.core = *density * volume; // W
        // The copper: Σ Irms²·Fr·Rdc of both windings at VIN min.
        for (int i = 0; i < 2; ++i) {
            const library::CopperResult copper =
                library::WindingCopper(windings[i], window, freq, celsius);
            losses.copper += rms[i] * rms[i] * copper.fr * copper.rdc; // W
        }
        return losses;
    }
};

// Of the two inputs, the one whose rectangular voltage loses more in the core. Both cycles run
// at the same frequency, so their loss densities share the band (or the blend of bands) and
// its temperature bracket: their ratio, ΔB^β·(D^(1−α) + (1 − D)^(1−α)) of one over the other's,
// does not depend on the temperature, and the larger at `celsius` is the larger at every
// temperature of the thermal loop, which then needs one density a step instead of two.
const FlybackCycle* LargerCoreLoss(const library::Material& material, double freq,
                                   const FlybackCycle& low, const FlybackCycle& high,
                                   double celsius) {
    const auto at = [&](const FlybackCycle& cycle) {
        return library::RectangularLossDensity(material, freq, cycle.fluxSwing, cycle.duty,
                                               celsius);
    };
    const auto lowDensity = at(low);
    const auto highDensity = at(high);
    return lowDensity && highDensity && *highDensity > *lowDensity ? &high : &low;
}

} // namespace

FlybackDesign DesignFlyback(const FlybackInputs& in, const library::CoreShape& core,
                            const library::Material& material,
                            const library::PartsLibrary& library) {
    FlybackDesign d;
    const Ext ae = Ext(core.ae) * kSquareMetre; // m²
    const Ext freq = in.freq;                   // Hz
    const Ext dmax = in.dmax;

    // Output power, and the input power at the estimated efficiency.
    d.pout = Store(Ext(in.vout) * in.iout);
    d.pin = Store(Ext(d.pout) * 100 / in.eta);
    // The ratio that reflects Vout + Vf to the primary so that VIN min needs exactly Dmax.
    d.targetRatio = Store(Ext(in.vinMin) * dmax / ((Ext(in.vout) + in.vf) * (1 - dmax)));

    // Design point at VIN min and Dmax: the mean input current Iavg = Pin/VINmin is the
    // trapezoid's area, D·(Ipk − ΔI/2), with ΔI = KRP·Ipk.
    const Ext iavg = Ext(d.pin) / in.vinMin;                // A
    const Ext ipk0 = 2 * iavg / (dmax * (2 - Ext(in.krp))); // A
    const Ext ripple0 = Ext(in.krp) * ipk0;                 // A
    d.lp = Store(Ext(in.vinMin) * dmax / (ripple0 * freq)); // H, V·D/(ΔI·f)

    // Turns: the fewest that keep Lp·Ipk/(N·Ae) at or under B max.
    const Ext bmax = Ext(in.bmax) / 1000; // T
    d.np = Ceil32(Ext(d.lp) * ipk0 / (bmax * ae));
    d.ns = std::max(1, Floor32(Ext(d.np) / d.targetRatio + 0.5L));
    const Ext ratio = Ext(d.np) / d.ns;
    d.vor = Store(ratio * (Ext(in.vout) + in.vf));
    d.vdsMax = Store(Ext(in.vinMax) + d.vor);

    // The cycle at both ends of the input range, with the whole turns.
    d.low = CycleAt(in.vinMin, d.lp, d.vor, d.pin, freq);
    d.high = CycleAt(in.vinMax, d.lp, d.vor, d.pin, freq);
    for (FlybackCycle* cycle : {&d.low, &d.high}) {
        cycle->peakFlux = Store(Ext(d.lp) * cycle->peak / (Ext(d.np) * ae));    // T
        cycle->fluxSwing = Store(Ext(d.lp) * cycle->ripple / (Ext(d.np) * ae)); // T
    }
    d.peakFlux = std::max(d.low.peakFlux, d.high.peakFlux);
    d.fluxSwing = std::max(d.low.fluxSwing, d.high.fluxSwing);

    // Currents at VIN min. The secondary's mean over a cycle is Iout.
    d.irmsPrimary = TrapezoidRms(d.low.duty, d.low.peak, d.low.ripple);
    Ext peakS;
    Ext swingS;
    if (d.low.continuous) {
        swingS = Ext(d.low.ripple) * ratio;                  // A, ΔI reflected
        peakS = Ext(in.iout) / d.low.secondary + swingS / 2; // A
    } else {
        peakS = swingS = 2 * Ext(in.iout) / d.low.secondary; // A, a triangle
    }
    d.irmsSecondary = TrapezoidRms(d.low.secondary, peakS, swingS);

    // The gap that gives Lp with Np turns, fringing included.
    if (const auto gap = library::GapFor(d.lp, d.np, Store(ae), Store(Ext(core.le) * kMetre),
                                         material.muI, Store(Ext(core.windowHeight) * kMetre)))
        d.gap = gap->length;

    // Wires: the bare diameter for J, then the checks' rule at the switching frequency.
    if (const auto depth = SkinDepth(in.freq)) {
        d.primaryWire = WireToBuy(BareDiameter(d.irmsPrimary, in.j), Store(*depth));
        d.secondaryWire = WireToBuy(BareDiameter(d.irmsSecondary, in.j), Store(*depth));
    }
    if (d.primaryWire && d.secondaryWire && core.windowArea > 0) {
        // Bare copper of both windings over the core's window.
        const auto copper = [](int turns, const WireChoice& wire) {
            return Ext(turns) * wire.strands * wire.size * wire.size;
        };
        d.windowFill = Store((copper(d.np, *d.primaryWire) + copper(d.ns, *d.secondaryWire)) * kPi /
                             4 / core.windowArea);
        d.fillAlarm = *d.windowFill > kMostWindowFill;
    }

    // Losses and the core temperature they leave.
    if (d.primaryWire && d.secondaryWire) {
        const auto winding = [&](int turns, const WireChoice& wire) {
            return library::Winding{static_cast<double>(turns), wire.strands, wire.size,
                                    library.OverallDiameter(wire.size)};
        };
        const double ambient = Store(in.ambient); // °C
        const FlybackCycle& larger = *LargerCoreLoss(material, Store(freq), d.low, d.high, ambient);
        const LossModel model{CoreLossAt(material, Store(freq), larger, ambient),
                              library.WindowOf(core),
                              Store(freq),
                              Store(Ext(core.ve) * kCubicMetre),
                              {winding(d.np, *d.primaryWire), winding(d.ns, *d.secondaryWire)},
                              {d.irmsPrimary, d.irmsSecondary}};
        const auto found =
            library::SolveTemperature(ambient, library::ThermalResistance(core.ve), model);
        if (found) {
            const Ext lost = Ext(found->losses.core) + found->losses.copper; // W
            d.losses = FlybackLosses{found->losses.core, found->losses.copper, found->celsius,
                                     Store(Ext(d.pout) * 100 / (Ext(d.pout) + lost))};
            d.heatAlarm = found->celsius > kHottestCore;
        }
    }

    // Checks.
    d.saturationAlarm = d.peakFlux > material.bsat100;
    d.dutyAlarm = d.low.duty > in.dmax;
    return d;
}

} // namespace velkor
