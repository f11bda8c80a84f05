#include "copper.h"
#include "core_loss.h"
#include "faults.h"
#include "ferrite.h"
#include "shipped_materials.h"
#include "thermal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velkor::library {
namespace {

TEST(Thermal, ResistanceFromTheVolume) {
    EXPECT_NEAR(ThermalResistance(2994), 29.32, 0.005); // E 25/13/7
    EXPECT_NEAR(ThermalResistance(1000), 53, 1e-12);    // 1 cm³
    EXPECT_NEAR(ThermalResistance(5470), 53 * std::pow(5.47, -0.54), 1e-12);
    EXPECT_THROW(ThermalResistance(0), Fault);
    EXPECT_THROW(ThermalResistance(-5), Fault);
}

TEST(Thermal, FixedPointOfSimpleLosses) {
    // Constant losses: T = Ta + Rth·P. Losses a + b·T: T = (Ta + Rth·a)/(1 − Rth·b). No losses:
    // the ambient.
    const auto constant = SolveTemperature(40, 20, [](double) { return Losses{1.0, 0.5}; });
    ASSERT_TRUE(constant);
    EXPECT_NEAR(constant->celsius, 70, 1e-5);
    EXPECT_EQ(constant->losses.core, 1.0);
    EXPECT_EQ(constant->losses.copper, 0.5);

    const auto linear = SolveTemperature(25, 10, [](double t) {
        return Losses{0.5 + 0.02 * t, 0.1};
    });
    ASSERT_TRUE(linear);
    EXPECT_NEAR(linear->celsius, (25 + 10 * 0.6) / (1 - 10 * 0.02), 1e-5);
    EXPECT_NEAR(linear->losses.core, 0.5 + 0.02 * linear->celsius, 1e-12);

    const auto cold = SolveTemperature(-40, 50, [](double) { return Losses{}; });
    ASSERT_TRUE(cold);
    EXPECT_EQ(cold->celsius, -40);
}

TEST(Thermal, RunawaysAndNoAnswer) {
    const struct {
        const char* name;
        double ambient;
        double rth;
        LossesAt losses;
    } cases[] = {
        // Losses that grow faster than the core can shed them.
        {"past 300 °C", 40, 10,
         [](double t) {
             return std::optional<Losses>(Losses{0.2 * t, 0});
         }},
        // A fixed point at 200 °C, approached too slowly (Rth·dP/dT = 0.999) for 500 steps.
        {"500 steps", 20, 1,
         [](double t) {
             return std::optional<Losses>(Losses{0.2 + 0.999 * t, 0});
         }},
        {"ambient beyond 300 °C", 301, 10,
         [](double) {
             return std::optional<Losses>(Losses{0, 0});
         }},
        {"core loss without answer on the way", 40, 20,
         [](double t) {
             return t < 60 ? std::optional<Losses>(Losses{2, 0}) : std::nullopt;
         }},
        {"no answer at once", 40, 20, [](double) { return std::optional<Losses>(); }},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(SolveTemperature(c.ambient, c.rth, c.losses)) << c.name;

    // A tiny core at high flux: Ve 55 mm³ in N87 at 500 kHz, ±300 mT, square voltage.
    const Material& n87 = *testing::Shipped("N87");
    const auto tiny =
        SolveTemperature(40, ThermalResistance(55), [&](double t) -> std::optional<Losses> {
            const auto pv = RectangularLossDensity(n87, 500000, 0.6, 0.5, t);
            if (!pv)
                return std::nullopt;
            return Losses{*pv * 55e-9, 0};
        });
    EXPECT_FALSE(tiny);
    EXPECT_THROW(SolveTemperature(std::numeric_limits<double>::quiet_NaN(), 10,
                                  [](double) { return std::optional<Losses>(Losses{}); }),
                 Fault);
}

TEST(Thermal, WorkedFerriteDesignsOnE25) {
    // The ferrite page's defaults in N87 at 40 °C, on E 25/13/7 (Ve 2994 mm³; bobbin 15.80 mm
    // high, mean turn 48.79 mm): the design's turns and BmaxEff, a square voltage (K = 4) of
    // ΔB = 2·B̂, the primary's NP turns carrying IP and the secondary's ⌊NS + 0.5⌋ carrying IS,
    // in the wires the design checks choose (overall diameters of IEC 60317 grade 1).
    const struct {
        const char* name;
        FerriteInputs inputs;
        double primaryOverall;   // mm
        double secondaryOverall; // mm
        double core;             // W, PNUCLEO
        double copper;           // W, PRAME
        double celsius;          // TNUCLEO
        double efficiency;       // %, RENDCALC
    } cases[] = {
        {"page defaults", {}, 0.855, 0.117, 0.60, 0.20, 64, 90.9},
        {"E 25/13/7 and N87 applied",
         {.bsat = 3898, .al = 1860, .ae = 51.8L, .ac = 95.3L},
         0.959,
         0.117,
         0.51,
         0.21,
         61,
         91.7},
        {"the same at 50 kHz",
         {.freq = 50000, .bsat = 3898, .al = 1860, .ae = 51.8L, .ac = 95.3L},
         0.606,
         0.117,
         1.27,
         0.07,
         79,
         85.6},
    };
    WindingWindow bobbin;
    bobbin.height = 15.80;
    bobbin.meanTurn = 48.79;
    const Material& n87 = *testing::Shipped("N87");
    const double ve = 2994; // mm³
    for (const auto& c : cases) {
        const FerriteDesign d = DesignFerrite(c.inputs);
        const WireChoice primary = *d.checks.primaryWire;
        const WireChoice secondary = *d.checks.secondaryWire;
        const double hertz = static_cast<double>(c.inputs.freq);
        const double swing = 2 * d.bmaxEff / 1e4; // T, K·B̂/2 with K = 4
        const Winding primaryWinding{static_cast<double>(d.np), primary.strands, primary.size,
                                     c.primaryOverall};
        const Winding secondaryWinding{std::floor(d.ns + 0.5), secondary.strands, secondary.size,
                                       c.secondaryOverall};
        const auto at = [&](double t) -> std::optional<Losses> {
            const auto pv = RectangularLossDensity(n87, hertz, swing, 0.5, t);
            if (!pv)
                return std::nullopt;
            const CopperResult p = WindingCopper(primaryWinding, bobbin, hertz, t);
            const CopperResult s = WindingCopper(secondaryWinding, bobbin, hertz, t);
            return Losses{*pv * ve * 1e-9, d.ip * d.ip * p.fr * p.rdc + d.is * d.is * s.fr * s.rdc};
        };
        const auto hot = SolveTemperature(40, ThermalResistance(ve), at);
        ASSERT_TRUE(hot) << c.name;
        EXPECT_NEAR(hot->losses.core, c.core, 0.005) << c.name;
        EXPECT_NEAR(hot->losses.copper, c.copper, 0.005) << c.name;
        EXPECT_NEAR(hot->celsius, c.celsius, 0.5) << c.name;
        EXPECT_NEAR(100 * 8 / (8 + hot->losses.core + hot->losses.copper), c.efficiency, 0.05)
            << c.name;
    }
}

TEST(Thermal, IntermediateValuesOfTheFirstDesign) {
    // NP 12 and BmaxEff 2784 G: the page's defaults (13 turns and 2580 G are those of the
    // design with E 25/13/7 applied, AE 51.8 mm²).
    const FerriteDesign design = DesignFerrite(FerriteInputs{});
    ASSERT_EQ(design.np, 12);
    ASSERT_EQ(std::floor(design.ns + 0.5), 720);
    const double peak = design.bmaxEff / 1e4; // T
    EXPECT_NEAR(peak, 0.27845, 1e-5);
    // At the equilibrium temperature of that design, 63.53 °C.
    const Material& n87 = *testing::Shipped("N87");
    EXPECT_NEAR(*RectangularLossDensity(n87, 20000, 2 * peak, 0.5, 63.53) / 1000, 200.7, 0.05);
    WindingWindow bobbin;
    bobbin.height = 15.80;
    bobbin.meanTurn = 48.79;
    const CopperResult secondary = WindingCopper({720, 1, 0.10, 0.117}, bobbin, 20000, 63.53);
    EXPECT_NEAR(secondary.rdc, 90.32, 0.02); // the bobbin and Ve above are rounded
    EXPECT_EQ(secondary.layers, 6);
}

} // namespace
} // namespace velkor::library
