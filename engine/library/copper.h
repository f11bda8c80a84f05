// Copper of a winding: resistivity and skin depth at a temperature, the layers of a winding in
// its window, the DC resistance and the Dowell AC factor.
#pragma once

#include "bobbins.h"

#include <optional>

namespace velkor::library {

// ρ(T) = 1.7241·10⁻⁸·(1 + 0.00393·(T − 20)) Ω·m.
double CopperResistivity(double celsius);

// δ = √(ρ(T) / (π·f·µ0)), in mm. A frequency that is not positive throws velkor::Fault.
double SkinDepthMm(double hertz, double celsius);

// A winding: `turns` turns of `strands` wires in parallel of bare diameter `size` and overall
// (enamelled) diameter `overall`.
struct Winding {
    double turns = 0;   // turns (a whole number in practice)
    int strands = 1;    // wires in parallel
    double size = 0;    // mm, bare copper diameter
    double overall = 0; // mm, enamelled diameter (grade 1)
};

struct CopperResult {
    int layers = 0; // layers of the winding in the window
    double rdc = 0; // Ω, DC resistance at the temperature asked
    double fr = 1;  // Dowell AC factor at the frequency asked
};

// Layers, Rdc at `celsius` and Fr at `hertz` of a winding in a window (its height and mean
// turn; a toroid's turns per layer follow its inner circumference). Throws velkor::Fault for a
// winding that cannot be computed (no turns, no copper, no mean turn, a negative frequency).
// At 0 Hz, Fr = 1.
CopperResult WindingCopper(const Winding& winding, const WindingWindow& window, double hertz,
                           double celsius);

} // namespace velkor::library
