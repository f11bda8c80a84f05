// Test texts written once for both regional settings: '#' stands for the decimal separator
// and '^' for the thousands separator (the other of comma and point).
#pragma once

#include "numbers.h"

#include <string>
#include <string_view>

namespace velkor::testing {

inline std::string Localised(std::string_view text, const NumberLocale& locale) {
    std::string out;
    for (char c : text) {
        if (c == '#')
            out += locale.decimal;
        else if (c == '^')
            out += locale.thousands;
        else
            out += c;
    }
    return out;
}

// The two regional settings every text-dependent test runs under.
struct NamedLocale {
    const char* name;
    NumberLocale locale;
};

inline const NamedLocale kBothLocales[] = {{"Comma", CommaLocale()}, {"Point", PointLocale()}};

} // namespace velkor::testing
