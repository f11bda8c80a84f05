// Enamelled round copper wires: the IEC 60317 sizes and the NEMA MW 1000 C gauges of the MAS
// wire records.
#include "wires.h"

#include "mas_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace velkor::library {

namespace {

constexpr double kSameSize = 1e-6;      // mm, sizes closer than this are the same size
constexpr double kNoRecordFactor = 1.1; // overall/bare diameter of a size without a record

enum class Standard { Other, Iec, Nema };

// Only lines that name a round wire of one of the two standards can hold a record we keep; the
// test is on the raw text, before parsing (most of the file is litz, foil and rectangular).
bool MayHoldRoundWire(std::string_view line) {
    return line.find("\"round\"") != std::string_view::npos &&
           (line.find("60317") != std::string_view::npos ||
            line.find("NEMA") != std::string_view::npos);
}

// A dimension in mm, or nothing.
std::optional<double> Mm(const nlohmann::json& record, std::string_view key, bool maximumFirst) {
    const nlohmann::json* member = mas::Member(record, key);
    if (member == nullptr)
        return std::nullopt;
    if (maximumFirst) { // an overall diameter: its maximum where given
        if (const nlohmann::json* maximum = mas::Member(*member, "maximum");
            maximum != nullptr && maximum->is_number()) {
            const double mm = maximum->get<double>() * 1000.0; // mm
            return std::isfinite(mm) && mm > 0 ? std::optional(mm) : std::nullopt;
        }
        if (const nlohmann::json* nominal = mas::Member(*member, "nominal");
            nominal != nullptr && nominal->is_number()) {
            const double mm = nominal->get<double>() * 1000.0; // mm
            return std::isfinite(mm) && mm > 0 ? std::optional(mm) : std::nullopt;
        }
        return std::nullopt;
    }
    double mm = 0;
    if (mas::DimensionMm(*member, mm) != mas::DimensionStatus::Ok || !(mm > 0))
        return std::nullopt;
    return mm;
}

// The gauge of a "24 AWG" name; nothing for half gauges ("24.5 AWG") and other texts.
std::optional<int> Gauge(const std::string& text) {
    int gauge = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), gauge);
    if (error != std::errc() || std::string_view(end) != " AWG" || gauge < 0 || gauge > 60)
        return std::nullopt;
    return gauge;
}

struct RoundWire {
    Standard standard = Standard::Other;
    int grade = 0;
    double bare = 0;    // mm
    double overall = 0; // mm
    std::string name;   // the standard's size name, for AWG
};

// A round enamelled copper wire of one of the two standards; false when the record is
// something else; nothing when it is one but cannot be read.
bool ReadRecord(const nlohmann::json& record, std::optional<RoundWire>& wire) {
    const auto standard = mas::Text(record, "standard");
    const auto type = mas::Text(record, "type");
    const auto material = mas::Text(record, "material");
    if (!standard || type != "round" || material != "copper")
        return false;
    RoundWire read;
    if (*standard == "IEC 60317")
        read.standard = Standard::Iec;
    else if (standard->rfind("NEMA MW 1000", 0) == 0)
        read.standard = Standard::Nema;
    else
        return false;
    const nlohmann::json* coating = mas::Member(record, "coating");
    if (coating == nullptr || mas::Text(*coating, "type") != "enamelled")
        return false;
    wire.reset();
    const auto grade = mas::WholeNumber(*coating, "grade");
    const auto bare = Mm(record, "conductingDiameter", false);
    const auto overall = Mm(record, "outerDiameter", true);
    if (!grade || !bare || !overall || *overall < *bare)
        return true;
    read.grade = *grade;
    read.bare = *bare;
    read.overall = *overall;
    read.name = mas::Text(record, "standardName").value_or("");
    wire = read;
    return true;
}

void Keep(WireRead& read, const RoundWire& wire) {
    if (wire.standard == Standard::Iec && (wire.grade == 1 || wire.grade == 2)) {
        auto same = std::find_if(read.iec.begin(), read.iec.end(), [&](const IecWire& w) {
            return std::fabs(w.nominal - wire.bare) < kSameSize;
        });
        if (same == read.iec.end()) {
            read.iec.push_back({wire.bare, 0, 0});
            same = read.iec.end() - 1;
        }
        double& overall = wire.grade == 1 ? same->grade1 : same->grade2;
        if (overall == 0) // the first record of a size and grade
            overall = wire.overall;
        return;
    }
    if (wire.standard != Standard::Nema || (wire.grade != 1 && wire.grade != 2))
        return;
    const auto gauge = Gauge(wire.name);
    if (!gauge)
        return;
    auto same = std::find_if(read.awg.begin(), read.awg.end(),
                             [&](const AwgWire& w) { return w.gauge == *gauge; });
    if (same == read.awg.end()) {
        read.awg.push_back({*gauge, wire.bare, 0});
        same = read.awg.end() - 1;
    }
    if (wire.grade == 2 && same->heavy == 0) // heavy build
        same->heavy = wire.overall;
}

} // namespace

WireRead ReadWires(std::istream& ndjson) {
    WireRead read;
    std::string line;
    while (mas::NextLine(ndjson, line)) {
        if (!MayHoldRoundWire(line))
            continue;
        try {
            std::optional<RoundWire> wire;
            const nlohmann::json record = mas::ParseLine(line);
            if (!record.is_object()) {
                ++read.leftOut;
            } else if (ReadRecord(record, wire)) {
                if (wire)
                    Keep(read, *wire);
                else
                    ++read.leftOut;
            }
        } catch (const std::exception&) {
            ++read.leftOut;
        }
    }
    // A size given only in grade 2 has no grade 1 diameter: it is not an IEC grade 1 size.
    std::erase_if(read.iec, [](const IecWire& w) { return w.grade1 == 0; });
    std::sort(read.iec.begin(), read.iec.end(),
              [](const IecWire& a, const IecWire& b) { return a.nominal < b.nominal; });
    std::sort(read.awg.begin(), read.awg.end(),
              [](const AwgWire& a, const AwgWire& b) { return a.diameter < b.diameter; });
    return read;
}

double OverallDiameter(const std::vector<IecWire>& wires, double size) {
    const auto found =
        std::lower_bound(wires.begin(), wires.end(), size - kSameSize,
                         [](const IecWire& wire, double value) { return wire.nominal < value; });
    if (found != wires.end() && std::fabs(found->nominal - size) < kSameSize)
        return found->grade1;
    return kNoRecordFactor * size; // the enamel of a grade 1 wire, roughly
}

} // namespace velkor::library
