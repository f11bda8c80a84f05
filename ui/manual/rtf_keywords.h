// The control words the rich-text reader acts on.
#pragma once

#include <cstdint>
#include <string_view>

namespace velkor::rtf {

enum class Keyword : std::uint8_t {
    Unknown,
    SkipDestination, // a destination whose content is never shown (\info, \pict, ...)
    FontTable,
    ColourTable,
    DefaultFont, // \deff
    Binary,      // \bin: the next N bytes are data
    // Text flow.
    Par,
    Line,
    Tab,
    // Character properties.
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Hidden,
    Super,
    Sub,
    NoSuperSub,
    FontSize,
    Font,
    Colour,
    // Paragraph properties.
    Pard,
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignJustify,
    LeftIndent,
    FirstIndent,
    RightIndent,
    SpaceBefore,
    SpaceAfter,
    // Unicode.
    Unicode,
    UnicodeSkip,
    // Colour table entries.
    Red,
    Green,
    Blue,
    // Font table entries: the family of the font.
    FamilyRoman,
    FamilySwiss,
    FamilyModern,
    FamilyScript,
    FamilyDecor,
    // A control word standing for one character; see SymbolOf.
    Symbol,
};

// The keyword of a control word (letters only, without the backslash).
Keyword KeywordOf(std::string_view word);

// The character that a Symbol keyword stands for.
char16_t SymbolOf(std::string_view word);

} // namespace velkor::rtf
