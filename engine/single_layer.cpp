#include "single_layer.h"

#include "checked.h"
#include "plain_field.h"

#include <array>
#include <string>

namespace velkor {

namespace {

constexpr long double kScale = 1e10L;    // µ0 = 4π·10^-7 H/m and A = πD²/4 with D, l in mm
constexpr long double kCopper = 0.0177L; // ohm · mm² / m, resistivity of copper

constexpr std::string_view kTurnsName = "Numero spire";
constexpr std::string_view kCoreName = "Permeabilità relativa nucleo";
constexpr std::string_view kLengthName = "Lungh. avvolgimento";

// One plain input of a calculation: its field and the name its error box shows.
struct Input {
    std::string_view field;
    std::string_view name;
};

// Reads the inputs in order, stopping at the first that cannot be read (its box is shown).
template <std::size_t N>
std::optional<std::array<double, N>> ReadInputs(Page& page, const std::array<Input, N>& inputs) {
    std::array<double, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto value = ReadPlainField(page, inputs[i].field, inputs[i].name);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    return values;
}

// The winding's derived values, from the diameter D and length l (mm) and the turns N of
// this click: the largest close-wound wire, the wire length and the resistance of one metre
// of the wire of " Correnti " (or of the largest wire when that field is empty). Returns false
// when the wire diameter cannot be read; arithmetic faults propagate.
bool ShowDerivedValues(Page& page, double diameter, double length, double turns) {
    const NumberLocale& locale = page.Locale();
    // The turns side by side fill the length: dmax = l / N, mm.
    const double largestWire = Store(Ext(length) / turns);
    page.SetText("EDDMFSC", Format("%2.2f", largestWire, locale));
    // One turn is a circle of diameter D: W = π D N / 1000, m.
    const double wireLength = Store(Ext(kPi) * diameter * turns / 1000);
    page.SetText("EDLUNGRAME", Format("%2.3f", wireLength, locale));

    const std::string typed = page.Text("EDDIAM");
    double wire = largestWire; // mm
    if (!typed.empty()) {
        const auto read = ReadNumber(typed, locale);
        if (!read)
            return false;
        wire = *read;
        page.SetText("Label66", "ohm ( " + typed + " mm)");
    } else {
        page.SetText("Label66", "ohm ( " + page.Text("EDDMFSC") + " mm)");
    }
    const Ext radius = Ext(wire) / 2;                    // mm
    const double section = Store(radius * radius * kPi); // mm²
    // Resistance of one metre of that wire: R = ρ / S, ohm.
    page.SetText("EDRESRAME", Format("%3.2f", Store(Ext(kCopper) / section), locale));
    return true;
}

struct Winding {
    double diameter; // mm
    double length;   // mm
    double turns;
};

// Shows the result and the derived values; a fault or an unreadable wire diameter on the way
// is reported under the calculation's last field, keeping what was already written.
template <typename Write> void Finish(Page& page, std::string_view lastName, Write write) {
    try {
        const auto [diameter, length, turns] = write();
        if (!ShowDerivedValues(page, diameter, length, turns))
            ShowFieldError(page, lastName);
    } catch (const Fault&) {
        ShowFieldError(page, lastName);
    }
}

// (π D N)², mm².
Ext TurnArea(double diameter, double turns) {
    const Ext around = Ext(kPi) * diameter * turns;
    return around * around;
}

} // namespace

// The coil formula, for a long solenoid with D and l in mm: L = (π D N)² µe / (10^10 l).

void SBCNSSSClick(Page& page) {
    const auto l = ReadInductanceField(page, "ISS", "CBUISS");
    if (!l)
        return;
    const auto in = ReadInputs<3>(
        page, {{{"DSS", "Diametro Avvolgimento"}, {"LSS", kLengthName}, {"MESS", kCoreName}}});
    if (!in)
        return;
    const auto [diameter, length, core] = *in;
    Finish(page, kCoreName, [&] {
        // N = √(L 10^10 l / ((π D)² µe)).
        const Ext around = Ext(kPi) * diameter;
        const double turns = Store(Sqrt(Ext(*l) * kScale * length / (around * around * core)));
        page.SetText("NSSS", Format("%6.1f", turns, page.Locale()));
        return Winding{diameter, length, turns};
    });
}

void SBCISSClick(Page& page) {
    const auto in = ReadInputs<4>(page, {{{"DSS", "Diametro Avvolgimento"},
                                          {"LSS", kLengthName},
                                          {"MESS", kCoreName},
                                          {"NSSS", kTurnsName}}});
    if (!in)
        return;
    const auto [diameter, length, core, turns] = *in;
    Finish(page, kTurnsName, [&] {
        const double henry = Store(TurnArea(diameter, turns) * core / (Ext(kScale) * length));
        ShowInductance(page, "ISS", "CBUISS", henry);
        return Winding{diameter, length, turns};
    });
}

void SBCDSSClick(Page& page) {
    const auto l = ReadInductanceField(page, "ISS", "CBUISS");
    if (!l)
        return;
    const auto in =
        ReadInputs<3>(page, {{{"NSSS", kTurnsName}, {"LSS", kLengthName}, {"MESS", kCoreName}}});
    if (!in)
        return;
    const auto [turns, length, core] = *in;
    Finish(page, kCoreName, [&] {
        // D = √(L 10^10 l / ((π N)² µe)), mm.
        const Ext around = Ext(kPi) * turns;
        const double diameter = Store(Sqrt(Ext(*l) * kScale * length / (around * around * core)));
        page.SetText("DSS", Format("%3.1f", diameter, page.Locale()));
        return Winding{diameter, length, turns};
    });
}

void SBCLSSClick(Page& page) {
    const auto l = ReadInductanceField(page, "ISS", "CBUISS");
    if (!l)
        return;
    const auto in = ReadInputs<3>(
        page, {{{"NSSS", kTurnsName}, {"DSS", "Diametro avvolgimento"}, {"MESS", kCoreName}}});
    if (!in)
        return;
    const auto [turns, diameter, core] = *in;
    Finish(page, kCoreName, [&] {
        // l = (π D N)² µe / (10^10 L), mm.
        const double length = Store(TurnArea(diameter, turns) * core / (Ext(kScale) * *l));
        page.SetText("LSS", Format("%4.1f", length, page.Locale()));
        return Winding{diameter, length, turns};
    });
}

void SBCMESSClick(Page& page) {
    const auto l = ReadInductanceField(page, "ISS", "CBUISS");
    if (!l)
        return;
    constexpr std::string_view lastName = "Lunghezza avvolgimento";
    const auto in = ReadInputs<3>(
        page, {{{"NSSS", kTurnsName}, {"DSS", "Diametro avvolgimento"}, {"LSS", lastName}}});
    if (!in)
        return;
    const auto [turns, diameter, length] = *in;
    Finish(page, lastName, [&] {
        // µe = 10^10 L l / (π D N)².
        const double core = Store(Ext(kScale) * *l * length / TurnArea(diameter, turns));
        page.SetText("MESS", Format("%5.2f", core, page.Locale()));
        return Winding{diameter, length, turns};
    });
}

} // namespace velkor
