#include "unit_values.h"

#include "checked.h"

#include <cmath>
#include <string>

namespace velkor {

namespace {

// 10^exponent in extended precision: an integer power, its reciprocal for negative exponents.
// Far beyond the extended range the power is infinite (its reciprocal zero).
long double PowerOfTen(long long exponent) {
    const long long count = exponent < 0 ? -exponent : exponent;
    long double power = 1.0L;
    for (long long i = 0; i < count && std::isfinite(power); ++i)
        power *= 10.0L;
    return exponent < 0 ? 1.0L / power : power;
}

// Reads the text and scales it by 10^exponent; on failure shows the box under `name`.
double ParseScaled(Page& page, std::string_view text, long long exponent, std::string_view name) {
    const auto x = ReadNumber(text, page.Locale());
    if (x) {
        try {
            return Store(Ext(*x) * Ext(PowerOfTen(exponent)));
        } catch (const Fault&) {
        }
    }
    ShowFieldError(page, name);
    return ParseFailed;
}

void ShowScaled(Page& page, std::string_view field, std::string_view selector, long double shown,
                int position) {
    page.SetText(field, Format("%3.3f", shown, page.Locale()));
    page.SetItemIndex(selector, position);
}

} // namespace

void ShowFieldError(Page& page, std::string_view fieldName) {
    page.ShowErrorBox("Error", "Campo errato o nullo : " + std::string(fieldName));
}

double ParseFrequency(Page& page, std::string_view text, int position) {
    return ParseScaled(page, text, 3LL * position, "Frequenza");
}

double ParseCapacitance(Page& page, std::string_view text, int position) {
    return ParseScaled(page, text, -3LL * position, "Capacità");
}

double ParseInductance(Page& page, std::string_view text, int position) {
    return ParseScaled(page, text, -3LL * position, "Induttanza");
}

void ShowFrequency(Page& page, double hertz) {
    const long double v = hertz;
    if (v >= 1e9L)
        ShowScaled(page, "IFREQ", "CBUFR", v / 1e9L, 3);
    else if (v >= 1e6L)
        ShowScaled(page, "IFREQ", "CBUFR", v / 1e6L, 2);
    else if (v >= 1000.0L)
        ShowScaled(page, "IFREQ", "CBUFR", v / 1000.0L, 1);
    else
        ShowScaled(page, "IFREQ", "CBUFR", v, 0);
}

void ShowCapacitance(Page& page, double farad) {
    const long double v = farad;
    if (v < 1e-9L)
        ShowScaled(page, "ICAP", "CBUCR", v * 1e12L, 4);
    else if (v < 1e-6L)
        ShowScaled(page, "ICAP", "CBUCR", v * 1e9L, 3);
    else if (v < 1e-3L)
        ShowScaled(page, "ICAP", "CBUCR", v * 1e6L, 2);
    else if (v < 1.0L)
        ShowScaled(page, "ICAP", "CBUCR", v * 1000.0L, 1);
    else
        ShowScaled(page, "ICAP", "CBUCR", v, 0);
}

ScaledInductance ScaleInductance(double henry) {
    const long double v = henry;
    if (v < 1e-6L)
        return {v * 1e9L, 3};
    if (v < 1e-3L)
        return {v * 1e6L, 2};
    if (v < 1.0L)
        return {v * 1000.0L, 1};
    return {v, 0};
}

std::string_view InductanceUnit(int position) {
    constexpr std::string_view kUnits[] = {"H", "mH", "µH", "nH"};
    return position >= 0 && position < 4 ? kUnits[position] : std::string_view();
}

void ShowInductance(Page& page, std::string_view field, std::string_view selector, double henry) {
    const ScaledInductance scaled = ScaleInductance(henry);
    ShowScaled(page, field, selector, scaled.shown, scaled.position);
}

} // namespace velkor
