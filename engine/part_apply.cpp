#include "part_apply.h"

#include "numbers.h"
#include "parts_library.h"

#include <cmath>
#include <string>

namespace velkor {

namespace {

constexpr double kGaussPerTesla = 1e4; // G/T
// Beyond this no part's value is real, and its text would no longer be exact to its decimals.
constexpr double kLargest = 1e12; // in the field's unit

// A value as a user types it: rounded to `decimals` decimals (halves away from zero), the
// shortest text of that value, the regional decimal separator ("51,8", "52", "1860").
std::string Typed(double value, int decimals, const NumberLocale& locale) {
    long double scale = 1;
    for (int d = 0; d < decimals; ++d)
        scale *= 10;
    return FormatGeneral(std::round(static_cast<long double>(value) * scale) / scale, locale);
}

// A positive, finite value of a sensible size only: the library's reader never keeps another,
// and a field keeps what it holds rather than show one.
void Write(Page& page, std::string_view field, double value, int decimals) {
    if (!field.empty() && std::isfinite(value) && value > 0 && value < kLargest)
        page.SetText(field, Typed(value, decimals, page.Locale()));
}

// Al of the pair the two name fields give, when both name library parts.
void WriteAl(Page& page, const PartFields& fields, const library::PartsLibrary& parts) {
    if (fields.al.empty())
        return;
    const library::CoreShape* shape = parts.FindShape(page.Text(fields.core));
    const library::Material* material = parts.FindMaterial(page.Text(fields.material));
    if (shape && material)
        Write(page, fields.al, library::AlEstimate(*shape, *material), 0); // nH/turn²
}

} // namespace

bool ApplyCore(Page& page, const PartFields& fields) {
    const library::PartsLibrary* parts = page.Library();
    if (!parts || fields.core.empty())
        return false;
    const library::CoreShape* shape = parts->FindShape(page.Text(fields.core));
    if (!shape)
        return false;
    page.SetText(fields.core, shape->name);
    Write(page, fields.ae, shape->ae, 1);         // mm²
    Write(page, fields.ac, shape->windowArea, 1); // mm²
    WriteAl(page, fields, *parts);
    return true;
}

bool ApplyMaterial(Page& page, const PartFields& fields) {
    const library::PartsLibrary* parts = page.Library();
    if (!parts || fields.material.empty())
        return false;
    const library::Material* material = parts->FindMaterial(page.Text(fields.material));
    if (!material)
        return false;
    page.SetText(fields.material, material->name);
    Write(page, fields.bsat, material->bsat100 * kGaussPerTesla, 0); // G
    WriteAl(page, fields, *parts);
    return true;
}

} // namespace velkor
