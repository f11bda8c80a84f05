#include "resonance.h"

#include "checked.h"
#include "plain_field.h"
#include "unit_values.h"

namespace velkor {

namespace {

double Frequency(Page& page) {
    return ParseFrequency(page, page.Text("IFREQ"), page.ItemIndex("CBUFR"));
}
double Capacitance(Page& page) {
    return ParseCapacitance(page, page.Text("ICAP"), page.ItemIndex("CBUCR"));
}
double Inductance(Page& page) {
    return ParseInductance(page, page.Text("IIND"), page.ItemIndex("CBUIR"));
}

bool Parsed(double value) {
    return value > ParseFailed;
}

// A reactance in ohm as the whole text of its field: no decimals, seven characters wide.
void ShowReactance(Page& page, std::string_view field, Ext ohm) {
    page.SetText(field, Format("%7.0f", Store(ohm), page.Locale()));
}

} // namespace

// In the five calculations from two unit fields both parses always run (so two unreadable
// fields give two boxes), and an arithmetic fault is left to the window's general error box.

void SBCFRClick(Page& page) {
    const double c = Capacitance(page); // F
    const double l = Inductance(page);  // H
    if (!Parsed(c) || !Parsed(l))
        return;
    // Resonance of the LC pair: f = 1 / (2π √(LC)).
    ShowFrequency(page, Store(Ext(1) / (Sqrt(Ext(c) * l) * kTwoPi)));
}

void SBCCRClick(Page& page) {
    const double l = Inductance(page); // H
    const double f = Frequency(page);  // Hz
    if (!Parsed(l) || !Parsed(f))
        return;
    // The capacitance that resonates with L at f: C = 1 / (ω² L).
    const Ext omega = Ext(kTwoPi) * f; // rad/s
    ShowCapacitance(page, Store(Ext(1) / (omega * omega * l)));
}

void SBCIRClick(Page& page) {
    const double f = Frequency(page);   // Hz
    const double c = Capacitance(page); // F
    if (!Parsed(f) || !Parsed(c))
        return;
    // The inductance that resonates with C at f: L = 1 / (ω² C).
    const Ext omega = Ext(kTwoPi) * f; // rad/s
    ShowInductance(page, "IIND", "CBUIR", Store(Ext(1) / (omega * omega * c)));
}

void SBCXCClick(Page& page) {
    const double f = Frequency(page);   // Hz
    const double c = Capacitance(page); // F
    if (!Parsed(f) || !Parsed(c))
        return;
    // Capacitive reactance: XC = 1 / (ωC), ohm.
    ShowReactance(page, "IXC", Ext(1) / (Ext(kTwoPi) * f * c));
}

void SBCXLClick(Page& page) {
    const double f = Frequency(page);  // Hz
    const double l = Inductance(page); // H
    if (!Parsed(f) || !Parsed(l))
        return;
    // Inductive reactance: XL = ωL, ohm.
    ShowReactance(page, "IXL", Ext(kTwoPi) * f * l);
}

// The four calculations from a unit field and a reactance report a fault under the name of
// the input that made it (a zero frequency, capacitance, inductance or reactance), else under
// the reactance's.

void SBCCXCClick(Page& page) {
    const double f = Frequency(page); // Hz
    if (!Parsed(f))
        return;
    const auto xc = ReadPlainField(page, "IXC", "XC"); // ohm
    if (!xc)
        return;
    try {
        // C = 1 / (ω XC), farad.
        ShowCapacitance(page, Store(Ext(1) / (Ext(kTwoPi) * f * *xc)));
    } catch (const Fault&) {
        ShowFieldError(page, FailedInput({{f, "Frequenza"}, {*xc, "XC"}}, "XC"));
    }
}

void SBCIXLClick(Page& page) {
    const double f = Frequency(page); // Hz
    if (!Parsed(f))
        return;
    const auto xl = ReadPlainField(page, "IXL", "XL"); // ohm
    if (!xl)
        return;
    try {
        // L = XL / ω, henry.
        ShowInductance(page, "IIND", "CBUIR", Store(Ext(*xl) / (Ext(kTwoPi) * f)));
    } catch (const Fault&) {
        ShowFieldError(page, FailedInput({{f, "Frequenza"}, {*xl, "XL"}}, "XL"));
    }
}

void SBCFXCClick(Page& page) {
    const double c = Capacitance(page); // F
    if (!Parsed(c))
        return;
    const auto xc = ReadPlainField(page, "IXC", "XC"); // ohm
    if (!xc)
        return;
    try {
        // The frequency at which C has the reactance XC: f = 1 / (2π XC C).
        ShowFrequency(page, Store(Ext(1) / (Ext(kTwoPi) * *xc * c)));
    } catch (const Fault&) {
        ShowFieldError(page, FailedInput({{c, "Capacità"}, {*xc, "XC"}}, "XC"));
    }
}

void SBCFXLClick(Page& page) {
    const double l = Inductance(page); // H
    if (!Parsed(l))
        return;
    const auto xl = ReadPlainField(page, "IXL", "XL"); // ohm
    if (!xl)
        return;
    try {
        // The frequency at which L has the reactance XL: f = XL / (2π L).
        ShowFrequency(page, Store(Ext(*xl) / (Ext(kTwoPi) * l)));
    } catch (const Fault&) {
        ShowFieldError(page, FailedInput({{l, "Induttanza"}, {*xl, "XL"}}, "XL"));
    }
}

} // namespace velkor
