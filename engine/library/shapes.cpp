// Reading the MAS shape records and the effective parameters of their sets.
#include "shapes.h"

#include "mas_values.h"
#include "parts_library.h"
#include "published_values.h"
#include "shape_sections.h"

#include <array>
#include <cmath>
#include <exception>
#include <optional>
#include <string_view>

namespace velkor::library {

namespace {

// Why a record was left out (the texts of the count table).
constexpr const char* kUnreadable = "riga illeggibile";
constexpr const char* kUnknownFamily = "famiglia non gestita";
constexpr const char* kMissing = "quota mancante";
constexpr const char* kNotPositive = "quota non positiva";
constexpr const char* kMinAboveMax = "minimo sopra il massimo";
constexpr const char* kNotNumber = "valore non numerico";
constexpr const char* kBadResult = "risultato non valido";

// What a family's formulas need from a record.
struct FamilyRule {
    std::string_view key; // NameKey of the record's family text
    Family kind;
    std::string_view needs;    // letters that must be there and positive, blank-separated
    std::string_view optional; // letters used when there, positive then
    std::string_view holes;    // letters used when there, 0 allowed (no hole)
    std::string_view anySign;  // letters that must be there, of any sign
};

constexpr std::array kRules = {
    FamilyRule{"e", Family::E, "A B C D E F", "", "", ""},
    FamilyRule{"planare", Family::PlanarE, "A B C D E F", "", "", ""},
    FamilyRule{"etd", Family::Etd, "A B C D E F", "G", "", ""},
    FamilyRule{"er", Family::Er, "A B C D E F", "G", "", ""},
    FamilyRule{"eq", Family::Eq, "A B C D E F", "G", "", ""},
    FamilyRule{"planarer", Family::PlanarEr, "A B C D E F", "G", "", ""},
    FamilyRule{"ec", Family::Ec, "A B C D E F s", "", "", ""},
    FamilyRule{"efd", Family::Efd, "A B C D E F F2 q", "", "", "K"},
    FamilyRule{"ep", Family::Ep, "A B C D E F", "K", "", ""},
    FamilyRule{"p", Family::P, "A B D E F", "G", "H", ""},
    FamilyRule{"pq", Family::Pq, "A B C D E F G", "J L", "", ""},
    FamilyRule{"rm", Family::Rm, "A B C D E F G J", "", "H", ""},
    FamilyRule{"t", Family::Toroid, "A B C", "", "", ""},
};

const FamilyRule* RuleFor(std::string_view family) {
    const std::string key = NameKey(family);
    for (const FamilyRule& rule : kRules) {
        if (rule.key == key)
            return &rule;
    }
    return nullptr;
}

// Calls `visit` for each blank-separated letter of a list.
template <typename Visit> bool EveryLetter(std::string_view letters, Visit visit) {
    while (!letters.empty()) {
        const std::size_t blank = letters.find(' ');
        if (!visit(std::string(letters.substr(0, blank))))
            return false;
        letters = blank == std::string_view::npos ? std::string_view() : letters.substr(blank + 1);
    }
    return true;
}

// Why the record's dimensions cannot feed its family's formulas; null when they can.
const char* DimensionFault(const FamilyRule& rule, const sections::Dims& dims) {
    const char* fault = nullptr;
    const auto check = [&](const std::string& letter, bool required, double lowest, bool strict) {
        const auto found = dims.find(letter);
        if (found == dims.end()) {
            if (required)
                fault = kMissing;
            return !required;
        }
        if (strict ? !(found->second > lowest) : !(found->second >= lowest)) {
            fault = kNotPositive;
            return false;
        }
        return true;
    };
    const bool ok =
        EveryLetter(rule.needs, [&](const std::string& l) { return check(l, true, 0, true); }) &&
        EveryLetter(rule.optional,
                    [&](const std::string& l) { return check(l, false, 0, true); }) &&
        EveryLetter(rule.holes, [&](const std::string& l) { return check(l, false, 0, false); }) &&
        EveryLetter(rule.anySign,
                    [&](const std::string& l) { return check(l, true, -HUGE_VAL, false); });
    return ok ? nullptr : fault;
}

// Slots of a pot core: two for the slotted subtypes 1 and 2.
int PotSlots(int subtype) {
    return subtype == 1 || subtype == 2 ? 2 : 0;
}

sections::Sums SetSums(const CoreShape& shape) {
    switch (shape.kind) {
    case Family::E:
    case Family::PlanarE:
        return sections::ESet(shape.dims, false, false);
    case Family::Etd:
    case Family::Er:
    case Family::Eq:
    case Family::PlanarEr:
        return sections::ESet(shape.dims, true, false);
    case Family::Ec:
        return sections::ESet(shape.dims, true, true);
    case Family::Efd:
        return sections::EfdSet(shape.dims);
    case Family::Ep:
        return sections::EpSet(shape.dims);
    case Family::P:
        return sections::PotSet(shape.dims, PotSlots(shape.subtype));
    case Family::Pq:
        return sections::PqSet(shape.dims);
    case Family::Rm:
        return sections::RmSet(shape.dims, shape.subtype);
    case Family::Toroid:
        return sections::ToroidSet(shape.dims);
    }
    throw InvalidOperation();
}

bool PositiveFinite(double x) {
    return std::isfinite(x) && x > 0;
}

// Effective parameters and core window of a shape whose dimensions passed the checks; false
// when they describe no core.
bool Compute(CoreShape& shape) {
    try {
        const sections::Sums sums = SetSums(shape);
        // le = C1²/C2, Ae = C1/C2: the path and section of a uniform core of the same
        // reluctance and energy.
        shape.le = Store(sums.c1 * sums.c1 / sums.c2);
        shape.ae = Store(sums.c1 / sums.c2);
        shape.amin = Store(sums.amin);
        if (const auto published = PublishedFor(NameKey(shape.name))) {
            shape.le = published->le;
            shape.ae = published->ae;
            shape.amin = published->amin;
        }
        shape.ve = Store(Ext(shape.le) * shape.ae);
        const auto& d = shape.dims;
        if (shape.Toroid()) {
            const Ext inner = d.at("B"); // mm, the hole
            shape.windowWidth = d.at("B");
            shape.windowHeight = 0;
            shape.windowArea = Store(Ext(kPi) * (inner / 2) * (inner / 2));
        } else {
            shape.windowWidth = Store((Ext(d.at("E")) - d.at("F")) / 2); // between the legs
            shape.windowHeight = Store(2 * Ext(d.at("D")));              // both halves
            shape.windowArea = Store(Ext(shape.windowWidth) * shape.windowHeight);
        }
    } catch (const Fault&) {
        return false;
    }
    return PositiveFinite(shape.le) && PositiveFinite(shape.ae) && PositiveFinite(shape.ve) &&
           PositiveFinite(shape.amin) && PositiveFinite(shape.windowWidth) &&
           PositiveFinite(shape.windowArea) && (shape.Toroid() || shape.windowHeight > 0);
}

void Count(ShapeRead& read, const std::string& family, const char* reason) {
    for (LeftOutCount& entry : read.leftOut) {
        if (entry.family == family && entry.reason == reason) {
            ++entry.count;
            return;
        }
    }
    read.leftOut.push_back({family, reason, 1});
}

const char* StatusFault(mas::DimensionStatus status) {
    switch (status) {
    case mas::DimensionStatus::Ok:
    case mas::DimensionStatus::Missing:
        return nullptr;
    case mas::DimensionStatus::NotNumber:
        return kNotNumber;
    case mas::DimensionStatus::MinAboveMax:
        return kMinAboveMax;
    }
    return kNotNumber;
}

// The fields of a shape record.
class ShapeWalker : public mas::RecordWalker {
public:
    std::optional<std::string> family, name;
    std::vector<std::string> aliases;
    std::optional<int> subtype;
    mas::DimensionCollector dimensions{{"dimensions"}};

