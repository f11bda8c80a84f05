#include "materials.h"
#include "shipped_materials.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace velkor::library {
namespace {

TEST(Materials, ShippedTablesReadWhole) {
    const MaterialRead& read = testing::ShippedMaterials();
    EXPECT_EQ(read.materials.size(), 31u);
    EXPECT_EQ(read.leftOut, 0);
    const Material* n87 = testing::Shipped("N87");
    ASSERT_NE(n87, nullptr);
    EXPECT_EQ(n87->maker, "TDK");
    EXPECT_DOUBLE_EQ(n87->muI, 2308);
    EXPECT_DOUBLE_EQ(n87->bsat25, 0.4953);
    EXPECT_DOUBLE_EQ(n87->bsat100, 0.3898);
    EXPECT_DOUBLE_EQ(n87->curie, 210);
    ASSERT_EQ(n87->bands.size(), 3u);
    EXPECT_DOUBLE_EQ(n87->bands[1].fMin, 100000);
    EXPECT_DOUBLE_EQ(n87->bands[1].fMax, 300000);
    EXPECT_DOUBLE_EQ(n87->bands[1].k, 8.240839311387179);
    EXPECT_DOUBLE_EQ(n87->bands[1].ct1, 0.000174382452395);
    for (const Material& m : read.materials)
        for (std::size_t i = 1; i < m.bands.size(); ++i)
            EXPECT_LE(m.bands[i - 1].fMin, m.bands[i].fMin) << m.name;
}

constexpr const char* kMaterialHeader =
    "maker,material,mu_i_25C,Bsat_25C_T,Bsat_100C_T,curie_C,density_kg_m3,resistivity_ohm_m,"
    "datasheet\n";
constexpr const char* kBandHeader = "material,f_min_Hz,f_max_Hz,k,alpha,beta,ct0,ct1,ct2\n";
constexpr const char* kGoodMaterial = "TDK,M1,2000,0.5,0.4,220,4800,5,http://x\n";
constexpr const char* kGoodBand = "M1,1,100000,10,1.3,2.6,2,0.03,0.00015\n";

struct BadRowCase {
    const char* name;
    std::string materials; // after the header
    std::string bands;     // after the header
    std::size_t kept;      // materials read
    int leftOut;
};

TEST(Materials, BadRowsAreLeftOutAndCounted) {
    const std::string good = kGoodMaterial;
    const std::string band = kGoodBand;
    const BadRowCase cases[] = {
        {"good", good, band, 1, 0},
        {"blank lines and CRLF", "\r\n" + std::string("TDK,M1,2000,0.5,0.4,220,4800,5,x\r\n"),
         "\n" + std::string("M1,1,100000,10,1.3,2.6,2,0.03,0.00015\r\n"), 1, 0},
        {"missing column", good + "TDK,M2,2000,0.5\n", band, 1, 1},
        {"not a number", good + "TDK,M2,2000,0.5,0.4,22O\n", band, 1, 1},
        {"µi zero", good + "TDK,M2,0,0.5,0.4,220\n", band, 1, 1},
        {"Bsat negative", good + "TDK,M2,2000,-0.5,0.4,220\n", band, 1, 1},
        {"Bsat 100 °C not finite", good + "TDK,M2,2000,0.5,inf,220\n", band, 1, 1},
        {"no name", good + "TDK,,2000,0.5,0.4,220\n", band, 1, 1},
        {"same name twice", good + good, band, 1, 1},
        {"material without bands", good + "TDK,M2,2000,0.5,0.4,220\n", band, 1, 1},
        {"band fMin = fMax", good, band + "M1,100000,100000,10,1.3,2.6,2,0.03,0.00015\n", 1, 1},
        {"band fMin > fMax", good, band + "M1,300000,100000,10,1.3,2.6,2,0.03,0.00015\n", 1, 1},
        {"band k zero", good, band + "M1,100000,200000,0,1.3,2.6,2,0.03,0.00015\n", 1, 1},
        {"band missing ct2", good, band + "M1,100000,200000,10,1.3,2.6,2,0.03\n", 1, 1},
        {"band text", good, band + "M1,100000,200000,10,1.3,2.6,2,0.03,abc\n", 1, 1},
        {"band of an unknown material", good, band + "M9,1,100000,10,1.3,2.6,2,0.03,0.1\n", 1, 1},
        {"only bad bands", good, "M1,1,1,10,1.3,2.6,2,0.03,0.00015\n", 0, 2},
        {"binary noise", good + std::string("\x01\xff,\x80", 4) + "\n", band, 1, 1},
    };
    for (const BadRowCase& c : cases) {
        std::istringstream materials(kMaterialHeader + c.materials);
        std::istringstream bands(kBandHeader + c.bands);
        const MaterialRead read = ReadMaterials(materials, bands);
        EXPECT_EQ(read.materials.size(), c.kept) << c.name;
        EXPECT_EQ(read.leftOut, c.leftOut) << c.name;
    }
}

TEST(Materials, ColumnsFollowTheHeader) {
    // Columns in another order are found by their names; a header without one leaves every row
    // out; empty streams give nothing.
    std::istringstream reordered("material,maker,curie_C,mu_i_25C,Bsat_100C_T,Bsat_25C_T\n"
                                 "M1,TDK,220,2000,0.4,0.5\n");
    std::istringstream bands(std::string(kBandHeader) + kGoodBand);
    const MaterialRead read = ReadMaterials(reordered, bands);
    ASSERT_EQ(read.materials.size(), 1u);
    EXPECT_EQ(read.materials[0].maker, "TDK");
    EXPECT_DOUBLE_EQ(read.materials[0].muI, 2000);
    EXPECT_DOUBLE_EQ(read.materials[0].bsat25, 0.5);
    EXPECT_DOUBLE_EQ(read.materials[0].bsat100, 0.4);

    std::istringstream headless("maker,material,mu_i_25C\nTDK,M1,2000\n");
    std::istringstream bands2(std::string(kBandHeader) + kGoodBand);
    const MaterialRead none = ReadMaterials(headless, bands2);
    EXPECT_TRUE(none.materials.empty());
    EXPECT_EQ(none.leftOut, 2); // the material row and the band without its material

    std::istringstream empty1, empty2;
    const MaterialRead nothing = ReadMaterials(empty1, empty2);
    EXPECT_TRUE(nothing.materials.empty());
    EXPECT_EQ(nothing.leftOut, 0);
}

} // namespace
} // namespace velkor::library
