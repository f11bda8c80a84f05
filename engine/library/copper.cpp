#include "copper.h"

#include "checked.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace velkor::library {

namespace {

constexpr long double kMu0 = 4e-7L * kPi;       // H/m, permeability of free space
constexpr long double kRho20 = 1.7241e-8L;      // Ω·m, annealed copper at 20 °C
constexpr long double kRhoPerKelvin = 0.00393L; // 1/K, its temperature coefficient
constexpr long double kDowellLargest = 50.0L;   // Δ beyond which both ratios are 1
constexpr long double kSeriesBelow = 1.0L;      // Δ below which sinh − sin is a series

// ⌊x⌋ by the engine's one rule of whole numbers, ⌊x⌋ = −⌈−x⌉: x taken to 12 significant
// digits first, so that a quotient that should be whole (1.2 mm / 0.4 mm) is not one short.
std::int32_t Floor(Ext x) {
    return -Ceil32(-x);
}

// sinh x − sin x = 2·(x³/3! + x⁷/7! + x¹¹/11! + ...), summed for small x where the difference
// of the two functions would lose its digits.
Ext SinhMinusSin(Ext x) {
    if (x >= kSeriesBelow)
        return Ext::Checked(std::sinh(x.value())) - Ext::Checked(std::sin(x.value()));
    const Ext x4 = x * x * x * x;
    Ext term = x * x * x / 6; // x³/3!
    Ext sum = term;
    for (int k = 0; k < 8; ++k) {
        const Ext n = 4 * k;
        term = term * x4 / ((n + 4) * (n + 5) * (n + 6) * (n + 7));
        sum += term;
    }
    return 2 * sum;
}

// Dowell's AC factor of m layers of round wire whose equivalent foil thickness is Δ skin
// depths: Fr = Δ·[(sinh 2Δ + sin 2Δ)/(cosh 2Δ − cos 2Δ) + (2(m² − 1)/3)·(sinh Δ − sin Δ)/
// (cosh Δ + cos Δ)]. The first ratio is the wire's own skin effect, the second the proximity of
// the other layers. cosh 2Δ − cos 2Δ is written 2(sinh²Δ + sin²Δ), which keeps its digits as
// Δ → 0, where Fr → 1; beyond Δ = 50 both ratios equal 1 to the last digit.
Ext DowellFactor(Ext delta, std::int32_t layers) {
    if (delta == 0)
        return 1;
    Ext skin = 1;
    Ext proximity = 1;
    if (delta < kDowellLargest) {
        const long double x = delta.value();
        const Ext sinhX = Ext::Checked(std::sinh(x));
        const Ext sinX = Ext::Checked(std::sin(x));
        skin = (Ext::Checked(std::sinh(2 * x)) + Ext::Checked(std::sin(2 * x))) /
               (2 * (sinhX * sinhX + sinX * sinX));
        proximity = SinhMinusSin(delta) / (Ext::Checked(std::cosh(x)) + Ext::Checked(std::cos(x)));
    }
    const Ext m = layers;
    return delta * (skin + 2 * (m * m - 1) / 3 * proximity);
}

bool Finite(double value) {
    return std::isfinite(value);
}

} // namespace

double CopperResistivity(double celsius) {
    // Ω·m: the 20 °C value, rising linearly with the temperature.
    return Store(Ext(kRho20) * (1 + kRhoPerKelvin * (Ext(celsius) - 20)));
}

double SkinDepthMm(double hertz, double celsius) {
    // δ = √(ρ/(π·f·µ0)) m, the depth where an alternating current density has fallen to 1/e;
    // mm. A frequency that is not positive throws (zero divides, a negative one has no root).
    const Ext rho = CopperResistivity(celsius); // Ω·m
    return Store(Sqrt(rho / (kPi * Ext(hertz) * kMu0)) * 1000);
}

CopperResult WindingCopper(const Winding& winding, const WindingWindow& window, double hertz,
                           double celsius) {
    if (!(winding.turns > 0) || winding.strands < 1 || !(winding.size > 0) ||
        !(winding.overall > 0) || !(window.meanTurn > 0) || !(hertz >= 0) ||
        !Finite(winding.turns) || !Finite(winding.size) || !Finite(winding.overall) ||
        !Finite(window.meanTurn) || !Finite(window.height) || !Finite(window.innerDiameter) ||
        !Finite(hertz))
        throw InvalidOperation();
    const Ext overall = winding.overall; // mm, d_o
    const Ext size = winding.size;       // mm, d

    // Wires side by side in one layer: the window's height over the overall diameter; on a
    // toroid the inner circumference, π·(B − d_o), over it. At least one.
    const std::int32_t perLayer = std::max<std::int32_t>(
        1, window.toroid ? Floor(kPi * (window.innerDiameter - overall) / overall)
                         : Floor(window.height / overall));
    CopperResult result;
    // Layers: every wire of every turn, N·n, in layers of perLayer.
    result.layers = Ceil32(Ext(winding.turns) * winding.strands / perLayer);

    // Rdc = ρ(T)·N·MLT/(n·π·d²/4) Ω: N turns of the mean turn (mm → m) through n strands of
    // bare copper (mm² → m²).
    const Ext rho = CopperResistivity(celsius);                             // Ω·m
    const Ext copper = Ext(winding.strands) * kPi * size * size / 4 / 1e6L; // m²
    result.rdc = Store(rho * winding.turns * (Ext(window.meanTurn) / 1000) / copper);

    // Dowell at the working frequency: Δ = (π/4)^(3/4)·(d/δ)·√(d/d_o), the round wire as a foil
    // of the same area spread over the pitch d_o. DC has no skin effect: Fr = 1.
    if (hertz > 0) {
        const Ext depth = SkinDepthMm(hertz, celsius); // mm
        const Ext delta = Power(kPi / 4, 0.75L) * (size / depth) * Sqrt(size / overall);
        result.fr = Store(DowellFactor(delta, result.layers));
    }
    return result;
}

} // namespace velkor::library