    void Clear() {
        family.reset();
        name.reset();
        aliases.clear();
        subtype.reset();
        dimensions.Clear();
    }

protected:
    void Text(mas::Path path, const std::string& text) override {
        if (dimensions.Text(path))
            return;
        if (mas::At(path, {"family"}))
            family = text;
        else if (mas::At(path, {"name"}))
            name = text;
        else if (mas::At(path, {"aliases"}))
            aliases.push_back(text);
        else if (mas::At(path, {"familySubtype"}))
            subtype = mas::WholeNumber(text);
    }
    void Number(mas::Path path, double value) override {
        if (!dimensions.Number(path, value) && mas::At(path, {"familySubtype"}))
            subtype = mas::WholeNumber(value);
    }
    void Other(mas::Path path) override { dimensions.Other(path); }
    void Open(mas::Path path, bool array) override { dimensions.Open(path, array); }
};

// One record; the reason it is left out, or null when `shape` is kept.
const char* ReadRecord(const ShapeWalker& record, CoreShape& shape) {
    if (!record.family || !record.name || NameKey(*record.name).empty())
        return kUnreadable;
    shape.family = *record.family;
    const FamilyRule* rule = RuleFor(*record.family);
    if (rule == nullptr)
        return kUnknownFamily;
    shape.name = *record.name;
    shape.kind = rule->kind;
    for (const std::string& alias : record.aliases) {
        if (!NameKey(alias).empty())
            shape.aliases.push_back(alias);
    }
    shape.subtype = record.subtype.value_or(0);
    if (!record.dimensions.Present())
        return kMissing;
    if (const char* fault = StatusFault(mas::DimensionsMm(record.dimensions.Raw(), shape.dims)))
        return fault;
    if (const char* fault = DimensionFault(*rule, shape.dims))
        return fault;
    if (shape.kind == Family::P && PotSlots(shape.subtype) > 0 && !shape.dims.count("G"))
        return kMissing; // the slots' width
    return Compute(shape) ? nullptr : kBadResult;
}

} // namespace

ShapeRead ReadShapes(std::istream& ndjson) {
    ShapeRead read;
    mas::Lines lines(ndjson);
    ShapeWalker record;
    std::string_view line;
    while (lines.Next(line)) {
        ++read.read;
        CoreShape shape;
        record.Clear();
        const char* reason = kUnreadable;
        try {
            if (record.Walk(line))
                reason = ReadRecord(record, shape);
        } catch (const std::exception&) {
            reason = kUnreadable;
        }
        if (reason == nullptr)
            read.shapes.push_back(std::move(shape));
        else
            Count(read, shape.family, reason);
    }
    return read;
}

} // namespace velkor::library
