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

// Centre-leg widths of the standard laminations, ascending. // mm
inline constexpr std::array<double, 19> kStandardLaminations = {
    14, 16, 18, 19, 20, 22, 25, 26, 28, 32, 35, 36, 38, 40, 45, 50, 60, 64, 80};

// The lamination chosen for a minimum centre-leg width: the first standard width not below
// it, or the width rounded up to whole millimetres when none is large enough.
struct LaminationChoice {
    double width = 0; // mm
    bool standard = true;
};
// Throws Overflow when a non-standard width does not fit a 32-bit whole number.
LaminationChoice ChooseLamination(double minimumWidth);

// The typical efficiency of a transformer delivering `power` VA in total.
double DefaultEfficiency(double power);

} // namespace velkor
