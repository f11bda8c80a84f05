// libFuzzer target for the parts library's readers: arbitrary bytes are read as a shape, a
// bobbin, a wire and a stock file. None may throw or crash; every shape kept must be a core
// (positive, finite parameters, Ve = le·Ae), every wire size a real one.
#include "bobbins.h"
#include "parts_library.h"
#include "shapes.h"
#include "stock.h"
#include "wires.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

using namespace velkor::library;

[[noreturn]] void Fail(const char* what, const std::string& name) {
    std::fprintf(stderr, "%s: %s\n", what, name.c_str());
    std::abort();
}

bool PositiveFinite(double x) {
    return std::isfinite(x) && x > 0;
}

void CheckShapes(const std::string& text) {
    std::istringstream in(text);
    const ShapeRead read = ReadShapes(in);
    int leftOut = 0;
    for (const LeftOutCount& entry : read.leftOut)
        leftOut += entry.count;
    if (leftOut + static_cast<int>(read.shapes.size()) != read.read)
        Fail("kept and left out do not add up", "");
    for (const CoreShape& shape : read.shapes) {
        if (!PositiveFinite(shape.le) || !PositiveFinite(shape.ae) || !PositiveFinite(shape.ve) ||
            !PositiveFinite(shape.amin) || !PositiveFinite(shape.windowArea))
            Fail("shape parameters not positive", shape.name);
        if (std::fabs(shape.ve - shape.le * shape.ae) > 1e-9 * shape.ve)
            Fail("Ve is not le·Ae", shape.name);
        const WindingWindow window = CoreWindow(shape);
        if (!std::isfinite(window.meanTurn) || !std::isfinite(window.width))
            Fail("core window not finite", shape.name);
    }
}

void CheckBobbins(const std::string& text) {
    std::istringstream in(text);
    for (const Bobbin& bobbin : ReadBobbins(in).bobbins) {
        if (const auto window = BobbinWindow(bobbin)) {
            if (!PositiveFinite(window->width) || !PositiveFinite(window->height) ||
                !PositiveFinite(window->meanTurn))
                Fail("bobbin window not positive", bobbin.name);
        }
    }
}

void CheckWires(const std::string& text) {
    std::istringstream in(text);
    const WireRead read = ReadWires(in);
    for (const IecWire& wire : read.iec) {
        if (!PositiveFinite(wire.nominal) || !(wire.grade1 >= wire.nominal))
            Fail("wire size without its overall diameter", "");
        if (OverallDiameter(read.iec, wire.nominal) != wire.grade1)
            Fail("a listed size does not find itself", "");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckShapes(text);
    CheckBobbins(text);
    CheckWires(text);
    std::istringstream stock(text);
    for (const auto& [shape, material] : ReadStock(stock)) {
        if (shape.empty() || material.empty())
            Fail("stock entry without names", shape + "/" + material);
    }
    return 0;
}
