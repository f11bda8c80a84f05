// The stock file is large (1.2 MB) and only two texts of each record matter: the parser walks
// only the record's `functionalDescription` member, found in the line's text, and the whole
// line when that does not give both names.
#include "stock.h"

#include "mas_values.h"
#include "parts_library.h"

namespace velkor::library {

namespace {

constexpr std::string_view kDescription = "\"functionalDescription\"";

// Collects `shape` and `material` of a functional description, walked either alone
// (`prefix` empty) or inside its record (`prefix` "functionalDescription").
class StockWalker : public mas::RecordWalker {
public:
    std::string shape, material;
    bool inRecord = false;

protected:
    void Text(mas::Path path, const std::string& text) override {
        const std::size_t skip = inRecord ? 1 : 0;
        if (path.size() != skip + 1 || (inRecord && path[0] != "functionalDescription"))
            return;
        if (path[skip] == "shape")
            shape = text;
        else if (path[skip] == "material")
            material = text;
    }
    void Number(mas::Path, double) override {}
};

// The member's value in the line's text: from the first brace after its key.
std::string_view DescriptionText(std::string_view line) {
    const std::size_t key = line.find(kDescription);
    if (key == std::string_view::npos)
        return {};
    const std::size_t brace = line.find_first_not_of(" \t\r\n:", key + kDescription.size());
    if (brace == std::string_view::npos || line[brace] != '{')
        return {};
    return line.substr(brace);
}

} // namespace

std::vector<std::pair<std::string, std::string>> ReadStock(std::istream& ndjson) {
    std::vector<std::pair<std::string, std::string>> stock;
    mas::Lines lines(ndjson);
    std::string_view line;
    while (lines.Next(line)) {
        StockWalker walker;
        const std::string_view description = DescriptionText(line);
        if (description.empty() || !walker.Walk(description, true) || walker.shape.empty() ||
            walker.material.empty()) {
            walker = StockWalker();
            walker.inRecord = true;
            if (!walker.Walk(line))
                continue;
        }
        if (walker.shape.empty() || walker.material.empty())
            continue;
        stock.emplace_back(NameKey(walker.shape), NameKey(walker.material));
    }
    return stock;
}

} // namespace velkor::library
