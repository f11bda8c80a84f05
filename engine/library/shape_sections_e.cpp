// Two-part sets described by one half: E, planar E, the round centre posts, EC and EFD.
#include "shape_sections.h"

namespace velkor::library::sections {

namespace {

// The IEC method's equivalent of a round post's half width in the inner corners.
constexpr long double kRoundPostCorner = 0.5959L;

} // namespace

Sums ESet(const Dims& dims, bool roundPost, bool clipSlot) {
    const Ext A = At(dims, "A"), B = At(dims, "B"), C = At(dims, "C"), D = At(dims, "D");
    const Ext E = At(dims, "E"), F = At(dims, "F");
    const Ext h = B - D;             // mm, yoke thickness
    const Ext s = F / 2;             // mm, half the centre leg
    const Ext q = C;                 // mm, depth
    Ext p = (A - E) / 2;             // mm, outer leg width
    Ext a1 = 2 * q * p;              // mm², both outer legs
    Ext a3 = 2 * s * q;              // mm², centre leg
    Ext l5 = Ext(kPi) / 8 * (s + h); // mm, inner corners
    if (roundPost) {
        // The outer leg's inner face is the arc of the winding space (diameter E), cut where it
        // meets the leg's depth C, or at the opening G where the record gives one.
        const Ext radius = E / 2;    // mm
        Ext theta = Asin(C / E);     // half angle of the arc's chord
        Ext a = radius * Cos(theta); // mm, where the leg's flat part begins
        const auto g = dims.find("G");
        if (g != dims.end() && !clipSlot) {
            a = Ext(g->second) / 2;
            theta = Acos(a / radius);
        }
        const Ext segment = radius * radius / 2 * (2 * theta - Sin(2 * theta)); // mm²
        Ext leg = C * (A / 2 - a) - segment; // mm², one outer leg
        if (clipSlot)
            leg -= Ext(kPi) * At(dims, "s") * At(dims, "s") / 2; // the clip's slot
        p = Positive(leg) / C;
        a1 = 2 * C * p;
        a3 = Ext(kPi) * (F / 2) * (F / 2);
        l5 = Ext(kPi) / 8 * (2 * kRoundPostCorner * F / 2 + h);
    }
    const Ext a2 = 2 * q * h;              // mm², yoke
    const Ext l4 = Ext(kPi) / 8 * (p + h); // mm, outer corners
    const Ext a4 = (a1 + a2) / 2;          // mm²
    const Ext a5 = (a2 + a3) / 2;          // mm²
    Ext c1 = 0, c2 = 0;                    // one half
    AddSection(c1, c2, D, a1);
    AddSection(c1, c2, (E - F) / 2, a2);
    AddSection(c1, c2, D, a3);
    AddSection(c1, c2, l4, a4);
    AddSection(c1, c2, l5, a5);
    return {2 * c1, 2 * c2, Min(a1, Min(a2, a3))};
}

Sums EfdSet(const Dims& dims) {
    const Ext A = At(dims, "A"), B = At(dims, "B"), C = At(dims, "C"), D = At(dims, "D");
    const Ext E = At(dims, "E"), F = At(dims, "F"), F2 = At(dims, "F2"), K = At(dims, "K");
    const Ext q = At(dims, "q");
    // One side of the half (the two sides carry the flux in parallel).
    const Ext a1 = C * (A - E) / 2;          // mm², outer leg
    const Ext a2 = C * (B - D);              // mm², yoke
    const Ext a3 = (F * F2 - 2 * q * q) / 2; // mm², half the flat centre post less its chamfers
    const Ext a4 = (a1 + a2) / 2;
    const Ext a5 = (a2 + a3) / 2;
    const Ext l4 = Ext(kPi) / 8 * ((A - E) / 2 + B - D);
    const Ext across = (C - F2 - 2 * K) / 2; // mm, offset of the post from the middle
    const Ext l5 = Ext(kPi) / 4 * (F / 4 + Sqrt(across * across + (B - D) / 2 * ((B - D) / 2)));
    Ext c1 = 0, c2 = 0; // per side; the half has two in parallel: Σ l/(2A), Σ l/(4A²)
    AddSection(c1, c2, D, a1);
    AddSection(c1, c2, (E - F) / 2, a2);
    AddSection(c1, c2, D, a3);
    AddSection(c1, c2, l4, a4);
    AddSection(c1, c2, l5, a5);
    return {2 * (c1 / 2), 2 * (c2 / 4), 2 * Min(a1, Min(a2, a3))};
}

} // namespace velkor::library::sections
