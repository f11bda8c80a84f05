// The air gap of a gapped core: the total gap for an inductance with a number of turns, and
// the fringing factor of the flux around it.
#pragma once

#include <optional>

namespace velkor::library {

struct Gap {
    double length = 0;   // m, total gap in the magnetic path (ground in the centre post)
    double fringing = 1; // F = 1 + (lg/√Ae)·ln(2G/lg)
};

// Solves L = µ0·N²·Ae·F / (lg + le/µi) for lg, F from lg, by the fixed-point iteration from
// F = 1 until lg changes by less than 10⁻¹² m. SI units: `henry`, `area` (m²), `path` (m),
// `windowHeight` G (m). No value when the core needs no gap (lg <= 0), or when the iteration
// does not settle in 1000 steps (a gap far beyond the window). The F returned is the one that
// gives the lg returned. A non-positive or non-finite input (the path: negative) throws
// InvalidOperation.
std::optional<Gap> GapFor(double henry, double turns, double area, double path, double muI,
                          double windowHeight);

} // namespace velkor::library
