// Temperature of a ferrite core set in still air: a thermal resistance from its volume and the
// fixed point of temperature and the losses that depend on it.
#pragma once

#include <functional>
#include <optional>

namespace velkor::library {

// Rth = 53 · Ve^−0.54 K/W with Ve in cm³; `volume` in mm³. A volume that is not positive
// throws velkor::Fault.
double ThermalResistance(double volume);

// Losses at a core temperature; no value when the core loss has no answer there.
struct Losses {
    double core = 0;   // W
    double copper = 0; // W
};
using LossesAt = std::function<std::optional<Losses>(double celsius)>;

struct Equilibrium {
    double celsius = 0; // °C, core temperature
    Losses losses;      // at that temperature
};

// The fixed point T = ambient + Rth·(core + copper losses at T), from T = ambient with half
// steps until a step moves T by less than 10⁻⁶ K. No value when the losses have no answer at a
// temperature of the loop, past 300 °C, or without convergence in 500 steps (a runaway). The
// temperature returned is the last one the losses were found at, with those losses. A
// non-finite ambient or Rth throws InvalidOperation.
std::optional<Equilibrium> SolveTemperature(double ambient, double rth, const LossesAt& losses);

} // namespace velkor::library
