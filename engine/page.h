// The page interface: how a calculation sees the window.
//
// Every calculation handler reads and writes the window's controls by component name
// ("VPMIN", "CBUFR", "SGTAOUTSEC" ...) through this interface. The window implements it over
// its widgets; tests implement it in memory.
#pragma once

#include "numbers.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velkor {

namespace library {
class PartsLibrary;
}

// A colour: either a fixed RGB value or one of the system's colours.
struct Colour {
    enum class Role : std::uint8_t {
        Rgb,
        Window,              // the system window (field) background
        WindowText,          // the system window-text colour
        InactiveCaptionText, // the result-field tint of the inductor and mains pages
        InfoBackground,      // the tooltip background
        ButtonFace,
    };
    Role role = Role::Rgb;
    std::uint8_t r = 0, g = 0, b = 0;

    static constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return {Role::Rgb, r, g, b};
    }
    static constexpr Colour System(Role role) { return {role, 0, 0, 0}; }
    friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour kRed = Colour::Rgb(255, 0, 0);
inline constexpr Colour kWhite = Colour::Rgb(255, 255, 255);
inline constexpr Colour kFerriteTint = Colour::Rgb(214, 252, 254);
inline constexpr Colour kSystemWindow = Colour::System(Colour::Role::Window);
inline constexpr Colour kSystemWindowText = Colour::System(Colour::Role::WindowText);
inline constexpr Colour kResultTint = Colour::System(Colour::Role::InactiveCaptionText);

// Normal and alarm looks of a checked field.
struct Look {
    Colour background;
    Colour text;
    bool bold = false;
};

class Page {
public:
    virtual ~Page() = default;

    // The regional separators used to read and write numbers.
    virtual const NumberLocale& Locale() const = 0;

    // Text of an edit field, spin field, label or the edit text of a drop-down list.
    virtual std::string Text(std::string_view name) const = 0;
    virtual void SetText(std::string_view name, std::string_view text) = 0;

    // Selected position of a drop-down list; -1 when nothing is selected. Setting a position
    // the list lacks leaves it without a selection.
    virtual int ItemIndex(std::string_view name) const = 0;
    virtual void SetItemIndex(std::string_view name, int index) = 0;

    // State of a check box or radio button.
    virtual bool Checked(std::string_view name) const = 0;

    // Looks of a field.
    virtual void SetBackground(std::string_view name, Colour colour) = 0;
    virtual void SetTextColour(std::string_view name, Colour colour) = 0;
    virtual void SetBold(std::string_view name, bool bold) = 0;
    // The three at once; a view that shows them in one step does so here.
    virtual void SetLook(std::string_view name, const Look& look) {
        SetBackground(name, look.background);
        SetTextColour(name, look.text);
        SetBold(name, look.bold);
    }
    virtual void SetReadOnly(std::string_view name, bool readOnly) = 0;
    virtual void SetVisible(std::string_view name, bool visible) = 0;

    // Cells of a string grid; row 0 is the grid's header row.
    virtual std::string Cell(std::string_view grid, int column, int row) const = 0;
    virtual void SetCell(std::string_view grid, int column, int row, std::string_view text) = 0;

    // A modal error box (error icon, one "OK" button); returns when the user closes it.
    virtual void ShowErrorBox(std::string_view title, std::string_view text) = 0;

    // The parts library the page's core and material names are looked up in, read on first
    // need; null when the page has none.
    virtual const library::PartsLibrary* Library() const { return nullptr; }
};

inline void ApplyLook(Page& page, std::string_view name, const Look& look) {
    page.SetLook(name, look);
}

inline constexpr Look kAlarmLook{kRed, kWhite, true};

} // namespace velkor
