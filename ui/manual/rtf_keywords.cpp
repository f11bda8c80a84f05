#include "rtf_keywords.h"

#include <algorithm>
#include <array>
#include <utility>

namespace velkor::rtf {

namespace {

using Entry = std::pair<std::string_view, Keyword>;

// Sorted by word, for a binary search.
constexpr auto kKeywords = std::to_array<Entry>({
    {"annotation", Keyword::SkipDestination},
    {"atnid", Keyword::SkipDestination},
    {"author", Keyword::SkipDestination},
    {"b", Keyword::Bold},
    {"bin", Keyword::Binary},
    {"bkmkend", Keyword::SkipDestination},
    {"bkmkstart", Keyword::SkipDestination},
    {"blue", Keyword::Blue},
    {"bullet", Keyword::Symbol},
    {"cell", Keyword::Tab},
    {"cf", Keyword::Colour},
    {"colorschememapping", Keyword::SkipDestination},
    {"colortbl", Keyword::ColourTable},
    {"comment", Keyword::SkipDestination},
    {"datastore", Keyword::SkipDestination},
    {"deff", Keyword::DefaultFont},
    {"docvar", Keyword::SkipDestination},
    {"emdash", Keyword::Symbol},
    {"emspace", Keyword::Symbol},
    {"endash", Keyword::Symbol},
    {"enspace", Keyword::Symbol},
    {"f", Keyword::Font},
    {"fdecor", Keyword::FamilyDecor},
    {"fi", Keyword::FirstIndent},
    {"filetbl", Keyword::SkipDestination},
    {"fldinst", Keyword::SkipDestination},
    {"fmodern", Keyword::FamilyModern},
    {"fonttbl", Keyword::FontTable},
    {"footer", Keyword::SkipDestination},
    {"footerf", Keyword::SkipDestination},
    {"footerl", Keyword::SkipDestination},
    {"footerr", Keyword::SkipDestination},
    {"footnote", Keyword::SkipDestination},
    {"froman", Keyword::FamilyRoman},
    {"fs", Keyword::FontSize},
    {"fscript", Keyword::FamilyScript},
    {"fswiss", Keyword::FamilySwiss},
    {"generator", Keyword::SkipDestination},
    {"green", Keyword::Green},
    {"header", Keyword::SkipDestination},
    {"headerf", Keyword::SkipDestination},
    {"headerl", Keyword::SkipDestination},
    {"headerr", Keyword::SkipDestination},
    {"i", Keyword::Italic},
    {"info", Keyword::SkipDestination},
    {"latentstyles", Keyword::SkipDestination},
    {"ldblquote", Keyword::Symbol},
    {"li", Keyword::LeftIndent},
    {"line", Keyword::Line},
    {"listoverridetable", Keyword::SkipDestination},
    {"listtable", Keyword::SkipDestination},
    {"lquote", Keyword::Symbol},
    {"nonshppict", Keyword::SkipDestination},
    {"nosupersub", Keyword::NoSuperSub},
    {"object", Keyword::SkipDestination},
    {"operator", Keyword::SkipDestination},
    {"page", Keyword::Par},
    {"par", Keyword::Par},
    {"pard", Keyword::Pard},
    {"pgdsctbl", Keyword::SkipDestination},
    {"pict", Keyword::SkipDestination},
    {"plain", Keyword::Plain},
    {"private", Keyword::SkipDestination},
    {"qc", Keyword::AlignCentre},
    {"qj", Keyword::AlignJustify},
    {"ql", Keyword::AlignLeft},
    {"qr", Keyword::AlignRight},
    {"rdblquote", Keyword::Symbol},
    {"red", Keyword::Red},
    {"revtbl", Keyword::SkipDestination},
    {"ri", Keyword::RightIndent},
    {"row", Keyword::Par},
    {"rquote", Keyword::Symbol},
    {"rsidtbl", Keyword::SkipDestination},
    {"sa", Keyword::SpaceAfter},
    {"sb", Keyword::SpaceBefore},
    {"sect", Keyword::Par},
    {"stylesheet", Keyword::SkipDestination},
    {"sub", Keyword::Sub},
    {"super", Keyword::Super},
    {"tab", Keyword::Tab},
    {"tc", Keyword::SkipDestination},
    {"template", Keyword::SkipDestination},
    {"themedata", Keyword::SkipDestination},
    {"title", Keyword::SkipDestination},
    {"txe", Keyword::SkipDestination},
    {"u", Keyword::Unicode},
    {"uc", Keyword::UnicodeSkip},
    {"ul", Keyword::Underline},
    {"uld", Keyword::Underline},
    {"uldb", Keyword::Underline},
    {"ulnone", Keyword::UnderlineNone},
    {"ulw", Keyword::Underline},
    {"userprops", Keyword::SkipDestination},
    {"v", Keyword::Hidden},
    {"xe", Keyword::SkipDestination},
    {"xmlnstbl", Keyword::SkipDestination},
});

constexpr bool Sorted() {
    for (std::size_t i = 1; i < kKeywords.size(); ++i)
        if (!(kKeywords[i - 1].first < kKeywords[i].first))
            return false;
    return true;
}
static_assert(Sorted(), "keywords must stay sorted for the binary search");

} // namespace

Keyword KeywordOf(std::string_view word) {
    auto it = std::lower_bound(kKeywords.begin(), kKeywords.end(), word,
                               [](const Entry& e, std::string_view w) { return e.first < w; });
    if (it != kKeywords.end() && it->first == word)
        return it->second;
    return Keyword::Unknown;
}

char16_t SymbolOf(std::string_view word) {
    if (word == "bullet")
        return u'\u2022';
    if (word == "emdash")
        return u'\u2014';
    if (word == "endash")
        return u'\u2013';
    if (word == "lquote")
        return u'\u2018';
    if (word == "rquote")
        return u'\u2019';
    if (word == "ldblquote")
        return u'\u201C';
    if (word == "rdblquote")
        return u'\u201D';
    if (word == "emspace")
        return u'\u2003';
    if (word == "enspace")
        return u'\u2002';
    return u'\uFFFD';
}

} // namespace velkor::rtf
