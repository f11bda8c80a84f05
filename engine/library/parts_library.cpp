// The parts library: the data folder read once, and the lookups of the pickers.
#include "parts_library.h"

#include "stock.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <unordered_set>

namespace velkor::library {

namespace {

constexpr double kMu0 = 4e-7 * 3.14159265358979323846; // H/m
constexpr double kResidualGap = 10e-6;                 // m, ground faces of a two-part set
constexpr double kNanoPerUnit = 1e9;                   // nH/H

// The names a shape answers to, as keys.
std::vector<std::string> KeysOf(const CoreShape& shape) {
    std::vector<std::string> keys{NameKey(shape.name)};
    for (const std::string& alias : shape.aliases)
        keys.push_back(NameKey(alias));
    return keys;
}

// "rm8/i" -> "rm8", "rm6/i-r" -> "rm6-r": a shape without centre hole and the shape whose
// bobbin it takes; empty when the name has no "/i" of that kind.
std::string WithoutNoHoleMark(const std::string& key) {
    for (std::size_t at = key.find("/i"); at != std::string::npos; at = key.find("/i", at + 1)) {
        const std::size_t after = at + 2;
        if (after == key.size() || key[after] < '0' || key[after] > '9')
            return key.substr(0, at) + key.substr(after);
    }
    return {};
}

bool Contains(const std::vector<std::string>& keys, const std::string& key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

} // namespace

double AlEstimate(const CoreShape& shape, const Material& material) {
    if (!(material.muI > 0) || !(shape.le > 0) || !(shape.ae > 0))
        return 0;
    const double area = shape.ae * 1e-6;                    // m²
    const double path = shape.le * 1e-3;                    // m
    const double gap = shape.Toroid() ? 0.0 : kResidualGap; // m
    // The reluctance of the ferrite path and of the residual gap in series.
    const double al = kMu0 * area / (path / material.muI + gap) * kNanoPerUnit; // nH
    return std::isfinite(al) ? al : 0;
}

PartsLibrary PartsLibrary::Load(const std::filesystem::path& folder) {
    PartsLibrary library;
    const auto open = [&](const char* file, std::ifstream& in) {
        in.open(folder / file, std::ios::binary);
        if (!in)
            library.problems_.push_back(std::string("File mancante o illeggibile: ") + file);
        return static_cast<bool>(in);
    };
    const auto nothingRead = [&](const char* file) {
        library.problems_.push_back(std::string("Nessun dato leggibile in ") + file);
    };
    try {
        if (std::ifstream in; open("core_shapes.ndjson", in)) {
            library.shapeRead_ = ReadShapes(in);
            library.shapes_ = std::move(library.shapeRead_.shapes);
            library.shapeRead_.shapes.clear();
            if (library.shapes_.empty())
                nothingRead("core_shapes.ndjson");
        }
        if (std::ifstream in; open("bobbins.ndjson", in))
            library.bobbins_ = ReadBobbins(in).bobbins;
        if (std::ifstream in; open("wires.ndjson", in)) {
            library.wires_ = ReadWires(in);
            if (library.wires_.iec.empty())
                nothingRead("wires.ndjson");
        }
        if (std::ifstream in; open("cores_stock.ndjson", in))
            library.stock_ = ReadStock(in);
        std::ifstream materials, steinmetz;
        if (open("ferrite_materials.csv", materials) && open("ferrite_steinmetz.csv", steinmetz)) {
            library.materials_ = ReadMaterials(materials, steinmetz).materials;
            if (library.materials_.empty())
                nothingRead("ferrite_materials.csv");
        }
        // The lookups of every click and of the adviser go through these keys, made once.
        for (std::size_t i = 0; i < library.shapes_.size(); ++i)
            library.shapeIndex_.emplace(NameKey(library.shapes_[i].name), i);
        for (std::size_t i = 0; i < library.shapes_.size(); ++i)
            for (const std::string& alias : library.shapes_[i].aliases)
                library.shapeIndex_.emplace(NameKey(alias), i);
        for (std::size_t i = 0; i < library.materials_.size(); ++i)
            library.materialIndex_.emplace(NameKey(library.materials_[i].name), i);
        for (const Bobbin& bobbin : library.bobbins_)
            library.bobbinKeys_.push_back(NameKey(bobbin.shape));
    } catch (const std::exception&) { // out of memory, or a stream that failed badly
        library.problems_.push_back("Lettura della libreria interrotta");
        library.shapeIndex_.clear();
        library.materialIndex_.clear();
        library.bobbinKeys_.clear();
    }
    return library;
}

const CoreShape* PartsLibrary::FindShape(std::string_view name) const {
    const std::string key = NameKey(name);
    const auto found = key.empty() ? shapeIndex_.end() : shapeIndex_.find(key);
    return found == shapeIndex_.end() ? nullptr : &shapes_[found->second];
}

const Material* PartsLibrary::FindMaterial(std::string_view name) const {
    const std::string key = NameKey(name);
    const auto found = key.empty() ? materialIndex_.end() : materialIndex_.find(key);
    return found == materialIndex_.end() ? nullptr : &materials_[found->second];
}

const Bobbin* PartsLibrary::BobbinOf(const CoreShape& shape) const {
    std::vector<std::string> keys = KeysOf(shape);
    if (const std::string whole = WithoutNoHoleMark(keys.front()); !whole.empty()) {
        keys.push_back(whole); // "X/I" takes the bobbin of "X"
        if (const CoreShape* withHole = FindShape(whole)) {
            for (const std::string& key : KeysOf(*withHole))
                keys.push_back(key);
        }
    }
    const Bobbin* first = nullptr;
    for (std::size_t i = 0; i < bobbins_.size() && i < bobbinKeys_.size(); ++i) {
        const Bobbin& bobbin = bobbins_[i];
        if (!Contains(keys, bobbinKeys_[i]))
            continue;
        if (bobbin.standard)
            return &bobbin;
        if (first == nullptr)
            first = &bobbin;
    }
    return first;
}

WindingWindow PartsLibrary::WindowOf(const CoreShape& shape) const {
    if (!shape.Toroid()) {
        if (const Bobbin* bobbin = BobbinOf(shape)) {
            if (const auto window = BobbinWindow(*bobbin))
                return *window;
        }
    }
    return CoreWindow(shape);
}

double PartsLibrary::OverallDiameter(double size) const {
    return library::OverallDiameter(wires_.iec, size);
}

bool PartsLibrary::InStock(const CoreShape& shape, const Material& material) const {
    const std::vector<std::string> keys = KeysOf(shape);
    const std::string materialKey = NameKey(material.name);
    return std::any_of(stock_.begin(), stock_.end(), [&](const auto& entry) {
        return entry.second == materialKey && Contains(keys, entry.first);
    });
}

std::vector<std::string> PartsLibrary::ShapeNames() const {
    std::vector<std::string> names;
    for (const CoreShape& shape : shapes_) {
        names.push_back(shape.name);
        names.insert(names.end(), shape.aliases.begin(), shape.aliases.end());
    }
    // Once each: a shared alias is offered once (it finds the shape the matching gives).
    std::vector<std::string> unique;
    std::unordered_set<std::string> seen;
    for (std::string& name : names) {
        if (seen.insert(NameKey(name)).second)
            unique.push_back(std::move(name));
    }
    return unique;
}

std::vector<std::string> PartsLibrary::MaterialNames() const {
    std::vector<std::string> names;
    for (const Material& material : materials_)
        names.push_back(material.name);
    return names;
}

} // namespace velkor::library
