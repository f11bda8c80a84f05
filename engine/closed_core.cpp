#include "closed_core.h"

#include "checked.h"
#include "plain_field.h"

namespace velkor {

namespace {

constexpr long double kNanohenry = 1e9L; // nH per H
constexpr long double kCopper = 0.0177L; // ohm · mm² / m, resistivity of copper
constexpr long double kDensity = 9.18L;  // kg/dm³, the copper weight factor

constexpr std::string_view kAlName = "Coeff. Al";
constexpr std::string_view kTurnsName = "Numero spire";
constexpr std::string_view kWidthName = "Dim  C cartoccio";

constexpr Look kNormalLook{kSystemWindow, kSystemWindowText, false};

// The bobbin's fit check, after the results; an unreadable X or Y shows its box and leaves
// the looks as they are.
void CheckFit(Page& page, double a, double b, double buildUp) {
    if (page.Checked("RBC1NUC")) {
        // Square bobbin: the wound section must stay within the flange's X by Y.
        const auto x = ReadPlainField(page, "D4NUC", "Dim  X cartoccio"); // mm
        if (!x)
            return;
        const auto y = ReadPlainField(page, "D5NUC", "Dim  Y cartoccio"); // mm
        if (!y)
            return;
        const bool overflows =
            Ext(a) + Ext(2) * buildUp > Ext(*x) || Ext(b) + Ext(2) * buildUp > Ext(*y);
        ApplyLook(page, "D4NUC", overflows ? kAlarmLook : kNormalLook);
        ApplyLook(page, "D5NUC", overflows ? kAlarmLook : kNormalLook);
    } else {
        // Round bobbin: the wound diameter must stay within the flange diameter B.
        const bool overflows = Ext(a) + Ext(2) * buildUp > Ext(b);
        ApplyLook(page, "D2NUC", overflows ? kAlarmLook : kNormalLook);
    }
}

} // namespace

// An inductor on a closed core of inductance factor Al (nH per turn²): L = N² Al / 10^9.

void SBCNSNUCClick(Page& page) {
    const auto l = ReadInductanceField(page, "INUC", "CBUINUC");
    if (!l)
        return;
    const auto al = ReadPlainField(page, "ALNUC", kAlName); // nH/N²
    if (!al)
        return;
    try {
        // N = √(L 10^9 / Al).
        const double turns = Store(Sqrt(Ext(*l) * kNanohenry / *al));
        page.SetText("NSNUC", Format("%6.1f", turns, page.Locale()));
    } catch (const Fault&) {
        ShowFieldError(page, FailedInput({{*al, kAlName}, {*l, "Induttanza"}}, kAlName));
    }
}

void SBCALNUCClick(Page& page) {
    const auto l = ReadInductanceField(page, "INUC", "CBUINUC");
    if (!l)
        return;
    const auto turns = ReadPlainField(page, "NSNUC", kTurnsName);
    if (!turns)
        return;
    try {
        // Al = L 10^9 / N², nH/N².
        const double al = Store(Ext(*l) * kNanohenry / (Ext(*turns) * *turns));
        page.SetText("ALNUC", Format("%6.1f", al, page.Locale()));
    } catch (const Fault&) {
        ShowFieldError(page, kTurnsName);
    }
}

void SBCINUCClick(Page& page) {
    const auto al = ReadPlainField(page, "ALNUC", kAlName); // nH/N²
    if (!al)
        return;
    const auto turns = ReadPlainField(page, "NSNUC", kTurnsName);
    if (!turns)
        return;
    try {
        // L = N² Al / 10^9, H.
        const double henry = Store(Ext(*turns) * *turns * *al / kNanohenry);
        ShowInductance(page, "INUC", "CBUINUC", henry);
    } catch (const Fault&) {
        ShowFieldError(page, kTurnsName);
    }
}

void SBALTRONUCClick(Page& page) {
    const auto wire = ReadPlainField(page, "EDDIAM", "Diametro filo"); // mm
    if (!wire)
        return;
    const auto turns = ReadPlainField(page, "NSNUC", kTurnsName);
    if (!turns)
        return;
    const auto a = ReadPlainField(page, "D1NUC", "Dim  A cartoccio"); // mm
    if (!a)
        return;
    const auto b = ReadPlainField(page, "D2NUC", "Dim  B cartoccio"); // mm
    if (!b)
        return;
    const auto c = ReadPlainField(page, "D3NUC", kWidthName); // mm
    if (!c)
        return;
    const NumberLocale& locale = page.Locale();
    const double dw = *wire;
    try {
        // Layers: the turns side by side across the winding width C.
        const double layers = Store(Ext(*turns) * dw / *c);
        page.SetText("NPNUC", Format("%3.1f", layers, locale));
        // The whole layers wound, and the build-up they make, mm.
        const double buildUp = Store(Ext(Ceil32(layers)) * dw);
        // Wire length from the mean turn at half the build-up, m.
        double length = 0;
        if (page.Checked("RBC1NUC")) // square: perimeter 2(A + B) + 4t per turn
            length = Store((Ext(*a) + *b + Ext(2) * buildUp) * (Ext(2) * *turns) / 1000);
        else // round: circumference π (A + t) per turn
            length = Store((Ext(*a) + buildUp) * (Ext(kPi) * *turns) / 1000);
        page.SetText("LFNUC", Format("%3.2f", length, locale));
        // Copper resistance of the whole wire: R = ρ W / S, ohm.
        const Ext radius = Ext(dw) / 2; // mm
        const double resistance = Store(Ext(kCopper) * length / (radius * radius * kPi));
        page.SetText("RRNUC", Format("%3.3f", resistance, locale));
        // Copper weight: radius in dm, length in dm, kg/dm³ -> g.
        const Ext radiusDm = Ext(dw) / 200;
        const double weight = Store(radiusDm * radiusDm * kPi * length * 10 * kDensity * 1000);
        page.SetText("PESONUC", Format("%3.1f", weight, locale));
        CheckFit(page, *a, *b, buildUp);
    } catch (const Fault&) {
        ShowFieldError(page, kWidthName);
    }
}

void RBC2NUCClick(Page& page) {
    const bool square = page.Checked("RBC1NUC");
    page.SetVisible("IMG1", square);
    page.SetVisible("IMG2", !square);
    for (const char* name :
         {"LabelD4NUC", "LabelD5NUC", "UnitD4NUC", "UnitD5NUC", "D4NUC", "D5NUC"})
        page.SetVisible(name, square);
}

} // namespace velkor
