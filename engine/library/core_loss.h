// Core loss density of a ferrite: the Steinmetz bands blended across their boundaries, for a
// sine and for a rectangular voltage (the improved generalised Steinmetz equation).
#pragma once

#include "materials.h"

#include <optional>

namespace velkor::library {

// Loss density (W/m³) of a sinusoidal flux of peak `peak` (T) at `hertz` (Hz) and `celsius`
// (°C). No value where the temperature bracket of the band (or of both blended bands) is zero
// or negative, and where the density overflows (a loss that large is a runaway for every
// caller). Zero frequency or zero flux: 0. A negative or non-finite frequency or flux, or a
// non-finite temperature, throws InvalidOperation.
std::optional<double> SineLossDensity(const Material& material, double hertz, double peak,
                                      double celsius);

// Loss density (W/m³) of a triangular flux of peak-to-peak swing `swing` (T) rising for a share
// `duty` of the period (0 < duty < 1): a rectangular voltage. No value, zero and faults as
// above; a duty outside (0, 1) throws InvalidOperation.
std::optional<double> RectangularLossDensity(const Material& material, double hertz, double swing,
                                             double duty, double celsius);

} // namespace velkor::library
