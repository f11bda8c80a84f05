// The magnetic sections of a core set by family (IEC 60205): the sums C1 = Σ l/A and
// C2 = Σ l/A² of the whole set and its smallest cross-section. Internal to the shape reader.
#pragma once

#include "checked.h"

#include <cmath>
#include <map>
#include <string>

namespace velkor::library::sections {

// Dimensions of a record by letter, mm.
using Dims = std::map<std::string, double>;

struct Sums {
    Ext c1;   // 1/mm, Σ l/A of the set
    Ext c2;   // 1/mm³, Σ l/A² of the set
    Ext amin; // mm², smallest cross-section
};

// Checked transcendental functions: a NaN or infinite result throws, as the checked
// arithmetic does.
inline Ext Log(Ext x) {
    if (!(x.value() > 0.0L))
        throw InvalidOperation();
    return Ext::Checked(std::log(x.value()));
}
inline Ext Sin(Ext x) {
    return Ext::Checked(std::sin(x.value()));
}
inline Ext Cos(Ext x) {
    return Ext::Checked(std::cos(x.value()));
}
inline Ext Tan(Ext x) {
    return Ext::Checked(std::tan(x.value()));
}
inline Ext Asin(Ext x) {
    return Ext::Checked(std::asin(x.value()));
}
inline Ext Acos(Ext x) {
    return Ext::Checked(std::acos(x.value()));
}
inline Ext Atan(Ext x) {
    return Ext::Checked(std::atan(x.value()));
}
inline Ext Min(Ext a, Ext b) {
    return a < b ? a : b;
}

// A length or cross-section of the magnetic path: it must be positive, else the record's
// dimensions describe no core.
inline Ext Positive(Ext x) {
    if (!(x.value() > 0.0L))
        throw InvalidOperation();
    return x;
}

// Adds one section of length l and cross-section a to the sums.
inline void AddSection(Ext& c1, Ext& c2, Ext l, Ext a) {
    Positive(l);
    Positive(a);
    c1 += l / a;
    c2 += l / (a * a);
}

// The value of a letter the family needs (the reader has checked that it is there).
inline Ext At(const Dims& dims, const char* letter) {
    return dims.at(letter);
}
// An optional letter, or its stand-in.
inline Ext Or(const Dims& dims, const char* letter, Ext otherwise) {
    const auto found = dims.find(letter);
    return found == dims.end() ? otherwise : Ext(found->second);
}

// Two-part sets, per half and doubled: E and planar E; the round centre post (ETD, ER, EQ,
// planar ER: `roundPost`), EC (`clipSlot`: round post, G ignored, the outer legs lose the clip
// slot of radius s).
Sums ESet(const Dims& dims, bool roundPost, bool clipSlot);
// EFD: two sides in parallel per half.
Sums EfdSet(const Dims& dims);

// Whole sets: EP, pot cores (`slots` = 2 for the slotted subtypes), PQ, RM by subtype (1-4),
// toroids.
Sums EpSet(const Dims& dims);
Sums PotSet(const Dims& dims, int slots);
Sums PqSet(const Dims& dims);
Sums RmSet(const Dims& dims, int subtype);
Sums ToroidSet(const Dims& dims);

} // namespace velkor::library::sections
