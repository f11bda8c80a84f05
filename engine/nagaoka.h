// Nagaoka's coefficient: the inductance of a current sheet of finite length.
//
// The long-solenoid relation L = (π D N)² µe / (10^10 l) ignores the field that leaks out of
// the coil's ends; a current sheet of diameter D and length l has K(D/l) times that value.
#pragma once

namespace velkor {

// The complete elliptic integrals of the first and second kind of modulus k (0 <= k < 1),
// and their difference K - E, computed without cancellation for small k.
struct CompleteElliptic {
    long double first = 0;      // K(k)
    long double second = 0;     // E(k)
    long double difference = 0; // K(k) - E(k)
};

// By the arithmetic-geometric mean of 1 and k' = √(1 - k²); `complement` is k', passed
// separately so that k close to 1 keeps its precision. Throws InvalidOperation outside
// 0 <= k < 1.
CompleteElliptic EllipticIntegrals(long double modulus, long double complement);

// Nagaoka's coefficient K of the ratio x = D / l (x > 0): with k = x / √(1 + x²) and
// k' = √(1 - k²), K = 4 / (3π k') · [(k'² / k²)(K(k) - E(k)) + E(k) - k]. It falls from 1
// for a long coil towards 0 for a flat one. Throws InvalidOperation for x <= 0.
long double NagaokaCoefficient(long double ratio);

// The ratio x >= x0 at which K(x) · x^power = x0^power (power 1 or 2), by bisection in
// extended precision. With power 2 and x0 = D/l it gives the diameter of the corrected coil
// (D = x l); with power 1 and x0 = D/l it gives its length (l = D / x). The left side grows
// with x, so the solution exists; a ratio beyond the extended range throws Overflow.
long double SolveNagaokaRatio(long double ratio, int power);

} // namespace velkor
