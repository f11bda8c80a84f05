// Reading the MAS records: a dimension's value, the text of a field, a line of an NDJSON file.
// Shared by the shape, bobbin, wire and stock readers; nlohmann's JSON type stays inside the
// library's sources.
#pragma once

#include <nlohmann/json.hpp>

#include <istream>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace velkor::library::mas {

// What reading a dimension gave.
enum class DimensionStatus { Ok, Missing, NotNumber, MinAboveMax };

// A dimension record {nominal} / {minimum, maximum} / either of the two, in metres, as mm: the
// nominal where given, else the mean of minimum and maximum, else whichever is given. A
// maximum of exactly 0 reads as 0 (no centre hole), whatever its minimum.
DimensionStatus DimensionMm(const nlohmann::json& record, double& mm);

// Every dimension of a `dimensions` object, by letter, in mm. The first unreadable one decides
// the status (a non-number, or a minimum above its maximum); a non-object gives Missing.
DimensionStatus DimensionsMm(const nlohmann::json& dimensions, std::map<std::string, double>& mm);

// The text of `key` in an object, when it is a string.
std::optional<std::string> Text(const nlohmann::json& object, std::string_view key);

// A whole number given as a number or as a text ("3"); nothing otherwise.
std::optional<int> WholeNumber(const nlohmann::json& object, std::string_view key);

// The member `key` of an object, or null when there is none (or it is not an object).
const nlohmann::json* Member(const nlohmann::json& object, std::string_view key);

// One line of an NDJSON file parsed without exceptions: discarded when it is not JSON.
nlohmann::json ParseLine(std::string_view line);

// The next line of `in` that holds anything but blanks; false at the end.
bool NextLine(std::istream& in, std::string& line);

} // namespace velkor::library::mas
