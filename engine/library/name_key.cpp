// The key the pickers compare names by. Apart from the library so that the readers, which
// need it, stand without the library's files.
#include "parts_library.h"

namespace velkor::library {

std::string NameKey(std::string_view name) {
    std::string key;
    key.reserve(name.size());
    // ASCII only, whatever the program's locale: other bytes (UTF-8 letters) stay as they are.
    for (const char c : name) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f')
            continue;
        key.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return key;
}

} // namespace velkor::library
