// Ferrite transformer design of a switching supply (" Trasformatori ferrite ").
#pragma once

#include "page.h"
#include "wire_checks.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

namespace velkor {

// The thirteen inputs of the design, as the page's spin fields yield them. The defaults are
// the page's start values.
struct FerriteInputs {
    long double vpmin = 10.0L;   // V, lowest DC supply voltage of the primary (VPMIN)
    long double vpmax = 13.9L;   // V, highest DC supply voltage of the primary (VPMAX)
    long double vspp = 600.0L;   // V, peak-to-peak voltage of the secondary (VSPP)
    long double psec = 8.0L;     // W, power required at the secondary (PSEC)
    long double k = 4.0L;        // form factor of the drive waveform (FATTF)
    long double freq = 20000.0L; // Hz, working frequency (FREQ)
    long double j = 4.9338L;     // A/mm², current density of both windings (DCMQ)
    long double bsat = 4100.0L;  // G, saturation flux density of the core (BSAT)
    long double al = 2800.0L;    // nH/turn², inductance factor of the core (AL)
    long double ae = 52.0L;      // mm², effective cross-section of the core (AE)
    long double ac = 30.0L;      // mm², winding window area of the core (AC)
    long double pun = 48.79L;    // %, share of BSAT the design may use (PUN)
    long double eta = 50.0L;     // %, estimated efficiency (ETA)
};

// The spin field of each input.
inline constexpr std::pair<std::string_view, long double FerriteInputs::*> kFerriteInputFields[] = {
    {"VPMIN", &FerriteInputs::vpmin}, {"VPMAX", &FerriteInputs::vpmax},
    {"VSPP", &FerriteInputs::vspp},   {"PSEC", &FerriteInputs::psec},
    {"FATTF", &FerriteInputs::k},     {"FREQ", &FerriteInputs::freq},
    {"DCMQ", &FerriteInputs::j},      {"BSAT", &FerriteInputs::bsat},
    {"AL", &FerriteInputs::al},       {"AE", &FerriteInputs::ae},
    {"AC", &FerriteInputs::ac},       {"PUN", &FerriteInputs::pun},
    {"ETA", &FerriteInputs::eta},
};

// The checks that follow a complete design: the skin depth at the working frequency, the wire
// to buy for each winding and the share of the core's window taken by bare copper.
struct WindingChecks {
    std::optional<double> skinDepth;         // mm, δ; none for a frequency that is not positive
    std::optional<WireChoice> primaryWire;   // for DP; none beyond the standard sizes
    std::optional<WireChoice> secondaryWire; // for DS
    std::optional<double> windowFill;        // share of AC; none when AC is not positive
    bool fillAlarm = true; // more than 0.40 of the window is copper, or there is no window
};

// The largest share of the window that bare copper may take: bobbin, insulation and the
// gaps between turns need the rest.
inline constexpr double kMostWindowFill = 0.40;

// The working values of one design, each stored in double precision, with the two
// reactances and the outcome of the two checks.
struct FerriteDesign {
    double bmax = 0;              // G, design peak flux density
    double aeac = 0;              // cm⁴, area product of the core
    double dcma = 0;              // circular mils per ampere, wire allowance
    double aeacMin = 0;           // cm⁴, minimum area product the design needs
    double ip = 0;                // A, primary current at VPMIN
    double npExact = 0;           // turns, primary turns before rounding
    std::int32_t np = 0;          // turns, primary turns, nearest whole number
    double lp = 0;                // µH, primary inductance
    double xlp = 0;               // ohm, primary reactance
    double bmaxEff = 0;           // G, peak flux density at VPMAX with NP turns
    double ns = 0;                // turns, secondary turns (not rounded)
    double ls = 0;                // µH, secondary inductance
    double xls = 0;               // ohm, secondary reactance
    double vsrms = 0;             // V, rms voltage of the secondary
    double is = 0;                // A, secondary current
    double ds = 0;                // mm, secondary wire diameter
    double ipPeak = 0;            // A, primary peak current
    double dp = 0;                // mm, primary wire diameter
    bool coreAlarm = false;       // the core's area product is below the minimum (AEAC red)
    bool saturationAlarm = false; // BSAT is below the flux density reached (BMAXEFF red)
    WindingChecks checks;         // of the finished design
};

// The look of AEAC and BMAXEFF when their check passes: the page's result-field tint.
inline constexpr Look kFerriteNormalLook{kFerriteTint, kSystemWindowText, false};

// The checks of a finished design at the frequency FREQ (Hz) with the window AC (mm²).
WindingChecks CheckWindings(const FerriteDesign& design, long double freq, long double ac);

// The arithmetic of the whole design. Throws DivisionByZero, InvalidOperation or Overflow
// at the first step that cannot be computed.
FerriteDesign DesignFerrite(const FerriteInputs& inputs);

// Click of "Calcola" (SBCALC): reads the thirteen spin fields, writes the sixteen results and
// the looks of AEAC and BMAXEFF; after the last step, the checks of the windings: DELTAFER,
// FILOP, FILOS and RIEMPFER with its look; then the losses (ShowFerriteLosses in
// ferrite_losses.h). Each step reads its inputs when it runs and writes its field before the
// next one, so a fault leaves the later fields and all looks as they were. Faults (and a spin
// text that does not convert) are not caught here: they reach the window.
void SBCALCClick(Page& page);

} // namespace velkor
