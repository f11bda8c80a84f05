#include "thermal.h"

#include "checked.h"

#include <cmath>

namespace velkor::library {

namespace {

constexpr long double kTolerance = 1e-6L; // K, a step smaller than this ends the loop
constexpr long double kRunaway = 300.0L;  // °C, beyond this the design runs away
constexpr int kMostSteps = 500;           // steps before the loop is called a runaway

} // namespace

double ThermalResistance(double volume) {
    // Rth = 53·Ve^−0.54 K/W, Ve in cm³ (mm³ / 1000): a ferrite set cooled by natural convection
    // and radiation from its surface, which grows as Ve^(2/3). A volume that is not positive
    // throws (zero divides, a negative one has no real power).
    return Store(53 * Power(Ext(volume) / 1000, -0.54L));
}

std::optional<Equilibrium> SolveTemperature(double ambient, double rth, const LossesAt& losses) {
    if (!std::isfinite(ambient) || !std::isfinite(rth))
        throw InvalidOperation();
    // The core sits at T = Ta + Rth·P(T), P growing with T in the copper and, past the loss
    // minimum of the ferrite, in the core too. Half steps toward the temperature the present
    // losses would give, T ← T + ½·(Ta + Rth·P(T) − T), damp the swing of a steep P(T).
    Ext t = ambient; // °C
    for (int step = 0; step < kMostSteps; ++step) {
        const std::optional<Losses> at = losses(Store(t));
        if (!at)
            return std::nullopt; // the core loss has no answer at this temperature
        const Ext heated = Ext(ambient) + Ext(rth) * (Ext(at->core) + at->copper); // °C
        const Ext next = t + (heated - t) / 2;                                     // °C
        if (next > kRunaway)
            return std::nullopt;
        if (std::fabs((next - t).value()) < kTolerance)
            return Equilibrium{Store(t), *at}; // the next step would move T by less
        t = next;
    }
    return std::nullopt; // no fixed point in reach: a runaway
}

} // namespace velkor::library
