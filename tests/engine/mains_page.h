// The mains transformer page with its defaults, for engine tests.
#pragma once

#include "fake_page.h"
#include "mains_design.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velkor::testing {

// A comma-setting text with the page's own decimal separator.
inline std::string Local(std::string_view text, const NumberLocale& locale) {
    std::string out;
    for (char c : text) {
        if (c == ',')
            out += locale.decimal;
        else
            out += c;
    }
    return out;
}

// The page as the window shows it at start.
inline FakePage MainsPage(const NumberLocale& locale) {
    FakePage page(locale);
    page.texts = {{"TAVP", "230"},
                  {"TAFREQ", "50"},
                  {"TADENS", "4"},
                  {"CBTAINDUZ", Local("1,1", locale)},
                  {"PEFE", Local("1,96", locale)},
                  {"TARESA", ""}};
    page.checks = {{"CBAUTOCART", true}, {"RBTASING", true}};
    page.looks["TACA"] = {kResultTint, kSystemWindowText, false, true, true};
    page.looks["TACC"] = page.looks["TACA"];
    page.looks["TACX"] = page.looks["TACA"];
    page.looks["RAPIMPAC"].background = kResultTint;
    page.writes.clear();
    return page;
}

// A secondaries table from comma-setting texts of rows 1 to 6 (voltage, current).
inline SecondaryTable
Secondaries(const std::vector<std::pair<std::string_view, std::string_view>>& rows,
            const NumberLocale& locale) {
    SecondaryTable table;
    int row = 1;
    for (const auto& [volts, amps] : rows) {
        table.At(0, row) = Local(volts, locale);
        table.At(1, row) = Local(amps, locale);
        ++row;
    }
    return table;
}

inline std::string OutCell(const FakePage& page, int column, int row) {
    return page.Cell("SGTAOUTSEC", column, row);
}

} // namespace velkor::testing
