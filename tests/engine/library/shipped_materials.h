// The ferrite materials as shipped in resources/library, read once for the engine tests.
#pragma once

#include "materials.h"

#include <fstream>
#include <string_view>

namespace velkor::library::testing {

inline const MaterialRead& ShippedMaterials() {
    static const MaterialRead read = [] {
        std::ifstream materials(VELKOR_SOURCE_DIR "/resources/library/ferrite_materials.csv");
        std::ifstream bands(VELKOR_SOURCE_DIR "/resources/library/ferrite_steinmetz.csv");
        return ReadMaterials(materials, bands);
    }();
    return read;
}

// The shipped material of that name; null when there is none.
inline const Material* Shipped(std::string_view name) {
    for (const Material& m : ShippedMaterials().materials)
        if (m.name == name)
            return &m;
    return nullptr;
}

} // namespace velkor::library::testing
