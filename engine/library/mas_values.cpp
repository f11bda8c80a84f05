#include "mas_values.h"

#include <charconv>
#include <cmath>
#include <exception>

namespace velkor::library::mas {

namespace {

constexpr double kMmPerMetre = 1000.0; // mm/m

} // namespace

bool RecordWalker::Walk(std::string_view text, bool prefixOnly) {
    depth_ = 0;
    objects_.clear();
    try {
        return nlohmann::json::sax_parse(text.begin(), text.end(), this,
                                         nlohmann::json::input_format_t::json, !prefixOnly);
    } catch (const std::exception&) { // out of memory
        return false;
    }
}

bool RecordWalker::null() {
    Other(Here());
    return true;
}
bool RecordWalker::boolean(bool) {
    Other(Here());
    return true;
}
bool RecordWalker::number_integer(number_integer_t value) {
    Number(Here(), static_cast<double>(value));
    return true;
}
bool RecordWalker::number_unsigned(number_unsigned_t value) {
    Number(Here(), static_cast<double>(value));
    return true;
}
bool RecordWalker::number_float(number_float_t value, const string_t&) {
    Number(Here(), value);
    return true;
}
bool RecordWalker::string(string_t& text) {
    Text(Here(), text);
    return true;
}
bool RecordWalker::binary(binary_t&) {
    Other(Here());
    return true;
}
bool RecordWalker::start_object(std::size_t) {
    Open(Here(), false);
    objects_.push_back(true);
    if (keys_.size() <= depth_)
        keys_.emplace_back();
    keys_[depth_++].clear();
    return true;
}
bool RecordWalker::end_object() {
    objects_.pop_back();
    --depth_;
    return true;
}
bool RecordWalker::start_array(std::size_t) {
    Open(Here(), true);
    objects_.push_back(false);
    return true;
}
bool RecordWalker::end_array() {
    objects_.pop_back();
    return true;
}
bool RecordWalker::key(string_t& text) {
    keys_[depth_ - 1] = text; // the open object's key slot
    return true;
}
bool RecordWalker::parse_error(std::size_t, const std::string&,
                               const nlohmann::detail::exception&) {
    return false;
}

bool At(Path path, std::initializer_list<std::string_view> keys) {
    if (path.size() != keys.size())
        return false;
    std::size_t i = 0;
    for (const std::string_view key : keys) {
        if (path[i++] != key)
            return false;
    }
    return true;
}

RawDimension* DimensionCollector::Slot(Path path, std::string& field) {
    if (path.size() < at_.size() + 1 || path.size() > at_.size() + 2)
        return nullptr;
    for (std::size_t i = 0; i < at_.size(); ++i) {
        if (path[i] != at_[i])
            return nullptr;
    }
    field = path.size() == at_.size() + 2 ? path[at_.size() + 1] : std::string();
    return &raw_[path[at_.size()]];
}

bool DimensionCollector::Text(Path path) {
    std::string field;
    RawDimension* raw = Slot(path, field);
    if (raw == nullptr)
        return false;
    if (field.empty() || field == "nominal" || field == "minimum" || field == "maximum")
        raw->bad = true; // a text (or null, or true) where a number belongs
    return true;
}

bool DimensionCollector::Number(Path path, double value) {
    std::string field;
    RawDimension* raw = Slot(path, field);
    if (raw == nullptr)
        return false;
    if (!std::isfinite(value))
        raw->bad = true;
    else if (field.empty() || field == "nominal")
        raw->nominal = value;
    else if (field == "minimum")
        raw->minimum = value;
    else if (field == "maximum")
        raw->maximum = value;
    return true;
}

bool DimensionCollector::Open(Path path, bool array) {
    if (path.size() == at_.size() && std::equal(at_.begin(), at_.end(), path.begin())) {
        present_ = !array;
        return true;
    }
    std::string field;
    RawDimension* raw = Slot(path, field);
    if (raw == nullptr)
        return false;
    if (array || !field.empty())
        raw->bad = true; // a list, or a record inside a record
    return true;
}

void DimensionCollector::Clear() {
    raw_.clear();
    present_ = false;
}

DimensionStatus DimensionMm(const RawDimension& raw, double& mm) {
    if (raw.bad)
        return DimensionStatus::NotNumber;
    if (raw.maximum && *raw.maximum == 0.0) { // "maximum 0": the part has none of it (a hole)
        mm = 0.0;
        return DimensionStatus::Ok;
    }
    if (raw.minimum && raw.maximum && *raw.minimum > *raw.maximum)
        return DimensionStatus::MinAboveMax;
    double metres = 0.0; // m
    if (raw.nominal)
        metres = *raw.nominal;
    else if (raw.minimum && raw.maximum)
        metres = *raw.minimum / 2 + *raw.maximum / 2; // the middle of the tolerance band
    else if (raw.minimum)
        metres = *raw.minimum;
    else if (raw.maximum)
        metres = *raw.maximum;
    else
        return DimensionStatus::Missing;
    mm = metres * kMmPerMetre;
    return std::isfinite(mm) ? DimensionStatus::Ok : DimensionStatus::NotNumber;
}

DimensionStatus DimensionsMm(const std::map<std::string, RawDimension>& raw,
                             std::map<std::string, double>& mm) {
    for (const auto& [letter, dimension] : raw) {
        double value = 0.0; // mm
        const DimensionStatus status = DimensionMm(dimension, value);
        if (status == DimensionStatus::Missing)
            continue; // an empty record names no value: as if the letter were absent
        if (status != DimensionStatus::Ok)
            return status;
        mm[letter] = value;
    }
    return DimensionStatus::Ok;
}

std::optional<int> WholeNumber(double value) {
    if (!(value >= -1e6 && value <= 1e6) || std::trunc(value) != value)
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> WholeNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

Lines::Lines(std::istream& in) {
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        text_.append(buffer, static_cast<std::size_t>(in.gcount()));
}

bool Lines::Next(std::string_view& line) {
    while (at_ < text_.size()) {
        std::size_t end = text_.find('\n', at_);
        if (end == std::string::npos)
            end = text_.size();
        line = std::string_view(text_).substr(at_, end - at_);
        at_ = end + 1;
        if (line.find_first_not_of(" \t\r\f\v") != std::string_view::npos)
            return true;
    }
    return false;
}

} // namespace velkor::library::mas
