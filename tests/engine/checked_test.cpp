#include "checked.h"

#include <gtest/gtest.h>

namespace velkor::testing {
namespace {

// A rounding-up takes the value to 12 significant digits first: a product that is whole up to
// floating-point noise keeps its whole number; anything beyond the noise still goes up.
TEST(Ceil32, WholeUpToNoiseStaysWhole) {
    const struct {
        long double x;
        std::int32_t up;
    } cases[] = {
        {static_cast<double>(4.4000000000000004 * 5), 22}, // 22.000000000000004
        {22.0000000001L, 23},                              // 12 digits: a real excess
        {21.99999999999999L, 22},
        {21.5L, 22},
        {0.3L, 1},
        {1e-30L, 1},
        {0, 0},
        {-22.000000000000004L, -22},
        {-0.3L, 0},
        {2147483646.9999999L, 2147483647},
        {static_cast<double>(0.1 * 3 * 10), 3}, // 3.0000000000000004
    };
    for (const auto& c : cases)
        EXPECT_EQ(Ceil32(c.x), c.up) << static_cast<double>(c.x);
    EXPECT_THROW(Ceil32(2147483647.5L), Overflow);
    EXPECT_THROW(Ceil32(-3e9L), Overflow);
}

TEST(Ceil32, RoundSignificantKeepsEdgesAsTheyAre) {
    EXPECT_EQ(RoundSignificant(0, 12), 0);
    EXPECT_EQ(RoundSignificant(123456789012345.0L, 12), 123456789012000.0L);
    EXPECT_EQ(RoundSignificant(-1.23456789012345e-5L, 12), -1.23456789012e-5L);
}

} // namespace
} // namespace velkor::testing
