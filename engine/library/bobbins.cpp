// Coil formers: reading the MAS bobbin records, their winding windows, and the window of a core
// without one.
#include "bobbins.h"

#include "checked.h"
#include "mas_values.h"

#include <exception>
#include <initializer_list>

namespace velkor::library {

namespace {

// The letters a rule needs, all there.
bool Has(const std::map<std::string, double>& dims, std::initializer_list<const char*> letters) {
    for (const char* letter : letters) {
        if (!dims.count(letter))
            return false;
    }
    return true;
}

// A window of positive width and height and a positive mean turn, else none.
std::optional<WindingWindow> Window(Ext width, Ext height, Ext meanTurn) {
    WindingWindow window;
    window.width = Store(width);
    window.height = Store(height);
    window.meanTurn = Store(meanTurn);
    window.fromBobbin = true;
    if (!(window.width > 0 && window.height > 0 && window.meanTurn > 0))
        return std::nullopt;
    return window;
}

// Around a round post of diameter `post`: w = (outer − post)/2, MLT at the middle of the window.
std::optional<WindingWindow> RoundWindow(Ext outer, Ext post, Ext height) {
    const Ext w = (outer - post) / 2;                // mm
    return Window(w, height, Ext(kPi) * (post + w)); // π·(post + w)
}

std::optional<WindingWindow> Compute(const Bobbin& bobbin) {
    const auto& d = bobbin.dims;
    const auto v = [&d](const char* letter) { return Ext(d.at(letter)); };
    const std::string& family = bobbin.family;
    // E-style letters: e (outer), f (post), c (depth), s1 (wall), l2 (length), s2 (flanges).
    const bool eLetters = Has(d, {"e", "f", "s1", "l2", "s2"});
    if ((family == "e" || family == "el") && eLetters && Has(d, {"c"})) {
        const Ext wall = 2 * v("s1");               // mm, both walls of the tube
        const Ext w = (v("e") - v("f") - wall) / 2; // mm
        // A rectangular tube: its two long and two short sides at the tube's outside, plus
        // the half-circle corners at the middle of the winding.
        return Window(w, v("l2") - 2 * v("s2"),
                      2 * (v("f") + wall) + 2 * (v("c") + wall) + Ext(kPi) * w);
    }
    if ((family == "er" || family == "etd") && eLetters) {
        const Ext wall = 2 * v("s1");
        const Ext w = (v("e") - v("f") - wall) / 2;
        return Window(w, v("l2") - 2 * v("s2"), Ext(kPi) * (v("f") + wall + w));
    }
    if (family == "etd" && Has(d, {"d1", "d2", "h2"}))
        return RoundWindow(v("d1"), v("d2"), v("h2"));
    if ((family == "pq" || family == "ec") && Has(d, {"D1", "D2", "H2"}))
        return RoundWindow(v("D1"), v("D2"), v("H2"));
    if (family == "rm" && Has(d, {"D1", "D2", "H2", "H4", "H5"}))
        return RoundWindow(v("D1"), v("D2"), v("H2") - v("H4") - v("H5"));
    if (family == "ep" && Has(d, {"d1", "d2", "h", "s"}))
        return RoundWindow(v("d1"), v("d2"), v("h") - 2 * v("s"));
    if (family == "pm" && Has(d, {"d1", "d2", "h", "s1", "s2"}))
        return RoundWindow(v("d1"), v("d2"), v("h") - v("s1") - v("s2"));
    if (family == "efd" && Has(d, {"e", "f1", "f3", "d", "S1", "S2"})) {
        const Ext wall = 2 * v("S1");
        const Ext w = (v("e") - v("f1") - wall) / 2;
        return Window(w, v("d") - 2 * v("S2"),
                      2 * (v("f1") + wall) + 2 * (v("f3") + wall) + Ext(kPi) * w);
    }
    return std::nullopt;
}

// The fields of a bobbin record.
class BobbinWalker : public mas::RecordWalker {
public:
    std::optional<std::string> name, shape, family;
    bool maker = false; // manufacturerInfo given
    mas::DimensionCollector dimensions{{"functionalDescription", "dimensions"}};

    void Clear() {
        name.reset();
        shape.reset();
        family.reset();
        maker = false;
        dimensions.Clear();
    }

protected:
    void Text(mas::Path path, const std::string& text) override {
        if (dimensions.Text(path))
            return;
        if (mas::At(path, {"name"}))
            name = text;
        else if (mas::At(path, {"functionalDescription", "shape"}))
            shape = text;
        else if (mas::At(path, {"functionalDescription", "family"}))
            family = text;
        Maker(path);
    }
    void Number(mas::Path path, double value) override {
        if (!dimensions.Number(path, value))
            Maker(path);
    }
    void Other(mas::Path path) override {
        if (!dimensions.Other(path))
            Maker(path);
    }
    void Open(mas::Path path, bool array) override {
        if (!dimensions.Open(path, array))
            Maker(path);
    }

private:
    void Maker(mas::Path path) {
        if (mas::At(path, {"manufacturerInfo"}))
            maker = true;
    }
};

// One record, or nothing when it cannot be read.
std::optional<Bobbin> ReadRecord(const BobbinWalker& record) {
    if (!record.name || !record.shape || !record.family || !record.dimensions.Present())
        return std::nullopt;
    Bobbin bobbin;
    bobbin.name = *record.name;
    bobbin.shape = *record.shape;
    bobbin.family = *record.family;
    bobbin.standard = !record.maker;
    if (mas::DimensionsMm(record.dimensions.Raw(), bobbin.dims) != mas::DimensionStatus::Ok)
        return std::nullopt;
    return bobbin;
}

} // namespace

BobbinRead ReadBobbins(std::istream& ndjson) {
    BobbinRead read;
    mas::Lines lines(ndjson);
    BobbinWalker record;
    std::string_view line;
    while (lines.Next(line)) {
        std::optional<Bobbin> bobbin;
        record.Clear();
        try {
            if (record.Walk(line))
                bobbin = ReadRecord(record);
        } catch (const std::exception&) {
            bobbin.reset();
        }
        if (bobbin)
            read.bobbins.push_back(std::move(*bobbin));
        else
            ++read.leftOut;
    }
    return read;
}

std::optional<WindingWindow> BobbinWindow(const Bobbin& bobbin) {
    try {
        return Compute(bobbin);
    } catch (const Fault&) {
        return std::nullopt;
    }
}

WindingWindow CoreWindow(const CoreShape& shape) {
    WindingWindow window;
    const auto dim = [&shape](const char* letter) {
        const auto found = shape.dims.find(letter);
        return found == shape.dims.end() ? 0.0 : found->second;
    };
    const double w = shape.windowWidth; // mm
    window.width = w;
    if (shape.Toroid()) {
        window.toroid = true;
        window.innerDiameter = dim("B");
        window.height = 0;
        window.meanTurn = 2 * dim("C") + (dim("A") - dim("B")); // around the ring's section
        return window;
    }
    window.height = shape.windowHeight; // 2D
    switch (shape.kind) {
    case Family::E:
    case Family::PlanarE: // around the rectangular centre leg F × C
        window.meanTurn = 2 * (dim("F") + dim("C")) + kPi * w;
        break;
    case Family::Efd: // around the flat post F × F2
        window.meanTurn = 2 * (dim("F") + dim("F2")) + kPi * w;
        break;
    default: // a round post
        window.meanTurn = kPi * (dim("F") + w);
        break;
    }
    return window;
}

} // namespace velkor::library
