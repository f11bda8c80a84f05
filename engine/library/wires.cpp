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

// Only lines that name a round enamelled wire of one of the two standards, of grade 1 or 2 where
// the grade can be seen, can hold a record we keep; the test is on the raw text, before parsing
// (most of the file is litz, foil, rectangular wire and thicker grades).
bool MayHoldRoundWire(std::string_view line) {
    if (line.find("\"round\"") == std::string_view::npos ||
        line.find("\"enamelled\"") == std::string_view::npos ||
        (line.find("60317") == std::string_view::npos &&
         line.find("NEMA") == std::string_view::npos))
        return false;
    // "grade": 1 — blanks allowed around the colon, as JSON allows them.
    std::size_t at = line.find("\"grade\"");
    if (at == std::string_view::npos)
        return true; // the reader decides
    at = line.find_first_not_of(" \t\r\n:", at + 7);
    if (at == std::string_view::npos)
        return true;
    const char digit = line[at];
    const char next = at + 1 < line.size() ? line[at + 1] : ' ';
    const bool whole = digit >= '0' && digit <= '9' && !(next >= '0' && next <= '9') &&
                       next != '.' && next != 'e' && next != 'E';
    return !whole || digit == '1' || digit == '2';
}

// The fields of a wire record.
class WireWalker : public mas::RecordWalker {
public:
    std::optional<std::string> standard, type, material, coating, name;
    std::optional<int> grade;
    mas::RawDimension bare, overall; // m

    void Clear() {
        standard.reset();
        type.reset();
        material.reset();
        coating.reset();
        name.reset();
        grade.reset();
        bare = overall = mas::RawDimension();
    }

protected:
    void Text(mas::Path path, const std::string& text) override {
        if (mas::At(path, {"standard"}))
            standard = text;
        else if (mas::At(path, {"type"}))
            type = text;
        else if (mas::At(path, {"material"}))
            material = text;
        else if (mas::At(path, {"standardName"}))
            name = text;
        else if (mas::At(path, {"coating", "type"}))
            coating = text;
        else if (mas::At(path, {"coating", "grade"}))
            grade = mas::WholeNumber(text);
        else if (mas::RawDimension* raw = Diameter(path))
            raw->bad = true;
    }
    void Number(mas::Path path, double value) override {
        if (mas::At(path, {"coating", "grade"})) {
            grade = mas::WholeNumber(value);
            return;
        }
        mas::RawDimension* raw = Diameter(path);
        if (raw == nullptr)
            return;
        if (!std::isfinite(value))
            raw->bad = true;
        else if (path[1] == "nominal")
            raw->nominal = value;
        else if (path[1] == "minimum")
            raw->minimum = value;
        else
            raw->maximum = value;
    }

private:
    mas::RawDimension* Diameter(mas::Path path) {
        if (path.size() != 2 ||
            (path[1] != "nominal" && path[1] != "minimum" && path[1] != "maximum"))
            return nullptr;
        if (path[0] == "conductingDiameter")
            return &bare;
        if (path[0] == "outerDiameter")
            return &overall;
        return nullptr;
    }
};

struct RoundWire {
    Standard standard = Standard::Other;
    int grade = 0;
    double bare = 0;    // mm
    double overall = 0; // mm
    std::string name;   // the standard's size name, for AWG
};

// A round enamelled copper wire of one of the two standards; false when the record is
// something else; nothing when it is one but cannot be read.
bool ReadRecord(const WireWalker& record, std::optional<RoundWire>& wire) {
    if (!record.standard || record.type != "round" || record.material != "copper")
        return false;
    RoundWire read;
    if (*record.standard == "IEC 60317")
        read.standard = Standard::Iec;
    else if (record.standard->rfind("NEMA MW 1000", 0) == 0)
        read.standard = Standard::Nema;
    else
        return false;
    if (record.coating != "enamelled")
        return false;
    wire.reset();
    double bare = 0; // mm
    if (mas::DimensionMm(record.bare, bare) != mas::DimensionStatus::Ok || !(bare > 0))
        return true;
    // The overall diameter: its maximum where given, else its nominal.
    std::optional<double> overall; // m
    if (!record.overall.bad)
        overall = record.overall.maximum ? record.overall.maximum : record.overall.nominal;
    if (!record.grade || !overall || !(*overall * 1000 >= bare))
        return true;
    read.grade = *record.grade;
    read.bare = bare;
    read.overall = *overall * 1000; // mm
    if (!std::isfinite(read.overall))
        return true;
    read.name = record.name.value_or("");
    wire = read;
    return true;
}

// The gauge of a "24 AWG" name; nothing for half gauges ("24.5 AWG") and other texts.
std::optional<int> Gauge(const std::string& text) {
    int gauge = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), gauge);
    if (error != std::errc() || std::string_view(end, text.data() + text.size() - end) != " AWG" ||
        gauge < 0 || gauge > 60)
        return std::nullopt;
    return gauge;
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
    mas::Lines lines(ndjson);
    WireWalker record;
    std::string_view line;
    while (lines.Next(line)) {
        if (!MayHoldRoundWire(line))
            continue;
        record.Clear();
        std::optional<RoundWire> wire;
        try {
            if (!record.Walk(line)) {
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
