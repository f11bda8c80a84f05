#include "gap.h"

#include "checked.h"

#include <cmath>

namespace velkor::library {

namespace {

constexpr long double kMu0 = 4e-7L * kPi;  // H/m, permeability of free space
constexpr long double kTolerance = 1e-12L; // m, a change of lg smaller than this ends the loop
constexpr int kMostSteps = 1000;           // steps before the iteration is given up

} // namespace

std::optional<Gap> GapFor(double henry, double turns, double area, double path, double muI,
                          double windowHeight) {
    if (!(henry > 0) || !(turns > 0) || !(area > 0) || !(path >= 0) || !(muI > 0) ||
        !(windowHeight > 0) || !std::isfinite(henry) || !std::isfinite(turns) ||
        !std::isfinite(area) || !std::isfinite(path) || !std::isfinite(muI) ||
        !std::isfinite(windowHeight))
        throw InvalidOperation();
    const Ext n = turns;
    // µ0·N²·Ae/L, m: the reluctance length the inductance asks for, and le/µi, m: the part the
    // ferrite itself supplies. The gap makes up the difference, widened by F because the flux
    // bulging around the gap finds a larger area than Ae.
    const Ext wanted = kMu0 * n * n * Ext(area) / henry;
    const Ext ferrite = Ext(path) / muI;
    const Ext rootArea = Sqrt(area);               // m
    const Ext twiceWindow = 2 * Ext(windowHeight); // m, 2G

    Ext fringing = 1;
    Ext gap = wanted * fringing - ferrite; // m, lg with F = 1
    for (int step = 0; step < kMostSteps; ++step) {
        if (!(gap > 0))
            return std::nullopt; // the ungapped core already gives L or more
        // F = 1 + (lg/√Ae)·ln(2G/lg): the classic fringing factor of a gap in a window of
        // height G.
        fringing = 1 + gap / rootArea * Ext::Checked(std::log((twiceWindow / gap).value()));
        const Ext next = wanted * fringing - ferrite; // m
        if (std::fabs((next - gap).value()) < kTolerance) {
            if (!(next > 0))
                return std::nullopt;
            // F is the factor that gives this lg: L = µ0·N²·Ae·F/(lg + le/µi) holds exactly.
            return Gap{Store(next), Store(fringing)};
        }
        gap = next;
    }
    return std::nullopt; // no fixed point: the gap would be far beyond the window
}

} // namespace velkor::library
