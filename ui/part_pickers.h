// The library's pickers on a page's core and material name fields. One call gives a pair of
// line edits the names of the library's cores and materials as the user types, and the rule
// of applying a part (name_picker.h): a part picked, or a changed text naming a part on Enter
// or on leaving the field, writes what `fields` asks for (engine/part_apply.h) through the
// window's fields. The ferrite page writes Ae, the window area, Al and Bsat; a page whose
// fields name only the part gives a PartFields with the two names alone.
#pragma once

#include "page.h"
#include "part_apply.h"

#include <functional>

class QLineEdit;

namespace velkor::library {
class PartsLibrary;
}

namespace velkor::ui {

// What the pickers need from the window: its library, read on first need, and a way to run a
// handler on its fields (TForm1::Run).
struct PickerHost {
    std::function<const library::PartsLibrary*()> library;
    std::function<void(const std::function<void(Page&)>&)> run;
};

// Attaches a NamePicker to each edit: the core field offers the library's shape names and
// aliases and applies with ApplyCore(page, fields); the material field offers the material
// names and applies with ApplyMaterial(page, fields). Either edit may be null. The names in
// `fields` are kept as views: string literals, as in the window's table of picker pairs.
void AttachPartPickers(QLineEdit* core, QLineEdit* material, const PartFields& fields,
                       const PickerHost& host);

} // namespace velkor::ui
