// Name matching, bobbins and windows, wires and the stock of the shipped library.
#include "shipped_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace velkor::library {
namespace {

using testing::ShapeNamed;
using testing::Shipped;

bool Carries(const CoreShape& shape, const std::string& key) {
    if (NameKey(shape.name) == key)
        return true;
    return std::any_of(shape.aliases.begin(), shape.aliases.end(),
                       [&](const std::string& alias) { return NameKey(alias) == key; });
}

TEST(NameMatching, EveryNameAndAliasFindsAShapeCarryingIt) {
    const auto& shapes = Shipped().Shapes();
    for (const CoreShape& shape : shapes) {
        std::vector<std::string> names{shape.name};
        names.insert(names.end(), shape.aliases.begin(), shape.aliases.end());
        for (const std::string& name : names) {
            SCOPED_TRACE(name);
            const std::string key = NameKey(name);
            const CoreShape* found = Shipped().FindShape(name);
            ASSERT_NE(found, nullptr);
            EXPECT_TRUE(Carries(*found, key));
            // Shared names: a name wins over an alias, the first record among equals.
            const auto byName = std::find_if(shapes.begin(), shapes.end(),
                                             [&](const auto& s) { return NameKey(s.name) == key; });
            const auto byAlias = std::find_if(shapes.begin(), shapes.end(),
                                              [&](const auto& s) { return Carries(s, key); });
            EXPECT_EQ(found, byName != shapes.end() ? &*byName : &*byAlias);
        }
    }
}

TEST(NameMatching, BlanksAndCaseIgnored) {
    EXPECT_EQ(NameKey(" ETD 29/16/10 "), "etd29/16/10");
    for (const char* typed : {"etd29/16/10", "ETD 29", "etd29"})
        EXPECT_EQ(ShapeNamed(typed).name, "ETD 29/16/10") << typed;
    EXPECT_EQ(ShapeNamed("EF 25").name, "E 25/13/7");
    for (const char* unknown : {"ETD 30", "", "   ", "E 25/13/7x"})
        EXPECT_EQ(Shipped().FindShape(unknown), nullptr) << unknown;
    EXPECT_EQ(Shipped().FindMaterial("no such ferrite"), nullptr);
    // Offered once each, blanks and case aside.
    const std::vector<std::string> names = Shipped().ShapeNames();
    EXPECT_NE(std::find(names.begin(), names.end(), "ETD 29"), names.end());
    std::vector<std::string> keys;
    for (const std::string& name : names)
        keys.push_back(NameKey(name));
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end());
}

TEST(Bobbins, WindowAndMeanTurnOfTheStandardOutline) {
    const CoreShape& e25 = ShapeNamed("E 25/13/7");
    const Bobbin* bobbin = Shipped().BobbinOf(e25);
    ASSERT_NE(bobbin, nullptr);
    EXPECT_EQ(bobbin->name, "Bobbin E25/7"); // the one without a maker, not the first listed
    const WindingWindow window = Shipped().WindowOf(e25);
    EXPECT_TRUE(window.fromBobbin);
    EXPECT_NEAR(window.height, 15.80, 5e-3);   // mm
    EXPECT_NEAR(window.meanTurn, 48.79, 5e-3); // mm
    EXPECT_NEAR(window.width, 4.20, 5e-3);     // mm
}

TEST(Bobbins, ShapeWithoutHoleTakesTheBobbinOfItsShape) {
    const Bobbin* bobbin = Shipped().BobbinOf(ShapeNamed("RM 8/I"));
    ASSERT_NE(bobbin, nullptr);
    EXPECT_EQ(NameKey(bobbin->shape), "rm8");
}

TEST(Bobbins, WithoutABobbinTheCoreGivesTheWindow) {
    const CoreShape& planar = ShapeNamed("ER 32/6/25");
    EXPECT_EQ(Shipped().BobbinOf(planar), nullptr);
    const WindingWindow window = Shipped().WindowOf(planar);
    EXPECT_FALSE(window.fromBobbin);
    EXPECT_DOUBLE_EQ(window.height, 2 * planar.dims.at("D"));
    // Round post: π·(F + w).
    EXPECT_NEAR(window.meanTurn, M_PI * (planar.dims.at("F") + planar.windowWidth), 1e-9);

    const CoreShape& e = ShapeNamed("E 25/13/7"); // its own window, bobbin aside
    const WindingWindow own = CoreWindow(e);
    EXPECT_NEAR(own.meanTurn, 2 * (7.25 + 7.2) + M_PI * e.windowWidth, 1e-9);

    const WindingWindow ring = Shipped().WindowOf(ShapeNamed("T 25/15/10"));
    EXPECT_TRUE(ring.toroid);
    EXPECT_EQ(ring.height, 0);
    EXPECT_DOUBLE_EQ(ring.innerDiameter, 15);
    EXPECT_DOUBLE_EQ(ring.meanTurn, 2 * 10 + (25 - 15)); // mm, around the ring's section
}

TEST(Wires, Grade1OverallDiameters) {
    struct Size {
        double bare, overall; // mm
    };
    // Maximum of the record; the nominal where only that is given (above 0.5 mm); 1.1·d for a
    // size without a record.
    for (const Size size : {Size{0.1, 0.117}, Size{0.8, 0.855}, Size{0.5, 0.544}, Size{0.33, 0.363},
                            Size{0.100000001, 0.117}}) {
        SCOPED_TRACE(size.bare);
        EXPECT_NEAR(Shipped().OverallDiameter(size.bare), size.overall, 1e-9);
    }
    const WireRead& wires = Shipped().Wires();
    ASSERT_EQ(wires.iec.size(), 88u);
    EXPECT_TRUE(std::is_sorted(wires.iec.begin(), wires.iec.end(),
                               [](auto& a, auto& b) { return a.nominal < b.nominal; }));
    for (const IecWire& wire : wires.iec) {
        EXPECT_GT(wire.grade1, wire.nominal);
        EXPECT_GT(wire.grade2, wire.grade1);
    }
    const auto awg24 = std::find_if(wires.awg.begin(), wires.awg.end(),
                                    [](const AwgWire& w) { return w.gauge == 24; });
    ASSERT_NE(awg24, wires.awg.end());
    EXPECT_NEAR(awg24->diameter, 0.511, 1e-9);
    EXPECT_NEAR(awg24->heavy, 0.577, 1e-9);
}

TEST(Stock, ShapeInMaterial) {
    const CoreShape& etd29 = ShapeNamed("ETD 29/16/10");
    EXPECT_TRUE(Shipped().InStock(etd29, *Shipped().FindMaterial("N87")));
    EXPECT_FALSE(Shipped().InStock(etd29, *Shipped().FindMaterial("3C90")));
    Material ferrite95;
    ferrite95.name = "95";
    EXPECT_TRUE(Shipped().InStock(etd29, ferrite95)); // listed under its alias "ETD 29"
}

TEST(Materials, FoundByNameBlanksAndCaseIgnored) {
    EXPECT_EQ(Shipped().MaterialNames().size(), Shipped().Materials().size());
    for (const std::string& name : Shipped().MaterialNames()) {
        const Material* material = Shipped().FindMaterial(" " + name + " ");
        ASSERT_NE(material, nullptr) << name;
        EXPECT_EQ(NameKey(material->name), NameKey(name));
    }
    EXPECT_EQ(Shipped().FindMaterial("3 c 90")->name, "3C90");
}

} // namespace
} // namespace velkor::library
