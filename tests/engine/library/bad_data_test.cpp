// Library files that are missing, empty, truncated or wrong: the readers keep what can be read,
// count the rest and never throw.
#include "parts_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace velkor::library {
namespace {

// An E 25/13/7 half with one dimension's record replaced (or removed, with an empty text).
std::string ERecord(const std::string& letter = "", const std::string& record = "") {
    const std::pair<const char*, const char*> dims[] = {
        {"A", R"({"minimum": 0.0243, "maximum": 0.0258})"}, {"B", R"({"nominal": 0.01255})"},
        {"C", R"({"minimum": 0.0069, "maximum": 0.0075})"}, {"D", R"({"maximum": 0.0092})"},
        {"E", R"({"minimum": 0.0175, "maximum": 0.0183})"}, {"F", R"({"nominal": 0.00725})"}};
    std::string text = R"({"family": "e", "name": "E 25/13/7", "aliases": ["EF 25"], )"
                       R"("dimensions": {)";
    bool first = true;
    for (const auto& [l, r] : dims) {
        const std::string value = l == letter ? record : r;
        if (value.empty())
            continue;
        text += (first ? "\"" : ", \"") + std::string(l) + "\": " + value;
        first = false;
    }
    return text + "}}";
}

std::string Reason(const ShapeRead& read) {
    return read.leftOut.size() == 1 ? read.leftOut.front().reason : "";
}

ShapeRead Shapes(const std::string& text) {
    std::istringstream in(text);
    return ReadShapes(in);
}

TEST(BadData, ShapeRecordsLeftOutWithTheirReason) {
    struct Case {
        const char* what;
        std::string text;
        const char* reason; // "" when kept
    };
    const Case cases[] = {
        {"whole record", ERecord(), ""},
        {"missing dimension", ERecord("F", ""), "quota mancante"},
        {"empty dimension", ERecord("F", "{}"), "quota mancante"},
        {"zero dimension", ERecord("D", R"({"nominal": 0})"), "quota non positiva"},
        {"negative dimension", ERecord("C", R"({"nominal": -0.007})"), "quota non positiva"},
        {"minimum above maximum", ERecord("A", R"({"minimum": 0.03, "maximum": 0.02})"),
         "minimo sopra il massimo"},
        {"text for a number", ERecord("B", R"({"nominal": "12.5"})"), "valore non numerico"},
        {"array for a record", ERecord("B", "[1, 2]"), "valore non numerico"},
        {"huge number", ERecord("B", R"({"nominal": 1e308})"), "valore non numerico"},
        {"legs inside the post", ERecord("E", R"({"nominal": 0.005})"), "risultato non valido"},
        {"window without height", ERecord("B", R"({"nominal": 0.0092})"), "risultato non valido"},
        {"truncated line", ERecord().substr(0, 60), "riga illeggibile"},
        {"not an object", "[1, 2, 3]", "riga illeggibile"},
        {"no name", R"({"family": "e", "dimensions": {}})", "riga illeggibile"},
        {"unknown family", R"({"family": "u", "name": "U 1", "dimensions": {}})",
         "famiglia non gestita"},
        {"no dimensions", R"({"family": "t", "name": "T 1"})", "quota mancante"},
        {"ring inside out",
         R"({"family": "t", "name": "T 1", "dimensions": {"A": 0.01, )"
         R"("B": 0.02, "C": 0.005}})",
         "risultato non valido"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ShapeRead read = Shapes(c.text + "\n");
        EXPECT_EQ(read.read, 1);
        EXPECT_EQ(read.shapes.size(), std::string(c.reason).empty() ? 1u : 0u);
        EXPECT_EQ(Reason(read), c.reason);
    }
}

TEST(BadData, WhatTheDrawingAllows) {
    // EFD's K is an offset: negative is right. A hole given with maximum 0 is no hole.
    const ShapeRead efd = Shapes(
        R"({"family": "efd", "name": "EFD 10/5/3", "dimensions": {"A": 0.0105, "B": 0.00525, )"
        R"("C": 0.00265, "D": 0.00375, "E": 0.0078, "F": 0.00455, "F2": 0.00145, )"
        R"("K": {"nominal": -0.0002}, "q": {"nominal": 0.0002}}, "familySubtype": "1"})");
    ASSERT_EQ(efd.shapes.size(), 1u);
    EXPECT_LT(efd.shapes[0].dims.at("K"), 0);
    const ShapeRead pot =
        Shapes(R"({"family": "p", "name": "P 3.3/2.6", "familySubtype": "2", "dimensions": {)"
               R"("A": 0.0033, "B": 0.0013, "D": 0.0009, "E": 0.0027, "F": 0.0014, "G": 0.0004, )"
               R"("H": {"minimum": 0.0005, "maximum": 0.0}}})");
    ASSERT_EQ(pot.shapes.size(), 1u);
    EXPECT_EQ(pot.shapes[0].dims.at("H"), 0);
}

TEST(BadData, LinesAroundABadOneAreKept) {
    const ShapeRead read = Shapes("\n" + ERecord() + "\r\n" + ERecord().substr(0, 90) + "\n\n" +
                                  ERecord("F", "") + "\n" + ERecord());
    EXPECT_EQ(read.read, 4); // blank lines are not records
    EXPECT_EQ(read.shapes.size(), 2u);
    EXPECT_EQ(Shapes("").read, 0);
}

TEST(BadData, OtherReadersSkipWhatTheyCannotRead) {
    std::istringstream bobbins(
        R"({"name": "Bobbin X", "functionalDescription": {"family": "e", "shape": "E 1", )"
        R"("dimensions": {"e": {"minimum": 2, "maximum": 1}}}})"
        "\n{\"name\": \"Bobbin Y\"\n" // truncated
        R"({"name": "Bobbin Z", "functionalDescription": {"family": "e", "shape": "E 1", )"
        R"("dimensions": {"e": 0.017}}})");
    const BobbinRead bobbinRead = ReadBobbins(bobbins);
    ASSERT_EQ(bobbinRead.bobbins.size(), 1u);
    EXPECT_EQ(bobbinRead.leftOut, 2);
    EXPECT_FALSE(BobbinWindow(bobbinRead.bobbins[0])); // its rule needs more letters

    std::istringstream wires(
        R"({"type": "round", "material": "copper", "standard": "IEC 60317", )"
        R"("conductingDiameter": {"nominal": "x"}, "outerDiameter": {"maximum": 0.0002}, )"
        R"("coating": {"type": "enamelled", "grade": 1}})"
        "\n{\"type\": \"round\", \"coating\": {\"type\": \"enamelled\"}, \"standard\": \"IEC "
        "60317\", \"con\n"
        R"({"type": "round", "material": "copper", "standard": "IEC 60317", )"
        R"("conductingDiameter": {"nominal": 0.0001}, "outerDiameter": {"maximum": 0.000117}, )"
        R"("coating": {"type": "enamelled", "grade": 1}})");
    const WireRead wireRead = ReadWires(wires);
    ASSERT_EQ(wireRead.iec.size(), 1u);
    EXPECT_EQ(wireRead.leftOut, 2);
    EXPECT_DOUBLE_EQ(OverallDiameter(wireRead.iec, 0.1), 0.117);
    EXPECT_DOUBLE_EQ(OverallDiameter({}, 0.2), 0.22);
}

TEST(BadData, MissingOrBrokenFolder) {
    const PartsLibrary none = PartsLibrary::Load("/nonexistent/velkor/library");
    EXPECT_TRUE(none.Shapes().empty());
    EXPECT_TRUE(none.Materials().empty());
    EXPECT_EQ(none.Problems().size(), 5u); // four files and the first material table
    EXPECT_EQ(none.FindShape("ETD 29"), nullptr);
    EXPECT_DOUBLE_EQ(none.OverallDiameter(0.5), 0.55);

    // Empty and garbled files beside a readable shape file.
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("velkor_library_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const auto write = [&](const char* name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
    };
    write("core_shapes.ndjson", ERecord() + "\n\x01\x02garbage\n" + ERecord("A", "{}"));
    write("bobbins.ndjson", "");
    write("wires.ndjson", "{\"type\": \"round\", \"standard\": \"IEC 60317\"");
    write("cores_stock.ndjson", "[[[[");
    write("ferrite_materials.csv", "");
    write("ferrite_steinmetz.csv", "");
    const PartsLibrary broken = PartsLibrary::Load(folder);
    std::filesystem::remove_all(folder);
    ASSERT_EQ(broken.Shapes().size(), 1u);
    const CoreShape& shape = broken.Shapes().front();
    EXPECT_EQ(broken.FindShape("ef25"), &shape);
    EXPECT_EQ(broken.BobbinOf(shape), nullptr);
    EXPECT_FALSE(broken.WindowOf(shape).fromBobbin);
    Material n87;
    n87.name = "N87";
    EXPECT_FALSE(broken.InStock(shape, n87));
    EXPECT_EQ(broken.ShapeNames(), (std::vector<std::string>{"E 25/13/7", "EF 25"}));
    EXPECT_FALSE(broken.Problems().empty());
}

// A newer MAS copy may be written without blanks, or in another order: the text filters that
// spare the parser most lines must keep every record a reader wants.
TEST(BadData, FiltersKeepRecordsWrittenOtherwise) {
    std::istringstream wires(
        R"({"coating":{"grade":1,"type":"enamelled"},"outerDiameter":{"maximum":0.000117},)"
        R"("conductingDiameter":{"nominal":0.0001},"material":"copper","standard":"IEC 60317",)"
        R"("type":"round"})"
        "\n"
        R"({"type":"round","material":"copper","standard":"IEC 60317","coating":{"type":)"
        R"("enamelled","grade" :  2},"conductingDiameter":{"nominal":0.0001},)"
        R"("outerDiameter":{"maximum":0.00013}})"
        "\n"
        R"({"type":"round","material":"copper","standard":"IEC 60317","coating":{"type":)"
        R"("enamelled","grade":3},"conductingDiameter":{"nominal":0.0001},)"
        R"("outerDiameter":{"maximum":0.0002}})");
    const WireRead wireRead = ReadWires(wires);
    ASSERT_EQ(wireRead.iec.size(), 1u);
    EXPECT_DOUBLE_EQ(wireRead.iec[0].grade1, 0.117);
    EXPECT_DOUBLE_EQ(wireRead.iec[0].grade2, 0.13);

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("velkor_stock_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "core_shapes.ndjson") << ERecord();
    std::ofstream(folder / "cores_stock.ndjson")
        << R"({"name":"x","functionalDescription":{"material":"N87","shape":"EF 25"}})"
           "\n"
        << R"({"functionalDescription" : {"gapping": [{"a": "}"}], "shape": "E 25/13/7", )"
        << R"("material": "N97"}, "name": "\"functionalDescription\": {}"})";
    const PartsLibrary library = PartsLibrary::Load(folder);
    std::filesystem::remove_all(folder);
    ASSERT_EQ(library.Shapes().size(), 1u);
    for (const char* name : {"N87", "n 97"}) {
        Material material;
        material.name = name;
        EXPECT_TRUE(library.InStock(library.Shapes().front(), material)) << name;
    }
}

} // namespace
} // namespace velkor::library
