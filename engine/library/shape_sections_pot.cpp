// Sets described whole: EP, pot cores, PQ, RM and toroids.
#include "shape_sections.h"

namespace velkor::library::sections {

namespace {

constexpr long double kHalfPi = kPi / 2;
constexpr long double kEpCorner = 0.29289L; // 1 − 1/√2, the IEC method's corner of a round post

// Adds a radial yoke term given as its own C1 and C2 parts.
void AddYoke(Ext& c1, Ext& c2, Ext part1, Ext part2) {
    Positive(part1);
    Positive(part2);
    c1 += part1;
    c2 += part2;
}

} // namespace

Sums EpSet(const Dims& dims) {
    const Ext A = At(dims, "A"), B = At(dims, "B"), C = At(dims, "C"), D = At(dims, "D");
    const Ext E = At(dims, "E"), F = At(dims, "F");
    const Ext h1 = 2 * B, h2 = 2 * D;    // mm, set height and window height
    const Ext d1 = E, d2 = F;            // mm, winding space and post diameters
    const Ext k = Or(dims, "K", F / 2);  // mm, post offset from the back
    const Ext r = d2 / 2 + k;            // mm
    const Ext alpha = Atan(E / (2 * k)); // half opening of the winding space
    const Ext yoke = h1 - h2;            // mm, both yokes together
    const Ext open = Ext(kPi) - alpha;
    const Ext a1 = A * C - Ext(kPi) * d1 * d1 / 8 - d1 * k;            // mm², outer wall
    const Ext a3 = Ext(kPi) * (d2 / 2) * (d2 / 2) + (k - d2 / 2) * d2; // mm², post
    const Ext gamma = Sqrt((open * d1 * d1 + 2 * a1) / (4 * open));
    const Ext l4 = Ext(kHalfPi) * (gamma - d1 / 2 + yoke / 4);
    const Ext a4 = (A * C - Ext(kPi) / 8 * d1 * d1 - d1 * d2 / 2 + open * d1 * yoke / 2) / 2;
    const Ext l5 = Ext(kHalfPi) * (kEpCorner * r / 2 + yoke / 4);
    const Ext a5 = Ext(kHalfPi) * (r * r / 4 + r * yoke / 2);
    Ext c1 = 0, c2 = 0;
    AddSection(c1, c2, h2, a1);
    AddYoke(c1, c2, 2 * Log(d1 / r) / (open * yoke),
            4 * (d1 - r) / (open * open * yoke * yoke * d1 * r));
    AddSection(c1, c2, h2, a3);
    AddSection(c1, c2, l4, a4);
    AddSection(c1, c2, l5, a5);
    return {c1, c2, Min(Min(a1, a3), Min(a4, a5))};
}

Sums PotSet(const Dims& dims, int slots) {
    const Ext r1 = Or(dims, "H", 0) / 2;         // mm, centre hole (0 without)
    const Ext r2 = At(dims, "F") / 2;            // mm, post
    const Ext r3 = At(dims, "E") / 2;            // mm, winding space
    const Ext r4 = At(dims, "A") / 2;            // mm, outside
    const Ext h = At(dims, "B") - At(dims, "D"); // mm, yoke thickness
    const Ext h2 = 2 * At(dims, "D");            // mm, window height
    const Ext n = slots;
    const Ext b = slots > 0 ? At(dims, "G") : Ext(0); // mm, slot width
    const Ext s1 = r2 - Sqrt((r1 * r1 + r2 * r2) / 2);
    const Ext s2 = Sqrt((r3 * r3 + r4 * r4) / 2) - r3;
    const Ext k1 = n * b * (r4 - r3);                        // mm², wall lost to the slots
    const Ext k2 = 1 / Positive(1 - n * b / (2 * kPi * r3)); // yoke lost to the slots
    const Ext k3 = 1 - n * b / (kPi * (r3 + r4));
    const Ext a1 = Ext(kPi) * (r4 * r4 - r3 * r3) - k1;
    const Ext a3 = Ext(kPi) * (r2 * r2 - r1 * r1);
    const Ext l4 = Ext(kPi) / 4 * (2 * s2 + h);
    const Ext a4 = Ext(kHalfPi) * (r4 * r4 - r3 * r3 + 2 * r3 * h) * k3;
    const Ext l5 = Ext(kPi) / 4 * (2 * s1 + h);
    const Ext a5 = Ext(kHalfPi) * (r2 * r2 - r1 * r1 + 2 * r2 * h);
    const Ext ph = Ext(kPi) * h;
    Ext c1 = 0, c2 = 0;
    AddSection(c1, c2, h2, a1);
    AddYoke(c1, c2, Log(r3 / r2) * k2 / ph, (r3 - r2) / (r3 * r2) * k2 * k2 / (2 * ph * ph));
    AddSection(c1, c2, h2, a3);
    AddSection(c1, c2, l4, a4);
    AddSection(c1, c2, l5, a5);
    return {c1, c2, Min(Min(a1, a3), Min(a4, a5))};
}

Sums PqSet(const Dims& dims) {
    const Ext A = At(dims, "A"), B = At(dims, "B"), C = At(dims, "C"), D = At(dims, "D");
    const Ext E = At(dims, "E"), F = At(dims, "F"), G = At(dims, "G");
    const Ext J = Or(dims, "J", F / 2);
    const Ext L = Or(dims, "L", F + (C - F) / 3);
    const Ext h = B - D; // mm, yoke thickness
    const Ext beta = Acos(G / E);
    const Ext alpha = Atan(L / J);
    const Ext I = E * Sin(beta);
    // The yoke's real section against the full ring between post and winding space.
    const Ext a7 = (beta * E * E - alpha * F * F + G * L - J * I) / 8;
    const Ext a8 = Ext(kPi) / 16 * (E * E - F * F);
    const Ext a9 = 2 * alpha * F * h;
    const Ext a10 = 2 * beta * E * h;
    const Ext lmin = (E - F) / 2;
    const Ext lmax = Sqrt(E * E + F * F - 2 * E * F * Cos(alpha - beta)) / 2;
    const Ext f = (lmin + lmax) / (2 * Positive(lmin));
    const Ext K = a7 / a8;
    const Ext ln = Log(E / F);
    const Ext a1 = C * (A - G) - beta * E * E / 2 + G * I / 2; // mm², outer legs
    const Ext l2 = f * E * F / (E - F) * ln * ln;              // mm, yokes
    const Ext a2 = Ext(kPi) * K * E * F * h / (E - F) * ln;
    const Ext a3 = Ext(kPi) * F * F / 4; // mm², post
    const Ext l4 = Ext(kPi) / 4 * (h + A / 2 - E / 2);
    const Ext a4 = (a1 + a10) / 2;
    const Ext l5 = Ext(kPi) / 4 * (h + (1 - 1 / Sqrt(2)) * F);
    const Ext a5 = (a3 + a9) / 2;
    Ext c1 = 0, c2 = 0;
    AddSection(c1, c2, 2 * D, a1);
    AddSection(c1, c2, l2, a2);
    AddSection(c1, c2, 2 * D, a3);
    AddSection(c1, c2, l4, a4);
    AddSection(c1, c2, l5, a5);
    return {c1, c2, Min(Min(a1, a3), Min(a4, a5))};
}

Sums RmSet(const Dims& dims, int subtype) {
    const Ext d2 = At(dims, "E"), d3 = At(dims, "F"), d4 = Or(dims, "H", 0); // mm
    const Ext a = At(dims, "J"), c = At(dims, "C"), e = At(dims, "G");       // mm
    const Ext h = At(dims, "B") - At(dims, "D");                             // mm, yoke
    const Ext D = At(dims, "D");
    const Ext p = Sqrt(2) * a - At(dims, "A");
    const Ext alpha = kHalfPi, gamma = kHalfPi;
    const Ext beta = alpha - Asin(e / d2);
    const Ext lmin = (d2 - d3) / 2;
    const Ext a8 = alpha / 8 * (d2 * d2 - d3 * d3);
    Ext lmax = Sqrt((d2 * d2 + d3 * d3) / 4 - d2 * d3 * Cos(alpha - beta) / 2);
    Ext a7 = 0;
    const Ext pi4 = Ext(kPi) / 4;
    switch (subtype) {
    case 1:
    case 2:
        a7 = (beta / 2 * d2 * d2 + e * e / 2 * Tan(beta) - e * e / 2 * Tan(alpha - gamma / 2) -
              pi4 * d3 * d3) /
             4;
        break;
    case 3:
        lmax = e / 2 + (1 - Sin(gamma / 2)) * (d2 - c) / 2;
        a7 = (beta / 2 * d2 * d2 - pi4 * d3 * d3 + c * c / 2 * Tan(alpha - beta)) / 4;
        break;
    case 4:
        a7 = (beta / 2 * d2 * d2 + d2 * d3 * Sin(alpha - beta) / 2 +
              (c - d3) * (c - d3) / 2 * Tan(gamma / 2) - pi4 * d3 * d3) /
             4;
        break;
    default:
        throw InvalidOperation(); // no drawing for this subtype
    }
    const Ext f = (lmin + lmax) / (2 * Positive(lmin));
    const Ext ratio = a7 / a8; // the yoke's real section against the full ring
    const Ext a1 = a * a / 2 * (1 + Tan(beta - Ext(kPi) / 4)) - beta / 2 * d2 * d2 - p * p / 2;
    const Ext a3 = pi4 * (d3 * d3 - d4 * d4);
    // Outer corners: as PQ's, across the yoke and the leg's own thickness (A − d2)/2. The
    // thickness at the chamfered diagonal, (J − d2)/2, would put the corner's path inside the
    // leg's edge: it leaves RM 8/I's le 3 % and Ve 6 % under its data sheet; with (A − d2)/2
    // they meet it within 2 %.
    const Ext l4 = pi4 * (h + At(dims, "A") / 2 - d2 / 2);
    const Ext a4 = (a1 + 2 * beta * d2 * h) / 2;
    const Ext l5 = pi4 * (d3 + h - Sqrt((d3 * d3 + d4 * d4) / 2));
    const Ext a5 = (pi4 * (d3 * d3 - d4 * d4) + 2 * alpha * d3 * h) / 2;
    const Ext yoke = f / (ratio * kPi * h);
    Ext c1 = 0, c2 = 0;
    AddSection(c1, c2, 2 * D, a1);
    AddYoke(c1, c2, Log(d2 / d3) * yoke, (1 / d3 - 1 / d2) * yoke * yoke);
    AddSection(c1, c2, 2 * D, a3);
    AddSection(c1, c2, l4, a4);
    AddSection(c1, c2, l5, a5);
    return {c1, c2, Min(Min(a1, a3), Min(a4, a5))};
}

Sums ToroidSet(const Dims& dims) {
    const Ext r1 = At(dims, "B") / 2; // mm, inner radius
    const Ext r2 = At(dims, "A") / 2; // mm, outer radius
    const Ext height = At(dims, "C"); // mm
    const Ext ln = Positive(Log(r2 / r1));
    // A ring whose flux density falls as 1/r.
    const Ext c1 = Ext(kTwoPi) / (height * ln);
    const Ext c2 = Ext(kTwoPi) * (1 / r1 - 1 / r2) / (height * height * ln * ln * ln);
    return {c1, c2, (r2 - r1) * height};
}

} // namespace velkor::library::sections
