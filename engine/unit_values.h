// Unit-scaled values: a number field paired with a unit-prefix list, and the field error box.
#pragma once

#include "page.h"

#include <string_view>

namespace velkor {

// Returned by a parse that failed after showing its error box.
inline constexpr double ParseFailed = -1.0;

// The error box "Campo errato o nullo : <name>" titled "Error".
void ShowFieldError(Page& page, std::string_view fieldName);

// Scale factors by selector position: 10^(3i) for a frequency, 10^(-3i) for a capacitance or
// an inductance (position -1 included).
double ParseFrequency(Page& page, std::string_view text, int position);
double ParseCapacitance(Page& page, std::string_view text, int position);
double ParseInductance(Page& page, std::string_view text, int position);

// An inductance in the unit ShowInductance chooses: the number to show and the position of
// the unit in the lists "H", "mH", "µH", "nH".
struct ScaledInductance {
    long double shown = 0;
    int position = 0;
};
ScaledInductance ScaleInductance(double henry);

// The unit name at a position of those lists ("H", "mH", "µH", "nH"); empty for others.
std::string_view InductanceUnit(int position);

// Write the value with "%3.3f" in an automatically chosen unit and select that unit.
void ShowFrequency(Page& page, double hertz);   // IFREQ / CBUFR
void ShowCapacitance(Page& page, double farad); // ICAP / CBUCR
void ShowInductance(Page& page, std::string_view field, std::string_view selector,
                    double henry); // IIND, ISS or INUC

} // namespace velkor
