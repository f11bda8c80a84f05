// Checks of a winding's wire: the skin depth of copper, the standard wire sizes one can buy
// and their American gauge.
#pragma once

#include "numbers.h"

#include <optional>
#include <span>
#include <string>

namespace velkor {

inline constexpr long double kCopperResistivity = 0.0177L; // ohm · mm² / m

// Skin depth of copper at a frequency (Hz), in mm: δ = √(ρ / (π f µ0)), the depth at which an
// alternating current density has fallen to 1/e of its value at the surface. No value for a
// frequency that is not positive.
std::optional<long double> SkinDepth(long double hertz);

// Nominal conductor diameters of enamelled round copper wire, R20 series of IEC 60317, mm,
// from 0.020 to 5.000.
std::span<const double> StandardWireSizes();

// The American gauge of a conductor: the largest gauge number g whose diameter
// 0.127 mm · 92^((36 - g) / 39) is not below the given diameter (mm, positive).
int AwgGauge(double millimetres);

// The wire to buy for a computed diameter.
struct WireChoice {
    int strands = 1; // wires in parallel
    double size = 0; // mm, a standard size
    int gauge = 0;   // AWG of that size
};

// A wire of diameter d (mm) carries current only in a skin δ deep. If d <= 2δ: one wire of the
// smallest standard size >= d. Otherwise n wires in parallel of the largest standard size
// <= 2δ, n = ⌈(d / size)²⌉, the same copper cross-section. No choice for d beyond 5 mm or
// below 0.020 mm, or when no standard size is as thin as 2δ.
std::optional<WireChoice> WireToBuy(double diameter, double skinDepth);

// "n × size (AWG g)", the size in the general format with at least two decimals; "?" for no
// choice.
std::string WireText(const std::optional<WireChoice>& wire, const NumberLocale& locale);

} // namespace velkor
