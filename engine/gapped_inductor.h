// An inductor on a gapped ferrite core (sub-page TabSheet7, " Con traferro "): the turns for
// an inductance at a peak current under a flux limit, the air gap with its fringing, the flux,
// the wire, the losses and the core temperature.
#pragma once

#include "ferrite.h"
#include "page.h"
#include "part_apply.h"
#include "thermal.h"
#include "wire_checks.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velkor {

namespace library {
class PartsLibrary;
struct CoreShape;
struct Material;
} // namespace library

// The sub-page's core and material name fields: applying a part there writes its canonical
// name alone.
inline constexpr PartFields kGappedParts{"COREGAP", "MATGAP"};

// The inputs of the design, as the sub-page's spin fields yield them; the defaults are the
// sub-page's start values.
struct GappedInputs {
    long double henry = 100e-6L;   // H, inductance (LGAP in µH)
    long double peak = 5.0L;       // A, peak current (IPKGAP)
    long double rms = 4.5L;        // A, rms current (IRMSGAP)
    long double ripple = 1.0L;     // A, peak-to-peak ripple ΔI (DIGAP)
    long double hertz = 100000.0L; // Hz, switching frequency (FGAP)
    long double bmax = 0.3L;       // T, largest peak flux density allowed (BMGAP in mT)
    long double density = 4.0L;    // A/mm², current density of the wire (JGAP)
    long double ambient = 40.0L;   // °C, air around the core (TAMBGAP)
};

// Losses and temperature at the thermal equilibrium.
struct GappedHeat {
    double coreLoss = 0;   // W
    double copperLoss = 0; // W
    double celsius = 0;    // °C, core temperature
    double rdc = 0;        // Ω, winding resistance at that temperature
};

// The results of one design, each stored in double precision.
struct GappedDesign {
    std::int32_t turns = 0;         // N
    std::optional<double> gap;      // mm, total gap; none when the core needs none
    std::optional<double> fringing; // F of that gap
    double al = 0;                  // nH/turn², L / N²
    double peakFlux = 0;            // mT, B̂ = L·I_pk/(N·Ae)
    double swing = 0;               // mT, ΔB = L·ΔI/(N·Ae)
    double diameter = 0;            // mm, bare diameter for the current density
    std::optional<WireChoice> wire; // the wire to buy; none beyond the standard sizes
    std::optional<double> fill;     // share of the core window taken by bare copper
    std::optional<GappedHeat> heat; // none: no wire, or no answer (runaway, no core loss)
    bool saturationAlarm = false;   // B̂ above the material's Bsat at 100 °C
    bool fillAlarm = false;         // more than 0.40 of the window is copper
    bool heatAlarm = false;         // above 100 °C, or no answer
};

// The arithmetic of the design on a two-part core (not a toroid) in a material, with the
// library's bobbins and wires. The inputs must be positive (the ripple and the ambient may be
// zero, the ambient negative). Throws velkor::Fault where a number leaves the range.
GappedDesign DesignGapped(const GappedInputs& inputs, const library::CoreShape& shape,
                          const library::Material& material, const library::PartsLibrary& library);

// Click of "Calcola" (SBCALCGAP): reads the eight spin fields and the two names, refuses an
// unknown core or material, a toroid and an input that cannot be zero with the box naming the
// field, then writes the twelve results and the looks of BPKGAP, RIEMPGAP and TGAP. Nothing is
// written before the whole design is computed. A spin text that does not convert and an
// arithmetic fault reach the window.
void SBCALCGAPClick(Page& page);

} // namespace velkor
