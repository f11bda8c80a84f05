#include "materials.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace velkor::library {

namespace {

// The fields of one line, split at every comma, blanks and a trailing carriage return trimmed.
// The tables quote nothing; a comma inside the last (unused) column, a data sheet's address,
// only adds fields that nobody reads.
std::vector<std::string_view> Fields(std::string_view line) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t comma = line.find(',');
        std::string_view field = line.substr(0, comma);
        while (!field.empty() && (field.front() == ' ' || field.front() == '\t'))
            field.remove_prefix(1);
        while (!field.empty() && (field.back() == ' ' || field.back() == '\t'))
            field.remove_suffix(1);
        fields.push_back(field);
        if (comma == std::string_view::npos)
            return fields;
        line.remove_prefix(comma + 1);
    }
}

bool Blank(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// A finite number in C notation ("1812", "0.4109", "8.36e-05"); none for anything else.
std::optional<double> Number(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The columns of a table by the names of its header row; each index is -1 when the header
// lacks that name, and then every row is left out.
template <std::size_t Count>
std::array<int, Count> Columns(std::string_view header,
                               const std::array<std::string_view, Count>& names) {
    std::array<int, Count> index{};
    index.fill(-1);
    const std::vector<std::string_view> fields = Fields(header);
    for (std::size_t i = 0; i < Count; ++i)
        for (std::size_t f = 0; f < fields.size(); ++f)
            if (fields[f] == names[i] && index[i] < 0)
                index[i] = static_cast<int>(f);
    return index;
}

// The header row of a table, skipping blank lines before it; false at the end of the stream.
bool Header(std::istream& in, std::string& line) {
    while (std::getline(in, line))
        if (!Blank(line))
            return true;
    return false;
}

constexpr std::array<std::string_view, 6> kMaterialColumns = {
    "maker", "material", "mu_i_25C", "Bsat_25C_T", "Bsat_100C_T", "curie_C"};
constexpr std::array<std::string_view, 9> kBandColumns = {
    "material", "f_min_Hz", "f_max_Hz", "k", "alpha", "beta", "ct0", "ct1", "ct2"};

// One row of the materials table; none when a column is missing or does not hold what it
// must (a name, a positive µi and Bsat, a number for the Curie point).
std::optional<Material> MaterialRow(const std::vector<std::string_view>& fields,
                                    const std::array<int, 6>& at) {
    for (const int column : at)
        if (column < 0 || static_cast<std::size_t>(column) >= fields.size())
            return std::nullopt;
    Material m;
    m.maker = fields[at[0]];
    m.name = fields[at[1]];
    const auto muI = Number(fields[at[2]]);
    const auto bsat25 = Number(fields[at[3]]);  // T
    const auto bsat100 = Number(fields[at[4]]); // T
    const auto curie = Number(fields[at[5]]);   // °C
    if (m.name.empty() || !muI || !bsat25 || !bsat100 || !curie || *muI <= 0 || *bsat25 <= 0 ||
        *bsat100 <= 0)
        return std::nullopt;
    m.muI = *muI;
    m.bsat25 = *bsat25;
    m.bsat100 = *bsat100;
    m.curie = *curie;
    return m;
}

// One row of the loss table, with the name of its material; none when a column is missing or
// not a number, when fMin >= fMax or fMin < 0, or when k, α or β is not positive (the power
// law then has no meaning, and its logarithm, through which the bands are blended, none).
std::optional<std::pair<std::string, SteinmetzBand>>
BandRow(const std::vector<std::string_view>& fields, const std::array<int, 9>& at) {
    for (const int column : at)
        if (column < 0 || static_cast<std::size_t>(column) >= fields.size())
            return std::nullopt;
    std::array<double, 8> v{};
    for (std::size_t i = 0; i < v.size(); ++i) {
        const auto number = Number(fields[at[i + 1]]);
        if (!number)
            return std::nullopt;
        v[i] = *number;
    }
    const SteinmetzBand band{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]};
    const std::string name(fields[at[0]]);
    if (name.empty() || band.fMin < 0 || band.fMin >= band.fMax || band.k <= 0 || band.alpha <= 0 ||
        band.beta <= 0)
        return std::nullopt;
    return std::pair{name, band};
}

} // namespace

MaterialRead ReadMaterials(std::istream& materials, std::istream& steinmetz) {
    MaterialRead read;
    std::string line;

    if (Header(materials, line)) {
        const auto at = Columns(line, kMaterialColumns);
        while (std::getline(materials, line)) {
            if (Blank(line))
                continue;
            auto material = MaterialRow(Fields(line), at);
            // A second row of a name already read is left out: the name picks one material.
            const bool known = material && std::any_of(read.materials.begin(), read.materials.end(),
                                                       [&](const Material& m) {
                                                           return m.name == material->name;
                                                       });
            if (!material || known)
                ++read.leftOut;
            else
                read.materials.push_back(std::move(*material));
        }
    }

    if (Header(steinmetz, line)) {
        const auto at = Columns(line, kBandColumns);
        while (std::getline(steinmetz, line)) {
            if (Blank(line))
                continue;
            const auto row = BandRow(Fields(line), at);
            const auto owner =
                row ? std::find_if(read.materials.begin(), read.materials.end(),
                                   [&](const Material& m) { return m.name == row->first; })
                    : read.materials.end();
            if (owner == read.materials.end())
                ++read.leftOut; // unreadable, or for a material that is not in the first table
            else
                owner->bands.push_back(row->second);
        }
    }

    // Bands ascending in frequency (the file's order among equal starts); a material with no
    // band has no loss model and is left out.
    for (Material& m : read.materials)
        std::stable_sort(
            m.bands.begin(), m.bands.end(),
            [](const SteinmetzBand& a, const SteinmetzBand& b) { return a.fMin < b.fMin; });
    const auto bandless = std::remove_if(read.materials.begin(), read.materials.end(),
                                         [](const Material& m) { return m.bands.empty(); });
    read.leftOut += static_cast<int>(read.materials.end() - bandless);
    read.materials.erase(bandless, read.materials.end());
    return read;
}

} // namespace velkor::library
