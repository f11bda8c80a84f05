#include "mains_secondaries.h"

#include "checked.h"
#include "unit_values.h"

namespace velkor {

namespace {

constexpr std::string_view kEntry = "SGTAINSEC";
constexpr std::array<std::string_view, 3> kBobbinFields = {"TACA", "TACC", "TACX"};

// Rewrites the power column of every secondary and their total in TAPTOT.
void RefreshPower(Page& page, const SecondaryTable& secondaries) {
    const NumberLocale& locale = page.Locale();
    Ext sum = 0; // VA; extended precision holds any product of two doubles
    for (int row = 1; row <= 6; ++row) {
        const auto volts = ReadNumber(secondaries.At(0, row), locale);
        const auto amps = ReadNumber(secondaries.At(1, row), locale);
        if (volts && amps) {
            const Ext power = Ext(*volts) * Ext(*amps); // VA
            page.SetCell(kEntry, 2, row, Format("%3.1f", power.value(), locale));
            sum += power;
        } else {
            page.SetCell(kEntry, 2, row, "?");
        }
    }
    page.SetText("TAPTOT", Format("%4.1f", sum.value(), locale));
}

} // namespace

void SGTAINSECSetEditText(Page& page, SecondaryTable& secondaries, int column, int row,
                          std::string_view text) {
    // Only the voltage and current of the six secondaries are kept; the power column and
    // the header row are never stored.
    if (column < 0 || column > 1 || row < 1 || row > 6)
        return;
    secondaries.At(column, row) = std::string(text);
    RefreshPower(page, secondaries);
}

void SBTACPTOTClick(Page& page) {
    const auto section = ReadNumber(page.Text("TASEZL"), page.Locale()); // mm²
    if (!section) {
        ShowFieldError(page, "Sezione lorda AN");
        return;
    }
    // Rough rating of a core from its gross section: P = AN² / 14000.
    const Ext power = Ext(*section) * Ext(*section) / 14000.0L; // VA
    page.SetText("TAPTOT", Format("%4.1f", power.value(), page.Locale()));
}

void RBTASINGClick(Page& page) {
    const bool single = page.Checked("RBTASING");
    page.SetVisible("TAIMG1", single);
    page.SetVisible("TAIMG2", !single);
}

void CBAUTOCARTClick(Page& page) {
    const bool automatic = page.Checked("CBAUTOCART");
    for (std::string_view name : kBobbinFields) {
        page.SetReadOnly(name, automatic);
        page.SetBackground(name, automatic ? kResultTint : kSystemWindow);
    }
}

void SBCLEARCARTClick(Page& page) {
    for (std::string_view name : kBobbinFields)
        page.SetText(name, "");
}

} // namespace velkor
