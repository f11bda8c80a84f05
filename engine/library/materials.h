// Power ferrites: their magnetic data and the loss coefficients of their frequency bands.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkor::library {

// One frequency band of the Steinmetz fit, for fMin <= f < fMax:
// Pv = k · f^alpha · B^beta · (ct2·T² − ct1·T + ct0) W/m³ (f in Hz, B peak in T, T in °C).
struct SteinmetzBand {
    double fMin = 0;  // Hz
    double fMax = 0;  // Hz
    double k = 0;     // W/m³ at 1 Hz, 1 T, before the temperature bracket
    double alpha = 0; // frequency exponent
    double beta = 0;  // flux-density exponent
    double ct0 = 0;   // temperature bracket, constant term
    double ct1 = 0;   // 1/°C
    double ct2 = 0;   // 1/°C²
};

struct Material {
    std::string maker;                // "TDK", "Ferroxcube", ...
    std::string name;                 // "N87", "3C90", ...
    double muI = 0;                   // initial permeability at 25 °C
    double bsat25 = 0;                // T, saturation flux density at 25 °C
    double bsat100 = 0;               // T, saturation flux density at 100 °C
    double curie = 0;                 // °C
    std::vector<SteinmetzBand> bands; // ascending in frequency
};

// What could be read of the two tables, and what was left out.
struct MaterialRead {
    std::vector<Material> materials; // in file order; only those with at least one band
    int leftOut = 0;                 // rows that could not be read, or materials without bands
};

// Reads `ferrite_materials.csv` and `ferrite_steinmetz.csv` (header rows as shipped). Never
// throws: a row with a missing column, a non-number, a non-positive µi or Bsat, or a band with
// fMin >= fMax is left out and counted.
MaterialRead ReadMaterials(std::istream& materials, std::istream& steinmetz);

} // namespace velkor::library
