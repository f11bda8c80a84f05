#include "faults.h"
#include "gap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace velkor::library {
namespace {

constexpr double kMu0 = 4e-7 * std::numbers::pi; // H/m

// ETD 29/16/10 in N87 (data sheet Ae 76 mm², le 72 mm; µi 2308; window height 2D = 22 mm).
constexpr double kAe = 76e-6; // m²
constexpr double kLe = 72e-3; // m
constexpr double kMuI = 2308;
constexpr double kG = 22e-3; // m

TEST(Gap, TinyGapMeetsThePlainFormula) {
    // L just below the ungapped set's: lg = µ0·N²·Ae/L − le/µi of 1 µm and 0.1 µm; the fringing
    // factor tends to 1 and the gap to the plain one.
    const double n = 22;
    for (const double plain : {1e-6, 1e-7}) {
        const double henry = kMu0 * n * n * kAe / (plain + kLe / kMuI);
        const auto gap = GapFor(henry, n, kAe, kLe, kMuI, kG);
        ASSERT_TRUE(gap) << plain;
        EXPECT_LT(gap->fringing - 1, 2e-3) << plain;
        EXPECT_GT(gap->fringing, 1) << plain;
        EXPECT_NEAR(gap->length / plain, 1, 0.05) << plain;
    }
}

TEST(Gap, ChokeOnEtd29) {
    // 100 µH with 22 turns: 0.561 mm and F = 1.281; the pair gives L back.
    const auto gap = GapFor(100e-6, 22, kAe, kLe, kMuI, kG);
    ASSERT_TRUE(gap);
    EXPECT_NEAR(gap->length * 1000, 0.56076, 5e-5);
    EXPECT_NEAR(gap->fringing, 1.28062, 5e-5);
    EXPECT_NEAR(kMu0 * 22 * 22 * kAe * gap->fringing / (gap->length + kLe / kMuI), 100e-6, 1e-15);
}

TEST(Gap, NoGapNeededAndBadInputs) {
    // The ungapped set gives 1.48 mH with 22 turns: 2 mH needs no gap; neither does a hair above
    // it.
    EXPECT_FALSE(GapFor(2e-3, 22, kAe, kLe, kMuI, kG));
    EXPECT_FALSE(GapFor(kMu0 * 22 * 22 * kAe / (kLe / kMuI) * (1 + 1e-9), 22, kAe, kLe, kMuI, kG));
    // 1000 turns for 1 pH: a gap far beyond the window; no value, no hang.
    EXPECT_FALSE(GapFor(1e-12, 1000, kAe, kLe, kMuI, kG));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(GapFor(0, 22, kAe, kLe, kMuI, kG), InvalidOperation);
    EXPECT_THROW(GapFor(100e-6, 0, kAe, kLe, kMuI, kG), InvalidOperation);
    EXPECT_THROW(GapFor(100e-6, 22, -kAe, kLe, kMuI, kG), InvalidOperation);
    EXPECT_THROW(GapFor(100e-6, 22, kAe, -kLe, kMuI, kG), InvalidOperation);
    EXPECT_THROW(GapFor(100e-6, 22, kAe, kLe, 0, kG), InvalidOperation);
    EXPECT_THROW(GapFor(100e-6, 22, kAe, kLe, kMuI, 0), InvalidOperation);
    EXPECT_THROW(GapFor(nan, 22, kAe, kLe, kMuI, kG), InvalidOperation);
}

} // namespace
} // namespace velkor::library
