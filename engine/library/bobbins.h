// Coil formers: the bobbin of a core shape, its winding window and mean turn.
#pragma once

#include "shapes.h"

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace velkor::library {

struct Bobbin {
    std::string name;                   // "Bobbin ETD 29"
    std::string shape;                  // the shape it fits, as the record names it
    std::string family;                 // "etd", "e", "rm", ...
    bool standard = false;              // no manufacturerInfo: a standard outline
    std::map<std::string, double> dims; // mm
};

// Where a winding goes: the winding window and the mean length of a turn.
struct WindingWindow {
    double width = 0;         // mm
    double height = 0;        // mm (0 for a toroid)
    double meanTurn = 0;      // mm, MLT at the middle of the window
    bool fromBobbin = false;  // false: computed from the core itself
    bool toroid = false;      // turns per layer follow the inner circumference
    double innerDiameter = 0; // mm, a toroid's hole
};

// Reads `bobbins.ndjson`. Never throws; unreadable records are skipped and counted.
struct BobbinRead {
    std::vector<Bobbin> bobbins;
    int leftOut = 0;
};
BobbinRead ReadBobbins(std::istream& ndjson);

// The winding window of a bobbin, when its family has a rule and its dimensions allow one.
std::optional<WindingWindow> BobbinWindow(const Bobbin& bobbin);

// The winding window of a core without a bobbin: height 2D and the mean turn of its family.
WindingWindow CoreWindow(const CoreShape& shape);

} // namespace velkor::library
