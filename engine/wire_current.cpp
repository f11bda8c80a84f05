#include "wire_current.h"

#include "checked.h"
#include "plain_field.h"

namespace velkor {

namespace {

constexpr std::string_view kCurrentName = "Corrente nominale (In)";
constexpr std::string_view kDensityName = "Densità di corrente (A/mm^2)";
constexpr std::string_view kDiameterName = "Diametro filo";

// Cross-section of a round wire of diameter d: π (d/2)², mm².
Ext Section(double diameter) {
    const Ext radius = Ext(diameter) / 2; // mm
    return radius * radius * kPi;
}

// Runs one calculation of the group: each input is read under its own name; a fault names
// the input that made it (a zero divisor, a negative value under the root), the second when
// neither did, and the output keeps its text.
template <typename Compute>
void Solve(Page& page, std::string_view first, std::string_view firstName, std::string_view second,
           std::string_view secondName, std::string_view output, std::string_view pattern,
           Compute compute) {
    const auto a = ReadPlainField(page, first, firstName);
    if (!a)
        return;
    const auto b = ReadPlainField(page, second, secondName);
    if (!b)
        return;
    try {
        page.SetText(output, Format(pattern, Store(compute(*a, *b)), page.Locale()));
    } catch (const Fault&) {
        ShowFieldError(page, FailedInput({{*a, firstName}, {*b, secondName}}, secondName));
    }
}

} // namespace

void SBDFClick(Page& page) {
    // The diameter whose section carries In at density J: d = 2 √(In / J / π), mm.
    Solve(
        page, "EDINOM", kCurrentName, "EDDENS", kDensityName, "EDDIAM", "%1.2f",
        [](double current, double density) { return Ext(2) * Sqrt(Ext(current) / density / kPi); });
}

void SBCNClick(Page& page) {
    // The current the section carries at density J: In = π (d/2)² J, A.
    Solve(page, "EDDIAM", kDiameterName, "EDDENS", kDensityName, "EDINOM", "%3.3f",
          [](double diameter, double density) { return Section(diameter) * density; });
}

void SBDCClick(Page& page) {
    // The density of In over the section: J = In / (π (d/2)²), A/mm².
    Solve(page, "EDDIAM", kDiameterName, "EDINOM", kCurrentName, "EDDENS", "%3.1f",
          [](double diameter, double current) { return Ext(current) / Section(diameter); });
}

} // namespace velkor
