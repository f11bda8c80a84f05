// Laminated E-I mains transformer design (" Trasformatori di alimentazione ").
#pragma once

#include "page.h"

#include <array>
#include <string>

namespace velkor {

// The texts last committed into the secondaries grid SGTAINSEC: voltage (column 0) and
// current (column 1) of rows 1 to 6, at index column * 7 + row; row 0 stays empty.
// Owned by the window for its whole life.
struct SecondaryTable {
    std::array<std::string, 14> texts;
    const std::string& At(int column, int row) const { return texts[column * 7 + row]; }
    std::string& At(int column, int row) { return texts[column * 7 + row]; }
};

// Click of "Calcola" (SBTACALC).
void SBTACALCClick(Page& page, const SecondaryTable& secondaries);

} // namespace velkor
