#include "nagaoka.h"

#include "checked.h"

#include <cfloat>
#include <cmath>

namespace velkor {

CompleteElliptic EllipticIntegrals(long double modulus, long double complement) {
    if (!(modulus >= 0.0L && complement > 0.0L && complement <= 1.0L))
        throw InvalidOperation();
    // Arithmetic-geometric mean of a0 = 1 and b0 = k'; c0 = k and c(n+1) = c(n)² / (4 a(n+1)),
    // which equals (a(n) - b(n)) / 2 without its cancellation. Then K = π / (2 a∞) and
    // K - E = K · Σ 2^(n-1) c(n)².
    Ext a = 1;
    Ext b = complement;
    Ext c = modulus;
    Ext sum = c * c / 2;
    Ext weight = 1; // 2^(n-1) for the next term
    for (int n = 0; n < 64; ++n) {
        const Ext next = (a + b) / 2;
        b = Sqrt(a * b);
        a = next;
        c = c * c / (4 * a);
        sum += weight * c * c;
        weight *= 2;
        if (c.value() <= a.value() * LDBL_EPSILON)
            break;
    }
    const Ext first = Ext(kPi) / (2 * a);
    const Ext difference = first * sum;
    return {first.value(), (first - difference).value(), difference.value()};
}

namespace {

// E(k) - k. For a flat coil (k' < 10^-4) both are close to 1 and their difference, of the
// order of k'² ln(4/k'), is taken from the expansion E = 1 + (k'²/2)(Λ - 1/2) +
// (3k'⁴/16)(Λ - 13/12) + ... with Λ = ln(4/k'), and 1 - k = k'² / (1 + k), instead.
Ext EllipticSecondMinusModulus(Ext k, Ext complement, long double second) {
    if (complement.value() >= 1e-4L)
        return Ext(second) - k;
    const Ext m = complement * complement; // k'²
    const Ext lambda = std::log(4 / complement.value());
    const Ext secondMinusOne = m / 2 * (lambda - 0.5L) + 3 * m * m / 16 * (lambda - 13.0L / 12);
    return secondMinusOne + m / (1 + k);
}

} // namespace

long double NagaokaCoefficient(long double ratio) {
    if (!(ratio > 0.0L))
        throw InvalidOperation();
    const Ext x = ratio;
    const Ext root = Sqrt(1 + x * x);
    const Ext k = x / root;          // modulus
    const Ext complement = 1 / root; // k' = √(1 - k²), without the cancellation near k = 1
    const CompleteElliptic integrals = EllipticIntegrals(k.value(), complement.value());
    // K = 4 / (3π k') · [(k'² / k²)(K(k) - E(k)) + E(k) - k]
    const Ext bracket = complement * complement / (k * k) * integrals.difference +
                        EllipticSecondMinusModulus(k, complement, integrals.second);
    return (Ext(4) / (3 * kPi * complement) * bracket).value();
}

long double SolveNagaokaRatio(long double ratio, int power) {
    if (!(ratio > 0.0L) || (power != 1 && power != 2))
        throw InvalidOperation();
    const auto side = [power](Ext x) {
        const Ext k = NagaokaCoefficient(x.value());
        return power == 1 ? k * x : k * x * x;
    };
    const Ext target = power == 1 ? Ext(ratio) : Ext(ratio) * ratio;
    // K <= 1, so the solution lies at or above x0: double the ratio until it is passed.
    Ext low = ratio;
    Ext high = ratio;
    while (side(high) < target) {
        low = high;
        high *= 2;
    }
    // Bisection down to the last bit of the extended precision.
    for (int i = 0; i < 200; ++i) {
        const Ext middle = low + (high - low) / 2;
        if (middle == low || middle == high)
            break;
        if (side(middle) < target)
            low = middle;
        else
            high = middle;
    }
    return (low + (high - low) / 2).value();
}

} // namespace velkor
