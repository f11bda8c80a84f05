// A fake inductor page: the unit lists with their sizes and start positions, and helpers to
// fill fields from a table row.
#pragma once

#include "fake_page.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace velkor::testing {

inline FakePage InductorPage(NumberLocale locale) {
    FakePage page(std::move(locale));
    page.itemCounts = {{"CBUFR", 4}, {"CBUCR", 5}, {"CBUIR", 5}, {"CBUISS", 4}, {"CBUINUC", 4}};
    page.indices = {{"CBUFR", 1}, {"CBUCR", 3}, {"CBUIR", 2}, {"CBUISS", 2}, {"CBUINUC", 2}};
    page.texts["Label66"] = "ohm";
    page.checks["RBC1NUC"] = true;
    return page;
}

using Texts = std::map<std::string, std::string>;
using Positions = std::map<std::string, int>;
using Click = void (*)(Page&);

// The beginning of the box that names an unreadable field.
inline const std::string kBox = "Campo errato o nullo : ";

// A row of the coil sub-pages' tables: a button pressed on a page filled with `inputs` and
// `positions`, the texts and positions it shows afterwards and the boxes it raised (none when
// left out).
struct CoilCase {
    const char* what;
    Click click;
    NumberLocale locale;
    Texts inputs;
    Positions positions;
    Texts shown;
    Positions selected;
    std::vector<std::string> boxes = {};
};

inline void Fill(FakePage& page, const Texts& texts, const Positions& positions = {}) {
    for (const auto& [name, text] : texts)
        page.texts[name] = text;
    for (const auto& [name, position] : positions)
        page.indices[name] = position;
}

// Every expected text and position is on the page.
inline ::testing::AssertionResult Shows(const FakePage& page, const Texts& texts,
                                        const Positions& positions = {}) {
    for (const auto& [name, text] : texts)
        if (page.Text(name) != text)
            return ::testing::AssertionFailure()
                   << name << " is \"" << page.Text(name) << "\", expected \"" << text << "\"";
    for (const auto& [name, position] : positions)
        if (page.ItemIndex(name) != position)
            return ::testing::AssertionFailure()
                   << name << " is at " << page.ItemIndex(name) << ", expected " << position;
    return ::testing::AssertionSuccess();
}

} // namespace velkor::testing
