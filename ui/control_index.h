// ControlIndex: the named controls of a window, gathered once, so that finding one by its
// component name costs one hash lookup instead of a search of the widget tree.
#pragma once

#include <QPointer>
#include <QWidget>

#include "page.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace velkor::ui {

class ControlIndex {
public:
    // A named control and the looks the page last gave it (none yet: std::nullopt), so that a
    // handler setting the same looks on every click costs a comparison, not a property search.
    struct Control {
        QPointer<QWidget> widget;
        std::optional<Colour> background, text;
        std::optional<bool> bold;
    };

    // Adds every named widget inside `scope` (not `scope` itself). A name met twice resolves
    // to the control a search from `root` finds first, as findChild does.
    void Add(QWidget* root, QWidget* scope);

    // The entry of the control named `name`, or nullptr when the window has none (or it was
    // deleted).
    Control* Entry(std::string_view name);

    std::size_t Size() const { return controls_.size(); }

private:
    // Looks a std::string key up by std::string_view without making a string. FNV-1a: the
    // names are short, where it is quicker than the library's hash.
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            std::uint64_t hash = 14695981039346656037ull;
            for (const char c : text)
                hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
            return static_cast<std::size_t>(hash);
        }
    };
    std::unordered_map<std::string, Control, Hash, std::equal_to<>> controls_;
};

} // namespace velkor::ui
