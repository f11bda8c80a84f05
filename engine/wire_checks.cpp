#include "wire_checks.h"

#include "checked.h"

#include <array>
#include <cmath>

namespace velkor {

namespace {

// The R20 series in micrometres, so that each size is the double nearest its decimal value.
constexpr std::array<int, 49> kSizesMicrometre = {
    20,   22,   25,   28,   32,   36,   40,   45,   50,   56,   63,   71,   80,
    90,   100,  112,  125,  140,  160,  180,  200,  224,  250,  280,  315,  355,
    400,  450,  500,  560,  630,  710,  800,  900,  1000, 1120, 1250, 1400, 1600,
    1800, 2000, 2240, 2500, 2800, 3150, 3550, 4000, 4500, 5000};

const std::array<double, 49> kSizes = [] {
    std::array<double, 49> sizes{};
    for (std::size_t i = 0; i < sizes.size(); ++i)
        sizes[i] = kSizesMicrometre[i] / 1000.0; // mm
    return sizes;
}();

constexpr long double kMu0 = 4 * kPi * 1e-7L; // H/m, permeability of free space

// Diameter of AWG gauge g: 36 is 0.127 mm (5 mil), 0000 (g = -3) is 11.684 mm (460 mil),
// with 39 geometric steps between them, mm; in double precision, like the sizes it is
// compared with, so that 0.127 is gauge 36 exactly.
double GaugeDiameter(int gauge) {
    return static_cast<double>(0.127L * std::pow(92.0L, (36.0L - gauge) / 39.0L));
}

// The copper of the wire to be bought is that of the computed wire, to within the rounding
// of the sizes' decimals: a ratio that is whole to 12 digits takes no extra strand (Ceil32).
int StrandsFor(double diameter, double size) {
    const Ext ratio = Ext(diameter) / size;
    return Ceil32(ratio * ratio);
}

} // namespace

std::optional<long double> SkinDepth(long double hertz) {
    if (!(hertz > 0))
        return std::nullopt;
    // ρ in ohm · m is ρ(ohm · mm² / m) · 10^-6; the depth in m is taken to mm.
    const Ext rho = Ext(kCopperResistivity) * 1e-6L; // ohm · m
    return (Sqrt(rho / (Ext(kPi) * hertz * kMu0)) * 1000).value();
}

std::span<const double> StandardWireSizes() {
    return kSizes;
}

int AwgGauge(double millimetres) {
    // g = 36 - 39 · log92(d / 0.127), then made exact against the gauges' own diameters.
    const double size = millimetres;
    int gauge =
        static_cast<int>(std::floor(36.0L - 39.0L * std::log(size / 0.127L) / std::log(92.0L)));
    while (GaugeDiameter(gauge + 1) >= size)
        ++gauge;
    while (GaugeDiameter(gauge) < size)
        --gauge;
    return gauge;
}

std::optional<WireChoice> WireToBuy(double diameter, double skinDepth) {
    if (!(diameter >= kSizes.front() && diameter <= kSizes.back()))
        return std::nullopt;
    if (diameter <= 2 * skinDepth) {
        for (double size : kSizes)
            if (size >= diameter)
                return WireChoice{1, size, AwgGauge(size)};
        return std::nullopt;
    }
    // Strands no thicker than twice the skin depth, so that the current fills them.
    for (auto it = kSizes.rbegin(); it != kSizes.rend(); ++it)
        if (*it <= 2 * skinDepth)
            return WireChoice{StrandsFor(diameter, *it), *it, AwgGauge(*it)};
    return std::nullopt;
}

std::string WireText(const std::optional<WireChoice>& wire, const NumberLocale& locale) {
    if (!wire)
        return "?";
    std::string size = FormatGeneral(wire->size, locale);
    const std::size_t separator = size.find(locale.decimal);
    if (separator == std::string::npos)
        size += locale.decimal + "00";
    else if (const std::size_t decimals = size.size() - separator - locale.decimal.size();
             decimals < 2)
        size.append(2 - decimals, '0');
    return std::to_string(wire->strands) + " × " + size + " (AWG " + std::to_string(wire->gauge) +
           ")";
}

} // namespace velkor
