// Ferrite core shapes: reading the MAS shape records and computing the effective parameters of
// a core set (IEC 60205) and its winding window.
#pragma once

#include <istream>
#include <map>
#include <string>
#include <vector>

namespace velkor::library {

enum class Family { E, PlanarE, Etd, Er, Eq, PlanarEr, Ec, Efd, Ep, P, Pq, Rm, Toroid };

struct CoreShape {
    std::string name;                 // canonical name, "ETD 29/16/10"
    std::vector<std::string> aliases; // as the record gives them
    std::string family;               // the record's family text: "etd", "planar e", "t", ...
    Family kind = Family::E;
    int subtype = 0;                    // the record's familySubtype, 0 when absent
    std::map<std::string, double> dims; // mm, each dimension's value by its letter
    double le = 0;                      // mm, effective magnetic path length of the set
    double ae = 0;                      // mm², effective cross-section
    double ve = 0;                      // mm³, effective volume, le · Ae
    double amin = 0;                    // mm², smallest cross-section
    double windowWidth = 0;             // mm, core window (a toroid: its inner diameter)
    double windowHeight = 0;            // mm, 2D (a toroid: 0, it has no winding height)
    double windowArea = 0;              // mm², width × height (a toroid: its hole)
    bool Toroid() const { return kind == Family::Toroid; }
};

// A family and the reason why records of it were left out, with their count.
struct LeftOutCount {
    std::string family; // the record's family text
    std::string reason; // "famiglia non gestita", "quota mancante", ...
    int count = 0;
};

struct ShapeRead {
    std::vector<CoreShape> shapes; // kept, in file order
    std::vector<LeftOutCount> leftOut;
    int read = 0; // records (lines) read, kept or not
};

// Reads `core_shapes.ndjson`, one record a line. Never throws: a line that is not a record, a
// family without formulas, a record missing a dimension its formula needs, a dimension that is
// not a positive number where the drawing needs one, a minimum above its maximum, or a result
// that is not positive and finite is left out and counted.
ShapeRead ReadShapes(std::istream& ndjson);

} // namespace velkor::library
