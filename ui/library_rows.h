// The rows of the library dialog's tables, made from the parts library: cores, materials,
// wires and the adviser's suggestions, their numbers in the regional format.
#pragma once

#include "adviser.h"
#include "numbers.h"
#include "parts_table.h"

#include <QString>

#include <vector>

namespace velkor::library {
struct CoreShape;
struct Material;
class PartsLibrary;
} // namespace velkor::library

namespace velkor::ui {

// Columns of the cores' table.
enum CoreColumn {
    kCoreFamily,
    kCoreName,
    kCoreAe,
    kCoreLe,
    kCoreVe,
    kCoreAmin,
    kCoreWindow,
    kCoreBobbin,
    kCoreTurn,
    kCoreAl,
    kCoreStock,
    kCoreColumns
};
QStringList CoreHeaders();
std::vector<PartsTableModel::Row> CoreRows(const library::PartsLibrary& parts,
                                           const NumberLocale& locale);
// The Al estimate and "a catalogo" of the core in a material (none: "—" and blank).
void SetCoreMaterial(PartsTableModel& model, const library::PartsLibrary& parts,
                     const library::Material* material, const NumberLocale& locale);
// "Forme lette: …": the shapes read, kept and left out, by family and reason.
QString ShapeCountLine(const library::PartsLibrary& parts);

// Columns of the materials' table.
enum MaterialColumn {
    kMatMaker,
    kMatName,
    kMatMu,
    kMatBsat25,
    kMatBsat100,
    kMatCurie,
    kMatLoss,
    kMatColumns
};
QStringList MaterialHeaders();
std::vector<PartsTableModel::Row> MaterialRows(const library::PartsLibrary& parts,
                                               const NumberLocale& locale);
// The working point of the Pv column: frequency, peak flux density of a sine, temperature.
struct WorkingPoint {
    double kilohertz = 100;  // kHz
    double millitesla = 100; // mT
    double celsius = 100;    // °C
};
// Pv (kW/m³) of a material at the point; none outside its bands' frequencies or without an
// answer there.
std::optional<double> LossAt(const library::Material& material, const WorkingPoint& point);
void SetLossColumn(PartsTableModel& model, const library::PartsLibrary& parts,
                   const WorkingPoint& point, const NumberLocale& locale);

// IEC 60317 round wires, and the AWG table.
QStringList IecHeaders();
std::vector<PartsTableModel::Row> IecRows(const library::PartsLibrary& parts,
                                          const NumberLocale& locale);
QStringList AwgHeaders();
std::vector<PartsTableModel::Row> AwgRows(const library::PartsLibrary& parts,
                                          const NumberLocale& locale);
// The AWG gauge whose diameter is nearest to `millimetres` (in ratio): from the library's table,
// or from 0.127 mm · 92^((36 − g)/39) without one.
int NearestGauge(const library::PartsLibrary& parts, double millimetres);

// Columns of the suggestions: rank, parts, then the page's texts of each design.
enum SuggestionColumn {
    kSugRank,
    kSugCore,
    kSugMaterial,
    kSugStock,
    kSugVe,
    kSugNp,
    kSugNs,
    kSugBmax,
    kSugFill,
    kSugCoreLoss,
    kSugCopperLoss,
    kSugCelsius,
    kSugEfficiency,
    kSugColumns
};
QStringList SuggestionHeaders();
// The page field a column copies (NSP, …), or empty.
const char* SuggestionField(int column);
std::vector<PartsTableModel::Row> SuggestionRows(const AdviserResult& result,
                                                 const NumberLocale& locale);

} // namespace velkor::ui
