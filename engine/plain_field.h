// Reading a plain number field (one without a unit list) of the inductor page.
#pragma once

#include "page.h"
#include "unit_values.h"

#include <initializer_list>
#include <optional>
#include <string_view>

namespace velkor {

// The field's text read as a number; when it cannot be read, shows the box
// "Campo errato o nullo : <errorName>" and gives no value.
inline std::optional<double> ReadPlainField(Page& page, std::string_view field,
                                            std::string_view errorName) {
    const auto value = ReadNumber(page.Text(field), page.Locale());
    if (!value)
        ShowFieldError(page, errorName);
    return value;
}

// The inductance of a field and its unit list, in henry; no value when the parse failed (it
// has shown its box) or the typed value scales to -1 or less.
inline std::optional<double> ReadInductanceField(Page& page, std::string_view field,
                                                 std::string_view selector) {
    const double henry = ParseInductance(page, page.Text(field), page.ItemIndex(selector));
    if (!(henry > ParseFailed))
        return std::nullopt;
    return henry;
}

// An input of a calculation as read, and the name its error box shows.
struct NamedInput {
    double value;
    std::string_view name;
};

// The input a calculation whose arithmetic failed most likely failed on: the first given that
// is zero (a divisor), else the first that is negative (under a root), else `fallback`. List
// the divisors first.
inline std::string_view FailedInput(std::initializer_list<NamedInput> inputs,
                                    std::string_view fallback) {
    for (const NamedInput& input : inputs)
        if (input.value == 0)
            return input.name;
    for (const NamedInput& input : inputs)
        if (input.value < 0)
            return input.name;
    return fallback;
}

} // namespace velkor
