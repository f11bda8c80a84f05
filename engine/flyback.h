// Flyback transformer design (" Flyback "): primary inductance, turns, gap, currents, stresses,
// wires, losses and core temperature of a gapped coupled inductor on a library core.
#pragma once

#include "page.h"
#include "part_apply.h"
#include "wire_checks.h"

#include <optional>

namespace velkor {

namespace library {
struct CoreShape;
struct Material;
} // namespace library

// The twelve numeric inputs, as the page's spin fields yield them. The defaults are the page's
// start values.
struct FlybackInputs {
    long double vinMin = 100;  // V, lowest DC input voltage (VINMINFB)
    long double vinMax = 375;  // V, highest DC input voltage (VINMAXFB)
    long double vout = 12;     // V, output voltage (VOUTFB)
    long double iout = 2;      // A, output current (IOUTFB)
    long double vf = 0.7L;     // V, forward drop of the output diode (VFFB)
    long double freq = 100000; // Hz, switching frequency (FSWFB)
    long double dmax = 0.45L;  // duty cycle at VIN min, the design point (DMAXFB)
    long double eta = 85;      // %, estimated efficiency of the whole supply (ETAFB)
    long double krp = 0.6L;    // ΔI / Ipk of the primary at VIN min (KRPFB)
    long double bmax = 300;    // mT, peak flux density allowed (BMFB)
    long double j = 5;         // A/mm², current density of both windings (JFB)
    long double ambient = 40;  // °C, air around the transformer (TAMBFB)
};

// The switching cycle at one input voltage, with the whole turns.
struct FlybackCycle {
    double volts = 0;        // V, the input voltage
    double duty = 0;         // share of the period the switch conducts
    double ripple = 0;       // A, primary current swing ΔI
    double peak = 0;         // A, primary peak current
    double secondary = 0;    // share of the period the secondary conducts, Ds
    bool continuous = false; // the current never falls to zero
    double peakFlux = 0;     // T, Lp·Ipk/(Np·Ae)
    double fluxSwing = 0;    // T, Lp·ΔI/(Np·Ae)
};

// Losses and the core temperature they leave.
struct FlybackLosses {
    double core = 0;       // W
    double copper = 0;     // W
    double celsius = 0;    // °C, core temperature
    double efficiency = 0; // %, of the transformer alone
};

struct FlybackDesign {
    double pout = 0;           // W
    double pin = 0;            // W, Pout / η
    double targetRatio = 0;    // Np/Ns the design point asks for
    double lp = 0;             // H, primary inductance
    int np = 0;                // primary turns
    int ns = 0;                // secondary turns
    double vor = 0;            // V, reflected voltage (Np/Ns)·(Vout + Vf)
    double vdsMax = 0;         // V, VIN max + VOR, the leakage spike left out
    FlybackCycle low;          // at VIN min
    FlybackCycle high;         // at VIN max
    double irmsPrimary = 0;    // A, at VIN min
    double irmsSecondary = 0;  // A, at VIN min
    std::optional<double> gap; // m, total gap; none when the core needs none
    double peakFlux = 0;       // T, the larger of the two inputs'
    double fluxSwing = 0;      // T, the larger of the two inputs'
    std::optional<WireChoice> primaryWire;
    std::optional<WireChoice> secondaryWire;
    std::optional<double> windowFill;    // share of the core's window taken by bare copper
    std::optional<FlybackLosses> losses; // none: no answer (a runaway, or no loss value)
    // Checks.
    bool saturationAlarm = false; // peak flux above the material's Bsat at 100 °C
    bool fillAlarm = true;        // fill above 0.40, or no fill at all
    bool heatAlarm = true;        // above 100 °C, or no answer
    bool dutyAlarm = false;       // duty at VIN min above DMAXFB (the whole turns pushed it)
};

// The page's core and material name fields: applying a part writes its name alone.
inline constexpr PartFields kFlybackParts{"COREFB", "MATFB"};

// The look of BPKFB, RIEMPFB, TFB and DFB when their check passes: the page's result tint.
inline constexpr Look kFlybackNormalLook{kFerriteTint, kSystemWindowText, false};

// The whole design on a core and a material of the library. Throws a velkor::Fault where the
// arithmetic cannot go on (the inputs are taken as checked: positive divisors, VIN max at
// least VIN min).
FlybackDesign DesignFlyback(const FlybackInputs& inputs, const library::CoreShape& core,
                            const library::Material& material,
                            const library::PartsLibrary& library);

// Click of "Calcola" (SBCALCFB): reads the inputs, looks the core and the material up in the
// page's library, refuses a zero or negative divisor, VIN max below VIN min, an unknown name or
// a toroid with the box naming the field (changing nothing); otherwise writes every result and
// the looks of BPKFB, RIEMPFB, TFB and DFB. A fault of the arithmetic reaches the window before
// any field is written. A spin text that does not convert is not caught here either.
void SBCALCFBClick(Page& page);

} // namespace velkor
