#include "single_layer.h"

#include "checked.h"
#include "nagaoka.h"
#include "plain_field.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

namespace velkor {

namespace {

constexpr long double kScale = 1e10L;    // µ0 = 4π·10^-7 H/m and A = πD²/4 with D, l in mm
constexpr long double kCopper = 0.0177L; // ohm · mm² / m, resistivity of copper

constexpr std::string_view kTurnsName = "Numero spire";
constexpr std::string_view kCoreName = "Permeabilità relativa nucleo";
constexpr std::string_view kLengthName = "Lungh. avvolgimento";
constexpr std::string_view kWireName = "Diametro filo";
constexpr std::string_view kInductanceName = "Induttanza";

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
// this click: the largest close-wound wire, the wire length, the resistance of one metre of
// the wire of " Correnti " (or of the largest wire when that field is empty) and that of the
// whole winding. Returns false when the wire diameter cannot be read or is zero; arithmetic
// faults propagate.
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
        page.SetText("Label66", "ohm/m ( " + typed + " mm)");
        if (wire == 0)
            return false; // no section: the wire's field is named
    } else {
        page.SetText("Label66", "ohm/m ( " + page.Text("EDDMFSC") + " mm)");
    }
    const Ext radius = Ext(wire) / 2;                    // mm
    const double section = Store(radius * radius * kPi); // mm²
    // Resistance of one metre of that wire: R = ρ / S, ohm/m.
    const double perMetre = Store(Ext(kCopper) / section);
    page.SetText("EDRESRAME", Format("%3.2f", perMetre, locale));
    // Resistance of the whole winding: R W, ohm.
    page.SetText("EDRESAVV", Format("%3.3f", Store(Ext(perMetre) * wireLength), locale));
    return true;
}

// The quantity a calculation solves for.
enum class Unknown { Turns, Inductance, Diameter, Length, Permeability };

struct Winding {
    double diameter; // mm
    double length;   // mm
    double turns;
    Unknown unknown;
    double result; // the unknown from the long-solenoid relation: turns, H, mm, mm or none
};

// The unit of the corrected value: that of the calculation's unknown.
std::string_view CorrectionUnit(Unknown unknown) {
    switch (unknown) {
    case Unknown::Turns:
        return "spire";
    case Unknown::Diameter:
    case Unknown::Length:
        return "mm";
    default:
        return ""; // an inductance names its own unit; µe has none
    }
}

// The unknown found again with the corrected relation L = K(D/l) (π D N)² µe / (10^10 l),
// formatted with the calculation's own pattern, and its unit.
std::pair<std::string, std::string_view> CorrectedValue(const Winding& w, double k,
                                                        const NumberLocale& locale) {
    switch (w.unknown) {
    case Unknown::Turns: // L grows with N², so N = N_long / √K
        return {Format("%6.1f", Store(Ext(w.result) / Sqrt(k)), locale), CorrectionUnit(w.unknown)};
    case Unknown::Inductance: { // L = K L_long, in the unit ShowInductance would choose
        const ScaledInductance scaled = ScaleInductance(Store(Ext(w.result) * k));
        return {Format("%3.3f", scaled.shown, locale), InductanceUnit(scaled.position)};
    }
    case Unknown::Diameter: { // K(D/l) D² = D_long², so D = x l with K(x) x² = (D_long / l)²
        const long double x = SolveNagaokaRatio((Ext(w.result) / w.length).value(), 2);
        return {Format("%3.1f", Store(Ext(x) * w.length), locale), CorrectionUnit(w.unknown)};
    }
    case Unknown::Length: { // K(D/l) / l = 1 / l_long, so l = D / x with K(x) x = D / l_long
        const long double x = SolveNagaokaRatio((Ext(w.diameter) / w.result).value(), 1);
        return {Format("%4.1f", Store(Ext(w.diameter) / x), locale), CorrectionUnit(w.unknown)};
    }
    case Unknown::Permeability: // L grows with µe, so µe = µe_long / K
        break;
    }
    return {Format("%5.2f", Store(Ext(w.result) / k), locale), CorrectionUnit(w.unknown)};
}

