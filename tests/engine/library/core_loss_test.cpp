#include "core_loss.h"
#include "faults.h"
#include "shipped_materials.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace velkor::library {
namespace {

using testing::Shipped;
using testing::ShippedMaterials;

// One band's own density, without any blend: k·f^α·B^β·(ct2·T² − ct1·T + ct0) W/m³.
double BandDensity(const SteinmetzBand& b, double f, double peak, double t) {
    return b.k * std::pow(f, b.alpha) * std::pow(peak, b.beta) *
           (b.ct2 * t * t - b.ct1 * t + b.ct0);
}

Material OneBand(double alpha, double beta, double ct0 = 1, double ct1 = 0, double ct2 = 0) {
    Material m;
    m.name = "test";
    m.bands.push_back({1, 1e7, 2.5, alpha, beta, ct0, ct1, ct2});
    return m;
}

TEST(CoreLoss, NoStepAcrossAnyBandBoundary) {
    // 100 mT, 100 °C, 0.1 % below and above every boundary of every material: the bands alone
    // jump by up to a factor 4.5 there (3F46 at 800 kHz).
    int boundaries = 0;
    for (const Material& m : ShippedMaterials().materials) {
        for (std::size_t i = 0; i + 1 < m.bands.size(); ++i) {
            const double fb = m.bands[i].fMax;
            const auto below = SineLossDensity(m, fb * 0.999, 0.1, 100);
            const auto above = SineLossDensity(m, fb * 1.001, 0.1, 100);
            ASSERT_TRUE(below && above) << m.name << " " << fb;
            EXPECT_LT(std::fabs(*above / *below - 1), 0.02) << m.name << " " << fb;
            ++boundaries;
        }
    }
    EXPECT_EQ(boundaries, 55);
}

TEST(CoreLoss, BlendEndsOnTheBandsThemselves) {
    // N87 at its 100 kHz boundary: at f_b/1.1 the lower band alone, at 1.1·f_b the upper one,
    // halfway (in the logarithm) their geometric mean; farther away each band as it is.
    const Material& n87 = *Shipped("N87");
    const SteinmetzBand& lower = n87.bands[0];
    const SteinmetzBand& upper = n87.bands[1];
    const double fb = 100000;
    const struct {
        double f;
        double expected;
    } cases[] = {
        {fb / 1.1, BandDensity(lower, fb / 1.1, 0.1, 100)},
        {fb * 1.1, BandDensity(upper, fb * 1.1, 0.1, 100)},
        {fb, std::sqrt(BandDensity(lower, fb, 0.1, 100) * BandDensity(upper, fb, 0.1, 100))},
        {50000, BandDensity(lower, 50000, 0.1, 100)},
        {200000, BandDensity(upper, 200000, 0.1, 100)},
        {1000, BandDensity(lower, 1000, 0.1, 100)},      // the first band
        {2e7, BandDensity(n87.bands[2], 2e7, 0.1, 100)}, // above the last: the last
    };
    for (const auto& c : cases)
        EXPECT_NEAR(*SineLossDensity(n87, c.f, 0.1, 100) / c.expected, 1, 1e-12) << c.f;
}

TEST(CoreLoss, DataSheetPoints) {
    const struct {
        const char* material;
        double hertz;
        double peak;       // T
        double kwPerCubic; // data sheet, kW/m³
    } points[] = {
        {"N95", 100000, 0.200, 341},  {"N97", 100000, 0.200, 309},  {"3C95", 100000, 0.193, 282},
        {"3C95", 200000, 0.107, 181}, {"PC200", 500000, 0.050, 60},
    };
    for (const auto& p : points) {
        const Material* m = Shipped(p.material);
        ASSERT_NE(m, nullptr) << p.material;
        const auto pv = SineLossDensity(*m, p.hertz, p.peak, 100);
        ASSERT_TRUE(pv) << p.material;
        EXPECT_NEAR(*pv / 1000 / p.kwPerCubic, 1, 0.20) << p.material << " " << p.hertz;
    }
}

// I(α) = ∫₀^2π |cos θ|^α dθ by Simpson's rule, apart from the closed form under test.
double CosineIntegral(double alpha) {
    const int n = 20000;
    const double h = std::numbers::pi / 2 / n;
    double sum = 1 + std::pow(std::cos(std::numbers::pi / 2), alpha);
    for (int i = 1; i < n; ++i)
        sum += (i % 2 ? 4 : 2) * std::pow(std::cos(i * h), alpha);
    return 4 * sum * h / 3; // four quarter periods
}

TEST(CoreLoss, SquareVoltageAgainstSineOfTheSamePeak) {
    // D = 0.5, ΔB = 2·B̂: Pv(rect)/Pv(sine) = 2^(2α)/((2π)^(α−1)·I(α)).
    const struct {
        double alpha;
        double ratio; // rounded, as published
    } cases[] = {{1.0, 1.000}, {1.2, 0.968}, {1.6, 0.893}, {1.188950273156242, 0.970}};
    for (const auto& c : cases) {
        const Material m = OneBand(c.alpha, 2.6, 2, 0.03, 0.00015);
        const double expected =
            std::pow(2, 2 * c.alpha) /
            (std::pow(2 * std::numbers::pi, c.alpha - 1) * CosineIntegral(c.alpha));
        const double sine = *SineLossDensity(m, 100000, 0.15, 80);
        const double rect = *RectangularLossDensity(m, 100000, 0.30, 0.5, 80);
        EXPECT_NEAR(rect / sine, expected, 1e-6) << c.alpha;
        EXPECT_NEAR(rect / sine, c.ratio, 0.0005) << c.alpha;
    }
    // A real material keeps the same ratio through its blend.
    const Material& n87 = *Shipped("N87");
    const double sine = *SineLossDensity(n87, 100000, 0.1, 100);
    const double rect = *RectangularLossDensity(n87, 100000, 0.2, 0.5, 100);
    const double a0 = n87.bands[0].alpha;
    const double a1 = n87.bands[1].alpha;
    const double r0 =
        std::pow(2, 2 * a0) / (std::pow(2 * std::numbers::pi, a0 - 1) * CosineIntegral(a0));
    const double r1 =
        std::pow(2, 2 * a1) / (std::pow(2 * std::numbers::pi, a1 - 1) * CosineIntegral(a1));
    EXPECT_NEAR(rect / sine, std::sqrt(r0 * r1), 1e-6);
}

TEST(CoreLoss, NarrowPulsesCostMore) {
    // The flux rising in a tenth of the period and falling in the rest: (D^(1−α) + (1 − D)^(1−α))
    // against 2·0.5^(1−α); the same for D and 1 − D.
    const Material m = OneBand(1.5, 2.6);
    const double half = *RectangularLossDensity(m, 100000, 0.2, 0.5, 25);
    const double tenth = *RectangularLossDensity(m, 100000, 0.2, 0.1, 25);
    const double expected = (std::pow(0.1, -0.5) + std::pow(0.9, -0.5)) / (2 * std::pow(0.5, -0.5));
    EXPECT_NEAR(tenth / half, expected, 1e-12);
    EXPECT_NEAR(*RectangularLossDensity(m, 100000, 0.2, 0.9, 25) / tenth, 1, 1e-12);
}

TEST(CoreLoss, NoAnswerWhereTheBracketIsNotPositive) {
    // (T/4 − 2)²: exactly zero at 8 °C. 5·10⁻⁵·T² − 0.02·T + 1: negative from 58.6 to 341.4 °C.
    const Material square = OneBand(1.3, 2.6, 4, 1, 0.0625);
    EXPECT_FALSE(SineLossDensity(square, 100000, 0.1, 8));
    EXPECT_FALSE(RectangularLossDensity(square, 100000, 0.2, 0.5, 8));
    EXPECT_TRUE(SineLossDensity(square, 100000, 0.1, 7.9));
    EXPECT_TRUE(SineLossDensity(square, 100000, 0.1, 8.1));
    const Material dip = OneBand(1.3, 2.6, 1, 0.02, 0.00005);
    for (const double t : {60.0, 100.0, 340.0}) {
        EXPECT_FALSE(SineLossDensity(dip, 100000, 0.1, t)) << t;
        EXPECT_FALSE(RectangularLossDensity(dip, 100000, 0.2, 0.3, t)) << t;
    }
    for (const double t : {-40.0, 58.0, 342.0})
        EXPECT_TRUE(SineLossDensity(dip, 100000, 0.1, t)) << t;

    // N49's top band (from 600 kHz) has a bracket that turns negative above 25 °C: no answer at
    // 100 °C there, and inside the blend the band below counts alone.
    const Material& n49 = *Shipped("N49");
    EXPECT_FALSE(SineLossDensity(n49, 1e6, 0.05, 100));
    EXPECT_FALSE(RectangularLossDensity(n49, 1e6, 0.1, 0.5, 100));
    EXPECT_TRUE(SineLossDensity(n49, 1e6, 0.05, 20));
    EXPECT_NEAR(*SineLossDensity(n49, 620000, 0.05, 100) /
                    BandDensity(n49.bands[1], 620000, 0.05, 100),
                1, 1e-12);
}

TEST(CoreLoss, OverflowIsNoAnswerAndBadArgumentsThrow) {
    const Material& n87 = *Shipped("N87");
    EXPECT_FALSE(SineLossDensity(n87, 1e300, 1e300, 100));
    EXPECT_FALSE(RectangularLossDensity(n87, 1e300, 1e300, 0.5, 100));
    EXPECT_FALSE(SineLossDensity(Material{}, 100000, 0.1, 100)); // no band at all
    EXPECT_EQ(*SineLossDensity(n87, 100000, 0, 100), 0);
    EXPECT_EQ(*SineLossDensity(n87, 0, 0.1, 100), 0);
    EXPECT_EQ(*RectangularLossDensity(n87, 100000, 0, 0.5, 100), 0);
    EXPECT_GT(*SineLossDensity(n87, 100000, 1e-100, 100), 0); // tiny, not an error
    EXPECT_EQ(*SineLossDensity(n87, 100000, 1e-200, 100), 0); // below the double range

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_THROW(SineLossDensity(n87, -1, 0.1, 100), InvalidOperation);
    EXPECT_THROW(SineLossDensity(n87, 100000, -0.1, 100), InvalidOperation);
    EXPECT_THROW(SineLossDensity(n87, nan, 0.1, 100), InvalidOperation);
    EXPECT_THROW(SineLossDensity(n87, 100000, inf, 100), InvalidOperation);
    EXPECT_THROW(SineLossDensity(n87, 100000, 0.1, nan), InvalidOperation);
    for (const double duty : {0.0, 1.0, -0.5, 1.5, nan})
        EXPECT_THROW(RectangularLossDensity(n87, 100000, 0.2, duty, 100), InvalidOperation) << duty;
}

} // namespace
} // namespace velkor::library
