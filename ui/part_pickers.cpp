#include "part_pickers.h"

#include "name_picker.h"
#include "parts_library.h"

#include <QLineEdit>

#include <string>
#include <vector>

namespace velkor::ui {

namespace {

QStringList ToQStrings(const std::vector<std::string>& names) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(names.size()));
    for (const std::string& name : names)
        list << QString::fromStdString(name);
    return list;
}

} // namespace

void AttachPartPickers(QLineEdit* core, QLineEdit* material, const PartFields& fields,
                       const PickerHost& host) {
    if (core) {
        new NamePicker(
            core,
            [library = host.library] {
                const library::PartsLibrary* parts = library ? library() : nullptr;
                return parts ? ToQStrings(parts->ShapeNames()) : QStringList();
            },
            [run = host.run, fields] {
                if (run)
                    run([&fields](Page& page) { ApplyCore(page, fields); });
            });
    }
    if (material) {
        new NamePicker(
            material,
            [library = host.library] {
                const library::PartsLibrary* parts = library ? library() : nullptr;
                return parts ? ToQStrings(parts->MaterialNames()) : QStringList();
            },
            [run = host.run, fields] {
                if (run)
                    run([&fields](Page& page) { ApplyMaterial(page, fields); });
            });
    }
}

} // namespace velkor::ui
