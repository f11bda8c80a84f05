// The catalogue cores that can be bought: which shape comes in which material.
#pragma once

#include <istream>
#include <string>
#include <utility>
#include <vector>

namespace velkor::library {

// Reads `cores_stock.ndjson`: for each record, the NameKey of its shape and of its material
// (`functionalDescription.shape` and `.material`), in file order. Records without both are
// skipped. Never throws.
std::vector<std::pair<std::string, std::string>> ReadStock(std::istream& ndjson);

} // namespace velkor::library
