// Reading a plain number field (one without a unit list) of the inductor page.
#pragma once

#include "page.h"
#include "unit_values.h"

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

} // namespace velkor
