// Nagaoka's coefficient, the elliptic integrals behind it and the corrected coil's ratio.
#include "faults.h"
#include "nagaoka.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velkor {
namespace {

TEST(Nagaoka, NagaokasTableToFourDigits) {
    struct Row {
        long double ratio; // D / l
        long double k;
    };
    const Row table[] = {{0.1L, 0.9588L}, {0.2L, 0.9201L}, {0.5L, 0.8181L}, {1, 0.6884L},
                         {2, 0.5255L},    {5, 0.3198L},    {10, 0.2033L}};
    for (const auto& row : table)
        EXPECT_NEAR(NagaokaCoefficient(row.ratio), row.k, 0.5e-4L) << row.ratio;
}

TEST(Nagaoka, EllipticIntegralsByTheArithmeticGeometricMean) {
    // k = 1/√2: K = Γ(1/4)² / (4√π), E = K/2 + π/(4K).
    const long double s = std::sqrt(0.5L);
    const CompleteElliptic half = EllipticIntegrals(s, s);
    EXPECT_NEAR(half.first, 1.85407467730137191843L, 1e-17L);
    EXPECT_NEAR(half.second, 1.35064388104767550252L, 1e-17L);
    EXPECT_NEAR(half.difference, half.first - half.second, 1e-17L);
    // k = 0: both are π/2.
    const CompleteElliptic zero = EllipticIntegrals(0, 1);
    EXPECT_NEAR(zero.first, 1.57079632679489661923L, 1e-18L);
    EXPECT_EQ(zero.difference, 0);
    // Small k: K - E = (π/4) k² (1 + 3k²/8 + ...), with no cancellation.
    const long double k = 1e-8L;
    const CompleteElliptic small = EllipticIntegrals(k, std::sqrt(1 - k * k));
    EXPECT_NEAR(small.difference / (k * k), 0.78539816339744830962L, 1e-15L);
    EXPECT_THROW(EllipticIntegrals(0.5L, 0), InvalidOperation);
    EXPECT_THROW(EllipticIntegrals(-0.1L, 1), InvalidOperation);
}

TEST(Nagaoka, LimitsOfLongAndFlatCoils) {
    // A long coil is a long solenoid: K = 1 - 4x/(3π) + x²/8 - ... for x = D/l.
    for (long double x : {1e-3L, 1e-6L, 1e-12L, 1e-300L})
        EXPECT_NEAR(NagaokaCoefficient(x), 1 - 4 * x / (3 * 3.14159265358979323846L) + x * x / 8,
                    1e-6L * x)
            << x;
    // A flat coil: K = (2 / (π x)) (ln 4x - 1/2) + O(ln x / x³).
    for (long double x : {1e3L, 1e4L, 1e6L, 1e12L, 1e300L}) {
        const long double flat = 2 / (3.14159265358979323846L * x) * (std::log(4 * x) - 0.5L);
        EXPECT_NEAR(NagaokaCoefficient(x) / flat, 1, 1e-6L) << x;
    }
    // The expansion for flat coils takes over at k' = 10^-4 (x near 10^4) without a step.
    const long double before = NagaokaCoefficient(9999.99999999L);
    const long double after = NagaokaCoefficient(10000.00000001L);
    EXPECT_NEAR(after / before, 1, 1e-11L);
    EXPECT_LT(after, before);
    EXPECT_THROW(NagaokaCoefficient(0), InvalidOperation);
    EXPECT_THROW(NagaokaCoefficient(-1), InvalidOperation);
}

TEST(Nagaoka, CoefficientFallsWithTheRatio) {
    long double previous = 1;
    for (long double x = 0.01L; x < 1000; x *= 1.1L) {
        const long double k = NagaokaCoefficient(x);
        EXPECT_LT(k, previous) << x;
        previous = k;
    }
}

TEST(Nagaoka, SolvedRatioMeetsTheCorrectedRelation) {
    struct Case {
        long double ratio;
        int power;
    };
    const Case cases[] = {{0.5L, 2}, {0.5L, 1}, {1e-6L, 2}, {0.01L, 1}, {3, 2}, {40, 1}, {1e5L, 2}};
    for (const auto& c : cases) {
        const long double x = SolveNagaokaRatio(c.ratio, c.power);
        const long double side = NagaokaCoefficient(x) * std::pow(x, c.power);
        EXPECT_NEAR(side / std::pow(c.ratio, c.power), 1, 1e-15L) << c.ratio << " " << c.power;
        EXPECT_GE(x, c.ratio);
    }
    // The page's coil: D_long 9.993 mm of l 20 mm needs D 11.17 mm; l_long 19.97 mm of D 10 mm
    // needs l 15.5 mm.
    EXPECT_NEAR(SolveNagaokaRatio(9.9930L / 20, 2) * 20, 11.168L, 1e-3L);
    // K(x) x grows only as ln x: no ratio in range carries a coil 10^5 times flatter.
    EXPECT_THROW(SolveNagaokaRatio(1e5L, 1), Overflow);
    EXPECT_THROW(SolveNagaokaRatio(0, 2), InvalidOperation);
    EXPECT_THROW(SolveNagaokaRatio(1, 3), InvalidOperation);
}

} // namespace
} // namespace velkor
