// Enamelled round copper wires: IEC 60317 sizes with their overall diameters, and the AWG table.
#pragma once

#include <istream>
#include <vector>

namespace velkor::library {

struct IecWire {
    double nominal = 0; // mm, conducting diameter
    double grade1 = 0;  // mm, overall diameter of grade 1 (maximum, or nominal where only given)
    double grade2 = 0;  // mm, of grade 2; 0 when the data have none
};

struct AwgWire {
    int gauge = 0;
    double diameter = 0; // mm, bare
    double heavy = 0;    // mm, heavy-build overall diameter; 0 when the data have none
};

struct WireRead {
    std::vector<IecWire> iec; // ascending in nominal diameter
    std::vector<AwgWire> awg; // ascending in diameter
    int leftOut = 0;
};

// Reads `wires.ndjson`: the IEC 60317 round copper records and the NEMA MW 1000 C round ones.
WireRead ReadWires(std::istream& ndjson);

// Overall diameter (mm) of a bare size (mm): the grade 1 record whose conducting diameter is
// the size within 10⁻⁶ mm; 1.1 · size without a record.
double OverallDiameter(const std::vector<IecWire>& wires, double size);

} // namespace velkor::library
