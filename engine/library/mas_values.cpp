#include "mas_values.h"

#include <charconv>
#include <cmath>

namespace velkor::library::mas {

namespace {

constexpr double kMmPerMetre = 1000.0; // mm/m

// A finite number of a member, when it is one.
DimensionStatus NumberOf(const nlohmann::json& object, const char* key,
                         std::optional<double>& out) {
    const nlohmann::json* member = Member(object, key);
    if (member == nullptr) {
        out.reset();
        return DimensionStatus::Ok;
    }
    if (!member->is_number())
        return DimensionStatus::NotNumber;
    const double value = member->get<double>();
    if (!std::isfinite(value))
        return DimensionStatus::NotNumber;
    out = value;
    return DimensionStatus::Ok;
}

} // namespace

const nlohmann::json* Member(const nlohmann::json& object, std::string_view key) {
    if (!object.is_object())
        return nullptr;
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

DimensionStatus DimensionMm(const nlohmann::json& record, double& mm) {
    if (record.is_number()) { // a bare number: a nominal
        const double value = record.get<double>();
        if (!std::isfinite(value))
            return DimensionStatus::NotNumber;
        mm = value * kMmPerMetre;
        return DimensionStatus::Ok;
    }
    if (!record.is_object())
        return DimensionStatus::NotNumber;
    std::optional<double> nominal, minimum, maximum;
    for (const auto& [key, out] : {std::pair{"nominal", &nominal}, std::pair{"minimum", &minimum},
                                   std::pair{"maximum", &maximum}}) {
        if (const DimensionStatus status = NumberOf(record, key, *out);
            status != DimensionStatus::Ok)
            return status;
    }
    if (maximum && *maximum == 0.0) { // "maximum 0": the part has none of it (a hole)
        mm = 0.0;
        return DimensionStatus::Ok;
    }
    if (minimum && maximum && *minimum > *maximum)
        return DimensionStatus::MinAboveMax;
    double metres = 0.0; // m
    if (nominal)
        metres = *nominal;
    else if (minimum && maximum)
        metres = *minimum / 2 + *maximum / 2; // the middle of the tolerance band
    else if (minimum)
        metres = *minimum;
    else if (maximum)
        metres = *maximum;
    else
        return DimensionStatus::Missing;
    mm = metres * kMmPerMetre;
    if (!std::isfinite(mm))
        return DimensionStatus::NotNumber;
    return DimensionStatus::Ok;
}

DimensionStatus DimensionsMm(const nlohmann::json& dimensions, std::map<std::string, double>& mm) {
    if (!dimensions.is_object())
        return DimensionStatus::Missing;
    for (const auto& [letter, record] : dimensions.items()) {
        double value = 0.0; // mm
        const DimensionStatus status = DimensionMm(record, value);
        if (status == DimensionStatus::Missing)
            continue; // an empty record names no value: as if the letter were absent
        if (status != DimensionStatus::Ok)
            return status;
        mm[letter] = value;
    }
    return DimensionStatus::Ok;
}

std::optional<std::string> Text(const nlohmann::json& object, std::string_view key) {
    const nlohmann::json* member = Member(object, key);
    if (member == nullptr || !member->is_string())
        return std::nullopt;
    return member->get<std::string>();
}

std::optional<int> WholeNumber(const nlohmann::json& object, std::string_view key) {
    const nlohmann::json* member = Member(object, key);
    if (member == nullptr)
        return std::nullopt;
    if (member->is_number_integer()) {
        const auto value = member->get<long long>();
        if (value < -1000000 || value > 1000000)
            return std::nullopt;
        return static_cast<int>(value);
    }
    if (!member->is_string())
        return std::nullopt;
    const std::string& text = member->get_ref<const std::string&>();
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

nlohmann::json ParseLine(std::string_view line) {
    return nlohmann::json::parse(line.begin(), line.end(), nullptr, false);
}

bool NextLine(std::istream& in, std::string& line) {
    while (std::getline(in, line)) {
        if (line.find_first_not_of(" \t\r\f\v") != std::string::npos)
            return true;
    }
    return false;
}

} // namespace velkor::library::mas
