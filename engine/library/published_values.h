// Makers' published effective parameters that replace the computed ones for a few shapes.
#pragma once

#include <optional>
#include <string_view>

namespace velkor::library {

struct PublishedValues {
    double le = 0;   // mm
    double ae = 0;   // mm²
    double amin = 0; // mm²
};

// The published values of a shape by its NameKey, when it has any.
std::optional<PublishedValues> PublishedFor(std::string_view nameKey);

} // namespace velkor::library