// Nagaoka's coefficient of this click's D and l, and the corrected unknown with its unit. A
// coil without a positive diameter and length shows "?" in both; a corrected value beyond
// the range of numbers (a length for a coil far flatter than a disc) shows "?".
void ShowCorrection(Page& page, const Winding& w) {
    const NumberLocale& locale = page.Locale();
    std::optional<double> k;
    if (w.diameter > 0 && w.length > 0) {
        try {
            k = Store(NagaokaCoefficient((Ext(w.diameter) / w.length).value()));
        } catch (const Fault&) {
        }
    }
    if (!k) {
        page.SetText("EDKNAGSS", "?");
        page.SetText("EDCORRSS", "?");
        page.SetText("UnitEDCORRSS", CorrectionUnit(w.unknown));
        return;
    }
    page.SetText("EDKNAGSS", Format("%1.4f", *k, locale));
    try {
        const auto [text, unit] = CorrectedValue(w, *k, locale);
        page.SetText("EDCORRSS", text);
        page.SetText("UnitEDCORRSS", unit);
    } catch (const Fault&) {
        page.SetText("EDCORRSS", "?");
        page.SetText("UnitEDCORRSS", CorrectionUnit(w.unknown));
    }
}

// Shows the result and the derived values, keeping what was already written when a step
// fails: an unreadable wire diameter names its own field; a fault names the input that made
// it (`inputs`, divisors first: see FailedInput), else the calculation's last field. Once
// the derived values are complete, the Nagaoka correction follows.
template <typename Write>
void Finish(Page& page, std::string_view lastName, std::initializer_list<NamedInput> inputs,
            Write write) {
    Winding winding{};
    try {
        winding = write();
        if (!ShowDerivedValues(page, winding.diameter, winding.length, winding.turns)) {
            ShowFieldError(page, kWireName);
            return;
        }
    } catch (const Fault&) {
        ShowFieldError(page, FailedInput(inputs, lastName));
        return;
    }
    ShowCorrection(page, winding);
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
    const double diameter = (*in)[0], length = (*in)[1], core = (*in)[2];
    Finish(page, kCoreName,
           {{diameter, "Diametro Avvolgimento"},
            {core, kCoreName},
            {*l, kInductanceName},
            {length, kLengthName}},
           [&] {
               // N = √(L 10^10 l / ((π D)² µe)).
               const Ext around = Ext(kPi) * diameter;
               const double turns =
                   Store(Sqrt(Ext(*l) * kScale * length / (around * around * core)));
               page.SetText("NSSS", Format("%6.1f", turns, page.Locale()));
               return Winding{diameter, length, turns, Unknown::Turns, turns};
           });
}

void SBCISSClick(Page& page) {
    const auto in = ReadInputs<4>(page, {{{"DSS", "Diametro Avvolgimento"},
                                          {"LSS", kLengthName},
                                          {"MESS", kCoreName},
                                          {"NSSS", kTurnsName}}});
    if (!in)
        return;
    const double diameter = (*in)[0], length = (*in)[1], core = (*in)[2], turns = (*in)[3];
    Finish(page, kTurnsName,
           {{length, kLengthName},
            {turns, kTurnsName},
            {diameter, "Diametro Avvolgimento"},
            {core, kCoreName}},
           [&] {
               const double henry =
                   Store(TurnArea(diameter, turns) * core / (Ext(kScale) * length));
               ShowInductance(page, "ISS", "CBUISS", henry);
               return Winding{diameter, length, turns, Unknown::Inductance, henry};
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
    const double turns = (*in)[0], length = (*in)[1], core = (*in)[2];
    Finish(page, kCoreName,
           {{turns, kTurnsName}, {core, kCoreName}, {*l, kInductanceName}, {length, kLengthName}},
           [&] {
               // D = √(L 10^10 l / ((π N)² µe)), mm.
               const Ext around = Ext(kPi) * turns;
               const double diameter =
                   Store(Sqrt(Ext(*l) * kScale * length / (around * around * core)));
               page.SetText("DSS", Format("%3.1f", diameter, page.Locale()));
               return Winding{diameter, length, turns, Unknown::Diameter, diameter};
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
    const double turns = (*in)[0], diameter = (*in)[1], core = (*in)[2];
    Finish(page, kCoreName,
           {{*l, kInductanceName},
            {turns, kTurnsName},
            {diameter, "Diametro avvolgimento"},
            {core, kCoreName}},
           [&] {
               // l = (π D N)² µe / (10^10 L), mm.
               const double length = Store(TurnArea(diameter, turns) * core / (Ext(kScale) * *l));
               page.SetText("LSS", Format("%4.1f", length, page.Locale()));
               return Winding{diameter, length, turns, Unknown::Length, length};
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
    const double turns = (*in)[0], diameter = (*in)[1], length = (*in)[2];
    Finish(page, lastName,
           {{diameter, "Diametro avvolgimento"},
            {turns, kTurnsName},
            {*l, kInductanceName},
            {length, lastName}},
           [&] {
               // µe = 10^10 L l / (π D N)².
               const double core = Store(Ext(kScale) * *l * length / TurnArea(diameter, turns));
               page.SetText("MESS", Format("%5.2f", core, page.Locale()));
               return Winding{diameter, length, turns, Unknown::Permeability, core};
           });
}

} // namespace velkor
