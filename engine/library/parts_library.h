// The parts library: cores, bobbins, materials and wires read from one data folder, and the
// name matching the pickers use.
#pragma once

#include "bobbins.h"
#include "materials.h"
#include "shapes.h"
#include "wires.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velkor::library {

// A name as the pickers compare it: blanks removed, letters in lower case ("ETD 29" ->
// "etd29").
std::string NameKey(std::string_view name);

// µ0 · Ae / (le/µi + g) in nH per turn²: the inductance factor of an ungapped set, g = 10 µm
// (the residual gap of a ground two-part set), 0 for a toroid.
double AlEstimate(const CoreShape& shape, const Material& material);

class PartsLibrary {
public:
    PartsLibrary() = default;

    // Reads every file of `folder` that is there: core_shapes.ndjson, bobbins.ndjson,
    // wires.ndjson, cores_stock.ndjson, ferrite_materials.csv, ferrite_steinmetz.csv. Never
    // throws; what is missing or unreadable is said in Problems().
    static PartsLibrary Load(const std::filesystem::path& folder);

    const std::vector<CoreShape>& Shapes() const { return shapes_; }
    const std::vector<Material>& Materials() const { return materials_; }
    const std::vector<Bobbin>& Bobbins() const { return bobbins_; }
    const WireRead& Wires() const { return wires_; }
    const ShapeRead& ShapeCounts() const { return shapeRead_; } // left-out counts, read count
    const std::vector<std::string>& Problems() const { return problems_; } // Italian sentences

    // By name or alias, blanks and case ignored; a name wins over an alias, the first record in
    // the file among equals. Null when none matches.
    const CoreShape* FindShape(std::string_view name) const;
    const Material* FindMaterial(std::string_view name) const;

    // The bobbin of a shape (the standard outline first), and the window a winding on that
    // shape gets: the bobbin's, or the core's own without one.
    const Bobbin* BobbinOf(const CoreShape& shape) const;
    WindingWindow WindowOf(const CoreShape& shape) const;

    // Overall diameter (grade 1) of a bare size, mm.
    double OverallDiameter(double size) const;

    // True when cores_stock.ndjson lists the shape in the material.
    bool InStock(const CoreShape& shape, const Material& material) const;

    // Every name and alias the pickers offer: shapes, or materials.
    std::vector<std::string> ShapeNames() const;
    std::vector<std::string> MaterialNames() const;

private:
    std::vector<CoreShape> shapes_;
    ShapeRead shapeRead_; // counts only; its shapes are moved into shapes_
    std::vector<Bobbin> bobbins_;
    std::vector<Material> materials_;
    WireRead wires_;
    std::vector<std::pair<std::string, std::string>> stock_; // NameKey of shape, of material
    std::vector<std::string> problems_;
    // NameKey of every name and alias → its shape (a name before any alias, the first record
    // among equals); of every material's name → it; of each bobbin's shape, by position.
    std::unordered_map<std::string, std::size_t> shapeIndex_;
    std::unordered_map<std::string, std::size_t> materialIndex_;
    std::vector<std::string> bobbinKeys_;
};

} // namespace velkor::library
