// An in-memory page for engine tests: named texts, list positions, checks, looks, grids and
// a record of every error box shown.
#pragma once

#include "page.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace velkor::testing {

struct FieldLookState {
    Colour background = kSystemWindow;
    Colour text = kSystemWindowText;
    bool bold = false;
    bool readOnly = false;
    bool visible = true;
};

class FakePage : public Page {
public:
    explicit FakePage(NumberLocale locale = CommaLocale()) : locale_(std::move(locale)) {}

    const NumberLocale& Locale() const override { return locale_; }

    std::string Text(std::string_view name) const override {
        auto it = texts.find(std::string(name));
        return it == texts.end() ? std::string() : it->second;
    }
    void SetText(std::string_view name, std::string_view text) override {
        texts[std::string(name)] = std::string(text);
        writes.emplace_back(name);
    }

    int ItemIndex(std::string_view name) const override {
        auto it = indices.find(std::string(name));
        return it == indices.end() ? -1 : it->second;
    }
    void SetItemIndex(std::string_view name, int index) override {
        auto count = itemCounts.find(std::string(name));
        const bool fits = count == itemCounts.end() || (index >= 0 && index < count->second);
        indices[std::string(name)] = fits ? index : -1;
    }

    bool Checked(std::string_view name) const override {
        auto it = checks.find(std::string(name));
        return it != checks.end() && it->second;
    }

    void SetBackground(std::string_view name, Colour colour) override {
        looks[std::string(name)].background = colour;
    }
    void SetTextColour(std::string_view name, Colour colour) override {
        looks[std::string(name)].text = colour;
    }
    void SetBold(std::string_view name, bool bold) override {
        looks[std::string(name)].bold = bold;
    }
    void SetReadOnly(std::string_view name, bool readOnly) override {
        looks[std::string(name)].readOnly = readOnly;
    }
    void SetVisible(std::string_view name, bool visible) override {
        looks[std::string(name)].visible = visible;
    }

    std::string Cell(std::string_view grid, int column, int row) const override {
        auto it = cells.find(Key(grid, column, row));
        return it == cells.end() ? std::string() : it->second;
    }
    void SetCell(std::string_view grid, int column, int row, std::string_view text) override {
        cells[Key(grid, column, row)] = std::string(text);
    }

    void ShowErrorBox(std::string_view title, std::string_view text) override {
        errors.emplace_back(std::string(title), std::string(text));
    }

    const library::PartsLibrary* Library() const override { return parts; }

    // The texts of the error boxes shown so far, in order.
    std::vector<std::string> ErrorTexts() const {
        std::vector<std::string> out;
        for (const auto& e : errors)
            out.push_back(e.second);
        return out;
    }
    FieldLookState LookOf(std::string_view name) const {
        auto it = looks.find(std::string(name));
        return it == looks.end() ? FieldLookState{} : it->second;
    }

    std::map<std::string, std::string> texts;
    std::map<std::string, int> indices;
    std::map<std::string, int> itemCounts; // list sizes, for positions a list lacks
    std::map<std::string, bool> checks;
    std::map<std::string, FieldLookState> looks;
    std::map<std::string, std::string> cells;
    std::vector<std::pair<std::string, std::string>> errors; // title, text
    std::vector<std::string> writes;                         // names, in write order
    const library::PartsLibrary* parts = nullptr;            // the page's library, if any

private:
    static std::string Key(std::string_view grid, int column, int row) {
        return std::string(grid) + "[" + std::to_string(column) + "," + std::to_string(row) + "]";
    }
    NumberLocale locale_;
};

} // namespace velkor::testing
