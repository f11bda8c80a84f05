// Applying a library part picked by name: a core or a material named in a page's name field
// writes its canonical name there and, on pages that ask for it, the core data a user would
// otherwise copy from a data sheet (Ae, window area, Al, Bsat). Nothing is recalculated.
#pragma once

#include "page.h"

#include <string_view>

namespace velkor {

// The fields of one core and material pair. An empty name is a field the page lacks: applying
// writes nothing there. A page whose pickers only name the part leaves all four empty.
struct PartFields {
    std::string_view core;      // name field of the core ("Edit1")
    std::string_view material;  // name field of the material ("Edit2")
    std::string_view ae = {};   // mm², effective cross-section, to 0.1 mm²
    std::string_view ac = {};   // mm², winding window area, to 0.1 mm²
    std::string_view al = {};   // nH/turn², ungapped inductance factor, to 1 nH
    std::string_view bsat = {}; // gauss, saturation flux density at 100 °C, to 1 G
};

// The ferrite transformer page: name fields, then AE, AC, AL and BSAT.
inline constexpr PartFields kFerriteParts{"Edit1", "Edit2", "AE", "AC", "AL", "BSAT"};

// When the core field names a library shape (page.Library(), names and aliases, blanks and
// case ignored): writes the shape's canonical name there, Ae and the core's window area, and
// Al when the material field names a library material. Returns false, writing nothing, when
// the text names no shape or the page has no library.
bool ApplyCore(Page& page, const PartFields& fields);

// The same for the material field: its canonical name, Bsat at 100 °C, and Al when the core
// field names a library shape.
bool ApplyMaterial(Page& page, const PartFields& fields);

// The ferrite page's two pickers.
inline void Edit1Apply(Page& page) {
    ApplyCore(page, kFerriteParts);
}
inline void Edit2Apply(Page& page) {
    ApplyMaterial(page, kFerriteParts);
}

} // namespace velkor
