// Reading the MAS records: a record walked leaf by leaf by the JSON parser's events (no
// document is built: the files are large and each reader needs a few fields of each record),
// a dimension's value, the lines of an NDJSON file. Shared by the shape, bobbin, wire and stock
// readers; nlohmann's JSON types stay inside the library's sources.
#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <istream>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velkor::library::mas {

// The keys from a record's top to a leaf ({"dimensions", "A", "minimum"}); the elements of an
// array add no key (an alias is at {"aliases"}).
using Path = std::span<const std::string>;

// Walks one JSON value and tells its leaves to the functions below.
class RecordWalker : public nlohmann::json_sax<nlohmann::json> {
public:
    // Parses `text` (one record, nothing else after it unless `prefixOnly`); false when it is
    // not JSON, or the walk was stopped. Never throws.
    bool Walk(std::string_view text, bool prefixOnly = false);

protected:
    virtual void Text(Path path, const std::string& text) = 0;
    virtual void Number(Path path, double value) = 0;
    virtual void Other(Path path) { (void)path; }                         // null, true, false
    virtual void Open(Path path, bool array) { (void)path, (void)array; } // a container starts

public: // the parser's events
    bool null() override;
    bool boolean(bool) override;
    bool number_integer(number_integer_t value) override;
    bool number_unsigned(number_unsigned_t value) override;
    bool number_float(number_float_t value, const string_t&) override;
    bool string(string_t& text) override;
    bool binary(binary_t&) override;
    bool start_object(std::size_t) override;
    bool end_object() override;
    bool start_array(std::size_t) override;
    bool end_array() override;
    bool key(string_t& text) override;
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override;

private:
    Path Here() const { return Path(keys_.data(), depth_); }

    std::vector<std::string> keys_; // reused from record to record
    std::vector<bool> objects_;     // open containers: object (a key slot) or array
    std::size_t depth_ = 0;         // keys in use
};

// What reading a dimension gave.
enum class DimensionStatus { Ok, Missing, NotNumber, MinAboveMax };

// A dimension record as given: {nominal} / {minimum, maximum} / either, in metres, or a bare
// number (a nominal); `bad` when a part of it is not a number.
struct RawDimension {
    std::optional<double> nominal, minimum, maximum; // m
    bool bad = false;
};

// Collects the dimensions of a record below `at` ({"dimensions"}, or
// {"functionalDescription", "dimensions"}): call from the walker's Text, Number, Other and
// Open; true when the leaf was one of them.
class DimensionCollector {
public:
    explicit DimensionCollector(std::vector<std::string> at) : at_(std::move(at)) {}
    bool Text(Path path);
    bool Number(Path path, double value);
    bool Other(Path path) { return Text(path); }
    bool Open(Path path, bool array);
    bool Present() const { return present_; }
    const std::map<std::string, RawDimension>& Raw() const { return raw_; }
    void Clear();

private:
    // The letter of a leaf below `at`, with the field of its record ("" for a bare number);
    // null when the leaf is elsewhere.
    RawDimension* Slot(Path path, std::string& field);

    std::vector<std::string> at_;
    std::map<std::string, RawDimension> raw_;
    bool present_ = false;
};

// A dimension in mm: the nominal where given, else the mean of minimum and maximum, else
// whichever is given. A maximum of exactly 0 reads as 0 (no centre hole), whatever its minimum.
DimensionStatus DimensionMm(const RawDimension& raw, double& mm);

// Every dimension, by letter, in mm. The first unreadable one decides the status (a
// non-number, or a minimum above its maximum); an empty record names no value.
DimensionStatus DimensionsMm(const std::map<std::string, RawDimension>& raw,
                             std::map<std::string, double>& mm);

// A whole number written as a number or as a text ("3"); nothing otherwise.
std::optional<int> WholeNumber(double value);
std::optional<int> WholeNumber(const std::string& text);

// True when the path is exactly these keys.
bool At(Path path, std::initializer_list<std::string_view> keys);

// Reads all of a stream, then gives its lines that hold anything but blanks.
class Lines {
public:
    explicit Lines(std::istream& in);
    bool Next(std::string_view& line);

private:
    std::string text_;
    std::size_t at_ = 0;
};

} // namespace velkor::library::mas
