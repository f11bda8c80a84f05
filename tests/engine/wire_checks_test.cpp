// Skin depth, the standard wire sizes, their gauges and the wire to buy.
#include "locale_text.h"
#include "wire_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace velkor {
namespace {

using testing::kBothLocales;
using testing::Localised;

TEST(WireChecks, SkinDepthOfCopper) {
    struct Case {
        long double hertz;
        long double mm;
    };
    const Case cases[] = {
        {20000, 0.473469L}, {100000, 0.211742L}, {200000, 0.149724L}, {1, 66.958662L}};
    for (const auto& c : cases)
        EXPECT_NEAR(SkinDepth(c.hertz).value(), c.mm, 1e-6L) << c.hertz;
    for (long double f : {1e3L, 5e4L, 1e6L})
        EXPECT_NEAR(*SkinDepth(f) * std::sqrt(f), 66.9587L, 1e-4L);
    EXPECT_FALSE(SkinDepth(0));
    EXPECT_FALSE(SkinDepth(-20000));
}

TEST(WireChecks, StandardSizesOfTheR20Series) {
    const auto sizes = StandardWireSizes();
    ASSERT_EQ(sizes.size(), 49u);
    EXPECT_EQ(sizes.front(), 0.020);
    EXPECT_EQ(sizes[15], 0.112);
    EXPECT_EQ(sizes.back(), 5.0);
    for (std::size_t i = 1; i < sizes.size(); ++i) // steps of 10^(1/20), to the table's rounding
        EXPECT_NEAR(sizes[i] / sizes[i - 1], 1.122, 0.035) << sizes[i];
}

TEST(WireChecks, AmericanGauge) {
    struct Case {
        double mm;
        int gauge;
    };
    const Case cases[] = {
        {0.127, 36},                                           // exactly the diameter of gauge 36
        {0.1270001, 35}, {0.80, 20}, {0.10, 38},  {0.020, 51}, // the smallest size
        {5.0, 4},                                              // the largest size
        {0.40, 26},      {0.28, 29}, {11.68, -3},              // 0000, 11.684 mm
    };
    for (const auto& c : cases)
        EXPECT_EQ(AwgGauge(c.mm), c.gauge) << c.mm;
    // Every size: its gauge's diameter is not below it, the next gauge's is.
    for (double size : StandardWireSizes()) {
        const int g = AwgGauge(size);
        EXPECT_GE(0.127L * std::pow(92.0L, (36.0L - g) / 39), size * (1 - 1e-15));
        EXPECT_LT(0.127L * std::pow(92.0L, (35.0L - g) / 39), size);
    }
}

TEST(WireChecks, WireToBuy) {
    struct Case {
        const char* what;
        double diameter; // mm
        double depth;    // mm
        const char* text;
    };
    const Case cases[] = {
        {"the defaults' primary", 0.774546, 0.473469, "1 × 0#80 (AWG 20)"},
        {"exactly on a standard size", 0.80, 0.5, "1 × 0#80 (AWG 20)"},
        {"just above it", 0.8000001, 0.5, "1 × 0#90 (AWG 19)"},
        {"three decimals", 0.35, 0.5, "1 × 0#355 (AWG 27)"},
        {"a whole millimetre", 0.95, 0.5, "1 × 1#00 (AWG 18)"},
        {"the smallest size", 0.020, 0.5, "1 × 0#02 (AWG 51)"},
        {"below the smallest size", 0.0199, 0.5, "?"},
        {"nothing at all", 0, 0.5, "?"},
        {"the largest size", 5.0, 3.0, "1 × 5#00 (AWG 4)"},
        {"beyond the largest size", 5.0001, 3.0, "?"},
        {"exactly twice the depth is one wire", 0.8, 0.4, "1 × 0#80 (AWG 20)"},
        {"100 kHz: four strands of the same copper", 0.8, 0.211742, "4 × 0#40 (AWG 26)"},
        {"100 kHz: one strand more for a little more copper", 0.8001, 0.211742,
         "5 × 0#40 (AWG 26)"},
        {"200 kHz", 1.686753, 0.149724, "37 × 0#28 (AWG 29)"},
        {"strands at a low frequency", 4.999, 2.49, "2 × 4#50 (AWG 5)"},
        {"strands of the smallest size", 0.04, 0.0105, "4 × 0#02 (AWG 51)"},
        {"no size as thin as twice the depth", 0.04, 0.0099, "?"},
    };
    for (const auto& [name, locale] : kBothLocales)
        for (const auto& c : cases)
            EXPECT_EQ(WireText(WireToBuy(c.diameter, c.depth), locale), Localised(c.text, locale))
                << name << ": " << c.what;
}

} // namespace
} // namespace velkor
