// The stock file is large (1.2 MB) and only two texts of each record matter: its records are
// walked by the parser's event interface, without building a document.
#include "stock.h"

#include "mas_values.h"
#include "parts_library.h"

#include <exception>

namespace velkor::library {

namespace {

// Collects `functionalDescription.shape` and `.material` of one record.
class StockEvents : public nlohmann::json_sax<nlohmann::json> {
public:
    std::string shape;
    std::string material;

    bool null() override { return Value(); }
    bool boolean(bool) override { return Value(); }
    bool number_integer(number_integer_t) override { return Value(); }
    bool number_unsigned(number_unsigned_t) override { return Value(); }
    bool number_float(number_float_t, const string_t&) override { return Value(); }
    bool binary(binary_t&) override { return Value(); }
    bool string(string_t& text) override {
        if (depth_ == 2 && inDescription_) {
            if (key_ == "shape")
                shape = text;
            else if (key_ == "material")
                material = text;
        }
        return Value();
    }
    bool start_object(std::size_t) override { return Open(); }
    bool end_object() override { return Close(); }
    bool start_array(std::size_t) override { return Open(); }
    bool end_array() override { return Close(); }
    bool key(string_t& text) override {
        key_ = text;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false;
    }

private:
    bool Value() {
        key_.clear();
        return true;
    }
    bool Open() {
        ++depth_;
        if (depth_ == 2 && key_ == "functionalDescription")
            inDescription_ = true;
        key_.clear();
        return true;
    }
    bool Close() {
        if (depth_ == 2)
            inDescription_ = false;
        --depth_;
        key_.clear();
        return true;
    }

    int depth_ = 0; // 1 inside the record, 2 inside one of its members
    bool inDescription_ = false;
    std::string key_;
};

} // namespace

std::vector<std::pair<std::string, std::string>> ReadStock(std::istream& ndjson) {
    std::vector<std::pair<std::string, std::string>> stock;
    std::string line;
    while (mas::NextLine(ndjson, line)) {
        try {
            StockEvents events;
            if (!nlohmann::json::sax_parse(line, &events) || events.shape.empty() ||
                events.material.empty())
                continue;
            stock.emplace_back(NameKey(events.shape), NameKey(events.material));
        } catch (const std::exception&) {
            continue;
        }
    }
    return stock;
}

} // namespace velkor::library
