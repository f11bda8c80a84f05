// Losses, core temperature and efficiency of a ferrite design: the core loss of its flux in the
// library material, the copper loss of its two windings in the core's bobbin, and the
// temperature the two raise the core to in still air.
#pragma once

#include "copper.h"
#include "ferrite.h"
#include "page.h"

#include <cstdint>

namespace velkor {

namespace library {
struct CoreShape;
struct Material;
class PartsLibrary;
} // namespace library

// The form factor of a sine: the design's K at which the flux is a sine of peak B̂; any other K
// is a rectangular voltage of duty 0.5.
inline constexpr long double kSineFormFactor = 4.44L;
// The ambient temperature of the page's start.
inline constexpr double kDefaultAmbient = 40.0; // °C

enum class LossOutcome : std::uint8_t {
    NoParts,  // no library core or material, or a winding without a wire to buy: no estimate
    NoAnswer, // the core loss has no answer at a temperature of the loop, or the design runs away
    Done,
};

// One winding of the design and what its copper loses at the core temperature.
struct WindingLoss {
    library::Winding winding;     // turns, strands, bare and enamelled diameters
    library::CopperResult copper; // layers, Rdc and Fr at the core temperature
    double current = 0;           // A rms
    double watts = 0;             // W, I² · Fr · Rdc
};

struct LossEstimate {
    LossOutcome outcome = LossOutcome::NoParts;
    bool sine = false;          // the flux is a sine (K = 4.44), else a triangle of duty 0.5
    double flux = 0;            // T, the peak B̂ of a sine or the swing ΔB of a triangle
    double rth = 0;             // K/W, core set to still air
    double lossDensity = 0;     // W/m³, at the core temperature
    double core = 0;            // W
    double copper = 0;          // W, both windings
    double celsius = 0;         // °C, core temperature
    double efficiency = 0;      // %, of the transformer alone
    bool hot = false;           // the core runs above 100 °C
    bool belowEstimate = false; // the efficiency is below ETA
    library::WindingWindow window;
    WindingLoss primary;
    WindingLoss secondary;
};

// The losses of a finished design (its checks included: the wires they chose) on a library
// core and material, with the ambient temperature in °C. Reads FREQ, FATTF, PSEC and ETA from
// `inputs`. Never throws: an arithmetic fault in the loop is a design without an answer.
LossEstimate EstimateLosses(const FerriteDesign& design, const FerriteInputs& inputs,
                            double ambient, const library::CoreShape& core,
                            const library::Material& material,
                            const library::PartsLibrary& library);

// The inputs with a core and a material applied as the page's pickers apply them: AE and AC
// rounded to 0.1 mm², AL the library's estimate to a whole nH, BSAT the material's at 100 °C to
// a whole gauss.
FerriteInputs WithParts(FerriteInputs inputs, const library::CoreShape& core,
                        const library::Material& material);

// A whole design without a window: the nineteen steps, the checks of the windings and the
// losses, for a core and a material of the library. Throws what DesignFerrite throws.
struct FerriteEvaluation {
    FerriteDesign design; // with its checks
    LossEstimate losses;
};
FerriteEvaluation EvaluateFerrite(const FerriteInputs& inputs, double ambient,
                                  const library::CoreShape& core, const library::Material& material,
                                  const library::PartsLibrary& library);

// The last part of "Calcola" (SBCALC), after the checks of the windings: when Edit1 names a
// library core and Edit2 a library material, reads TAMBFER and writes PNUCLEO, PRAME, TNUCLEO
// and RENDCALC with the looks of TNUCLEO and RENDCALC; otherwise the four show "?" with the
// normal look. `inputs` carries FREQ, FATTF, PSEC and ETA as the design read them.
void ShowFerriteLosses(Page& page, const FerriteDesign& design, const FerriteInputs& inputs);

} // namespace velkor
