#include "rtf_reader.h"

#include "rtf_keywords.h"
#include "rtf_text.h"

#include <QColor>
#include <QHash>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velkor {

namespace {

using rtf::Keyword;

// Control-word parameters are clamped to this magnitude while their digits are read.
constexpr std::int64_t kParamLimit = 1'000'000'000;
constexpr int kWordLength = 32;       // letters of a control word that are kept
constexpr int kDefaultFontSize = 24;  // half-points (12 pt)
constexpr int kMinFontSize = 4;       // half-points (2 pt)
constexpr int kMaxFontSize = 1000;    // half-points (500 pt)
constexpr int kMaxTwips = 31'680;     // 22 inches, the widest page a writer offers
constexpr double kTwipsPerPixel = 15; // 1440 twips per inch over 96 pixels per inch
constexpr int kMaxUnicodeSkip = 64;   // fallback characters after \uN

enum class Destination : std::uint8_t { Text, FontTable, ColourTable, Skip };
enum class Align : std::uint8_t { Left, Centre, Right, Justify };

// What one run of text looks like; runs with equal formats are inserted together.
struct RunFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::int8_t vertical = 0;         // +1 superscript, -1 subscript
    int font_size = kDefaultFontSize; // half-points
    int font = -1;                    // font table number, -1 for the document default
    int colour = 0;                   // colour table index, 0 for the automatic colour
    friend bool operator==(const RunFormat&, const RunFormat&) = default;
};

struct ParagraphFormat {
    Align align = Align::Left;
    int left = 0;   // twips
    int first = 0;  // twips, the first line's extra indent (negative hangs)
    int right = 0;  // twips
    int before = 0; // twips
    int after = 0;  // twips
};

// The state a group saves on entry and restores on exit.
struct GroupState {
    Destination destination = Destination::Text;
    bool hidden = false;
    int unicode_skip = 1; // fallback characters that follow \uN
    RunFormat run;
    ParagraphFormat paragraph;
};

struct FontEntry {
    QString name;
    QFont::StyleHint hint = QFont::AnyStyle;
};

int Clamp(std::int64_t value, int low, int high) {
    return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// One pass over the bytes, with an explicit stack of group states: no recursion, so the
// nesting depth costs no machine stack, and groups beyond the limit are only counted.
class Parser {
public:
    Parser(QByteArrayView data, QTextDocument& document, const RtfLimits& limits)
        : p_(data.data()), end_(data.data() + data.size()), limits_(limits), cursor_(&document) {
        stack_.reserve(64);
        stack_.emplace_back();
    }

    void Run() {
        while (p_ < end_ && !full_) {
            const char c = *p_++;
            switch (c) {
            case '{':
                OpenGroup();
                break;
            case '}':
                CloseGroup();
                break;
            case '\\':
                ControlSequence();
                break;
            case '\r':
            case '\n':
                break;
            default:
                Byte(static_cast<unsigned char>(c));
            }
        }
        Flush();
        // A last paragraph without \par keeps the properties in force at its last character.
        cursor_.setBlockFormat(BlockFormat(block_empty_ ? Top().paragraph : last_paragraph_));
    }

private:
    GroupState& Top() { return stack_.back(); }

    void OpenGroup() {
        fallback_ = 0;
        if (static_cast<int>(stack_.size()) >= limits_.max_depth)
            ++overflow_;
        else
            stack_.push_back(Top());
    }

    void CloseGroup() {
        fallback_ = 0;
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        if (stack_.size() <= 1)
            return; // an unmatched closing brace
        if (Top().destination == Destination::FontTable)
            CommitFont();
        stack_.pop_back();
    }

    // --- Control words and symbols -------------------------------------------------------

    void ControlSequence() {
        if (p_ == end_)
            return;
        if (!IsLetter(*p_)) {
            ControlSymbol(*p_++);
            return;
        }
        char word[kWordLength];
        int length = 0;
        while (p_ < end_ && IsLetter(*p_)) {
            if (length < kWordLength)
                word[length] = *p_;
            if (length <= kWordLength)
                ++length; // stops one past the limit, which marks the word too long
            ++p_;
        }
        bool has_param = false;
        bool negative = false;
        std::int64_t param = 0;
        if (p_ + 1 < end_ && *p_ == '-' && IsDigit(p_[1])) {
            negative = true;
            ++p_;
        }
        while (p_ < end_ && IsDigit(*p_)) {
            has_param = true;
            param = std::min(param * 10 + (*p_ - '0'), kParamLimit);
            ++p_;
        }
        if (negative)
            param = -param;
        if (p_ < end_ && *p_ == ' ')
            ++p_; // the delimiting blank belongs to the control word
        if (length > kWordLength)
            return; // no known word is that long
        ControlWord(std::string_view(word, length), has_param, param);
    }

    void ControlSymbol(char c) {
        switch (c) {
        case '\'': {
            const int high = p_ < end_ ? HexValue(*p_) : -1;
            if (high < 0)
                return;
            ++p_;
            int value = high;
            if (p_ < end_ && HexValue(*p_) >= 0)
                value = value * 16 + HexValue(*p_++);
            Char(rtf::FromWindows1252(static_cast<unsigned char>(value)));
            return;
        }
        case '\\':
        case '{':
        case '}':
            Char(QChar(char16_t(c)));
            return;
        case '~':
            Char(QChar(u'\u00A0'));
            return;
        case '_':
            Char(QChar(u'\u2011'));
            return;
        case '-':
            Char(QChar(u'\u00AD'));
            return;
        case '*':
            Top().destination = Destination::Skip;
            return;
        case '\r':
        case '\n':
            if (Top().destination == Destination::Text)
                Paragraph();
            return;
        default:
            return; // \:, \| and unknown symbols carry nothing to show
        }
    }

    void ControlWord(std::string_view word, bool has_param, std::int64_t param) {
        const Keyword keyword = rtf::KeywordOf(word);
        if (keyword == Keyword::Binary) {
            // The data bytes follow at once; they are never shown.
            const std::int64_t count = std::max<std::int64_t>(param, 0);
            p_ += std::min<std::int64_t>(count, end_ - p_);
            return;
        }
        GroupState& top = Top();
        if (top.destination == Destination::Skip)
            return;
        if (fallback_ > 0) {
            --fallback_; // a control word in a \uN fallback counts as one character
            return;
        }
        const bool on = !has_param || param != 0; // toggles: \b on, \b0 off
        switch (keyword) {
        case Keyword::SkipDestination:
            top.destination = Destination::Skip;
            return;
        case Keyword::FontTable:
            top.destination = Destination::FontTable;
            return;
        case Keyword::ColourTable:
            top.destination = Destination::ColourTable;
            return;
        case Keyword::DefaultFont:
            default_font_ = Clamp(param, 0, kParamLimit);
            char_formats_.clear();
            return;
        default:
            break;
        }
        if (top.destination == Destination::FontTable) {
            FontTableWord(keyword, param);
            return;
        }
        if (top.destination == Destination::ColourTable) {
            ColourTableWord(keyword, param);
            return;
        }
        RunFormat& run = top.run;
        ParagraphFormat& para = top.paragraph;
        switch (keyword) {
        case Keyword::Par:
            Paragraph();
            return;
        case Keyword::Line:
            Char(QChar(QChar::LineSeparator));
            return;
        case Keyword::Tab:
            Char(QChar(u'\t'));
            return;
        case Keyword::Symbol:
            Char(QChar(rtf::SymbolOf(word)));
            return;
        case Keyword::Plain:
            run = RunFormat{};
            top.hidden = false;
            return;
        case Keyword::Bold:
            run.bold = on;
            return;
        case Keyword::Italic:
            run.italic = on;
            return;
        case Keyword::Underline:
            run.underline = on;
            return;
        case Keyword::UnderlineNone:
            run.underline = false;
            return;
        case Keyword::Hidden:
            top.hidden = on;
            return;
        case Keyword::Super:
            run.vertical = 1;
            return;
        case Keyword::Sub:
            run.vertical = -1;
            return;
        case Keyword::NoSuperSub:
            run.vertical = 0;
            return;
        case Keyword::FontSize:
            run.font_size = has_param && param > 0 ? Clamp(param, kMinFontSize, kMaxFontSize)
                                                   : kDefaultFontSize;
            return;
        case Keyword::Font:
            run.font = Clamp(param, 0, kParamLimit);
            return;
        case Keyword::Colour:
            run.colour = Clamp(param, 0, kParamLimit);
            return;
        case Keyword::Pard:
            para = ParagraphFormat{};
            return;
        case Keyword::AlignLeft:
            para.align = Align::Left;
            return;
        case Keyword::AlignCentre:
            para.align = Align::Centre;
            return;
        case Keyword::AlignRight:
            para.align = Align::Right;
            return;
        case Keyword::AlignJustify:
            para.align = Align::Justify;
            return;
        case Keyword::LeftIndent:
            para.left = Clamp(param, -kMaxTwips, kMaxTwips);
            return;
        case Keyword::FirstIndent:
            para.first = Clamp(param, -kMaxTwips, kMaxTwips);
            return;
        case Keyword::RightIndent:
            para.right = Clamp(param, -kMaxTwips, kMaxTwips);
            return;
        case Keyword::SpaceBefore:
            para.before = Clamp(param, 0, kMaxTwips);
            return;
        case Keyword::SpaceAfter:
            para.after = Clamp(param, 0, kMaxTwips);
            return;
        case Keyword::UnicodeSkip:
            top.unicode_skip = Clamp(param, 0, kMaxUnicodeSkip);
            return;
        case Keyword::Unicode: {
            // \uN is a signed 16-bit code unit; its fallback characters follow.
            std::int64_t unit = param < 0 ? param + 65536 : param;
            Char(unit >= 0 && unit <= 0xFFFF ? QChar(char16_t(unit))
                                             : QChar(QChar::ReplacementCharacter));
            fallback_ = top.unicode_skip;
            return;
        }
        default:
            return; // unknown or out of place: skipped
        }
    }

    void FontTableWord(Keyword keyword, std::int64_t param) {
        switch (keyword) {
        case Keyword::Font:
            CommitFont();
            font_number_ = Clamp(param, 0, kParamLimit);
            return;
        case Keyword::FamilyRoman:
            font_hint_ = QFont::Serif;
            return;
        case Keyword::FamilySwiss:
            font_hint_ = QFont::SansSerif;
            return;
        case Keyword::FamilyModern:
            font_hint_ = QFont::Monospace;
            return;
        case Keyword::FamilyScript:
            font_hint_ = QFont::Cursive;
            return;
        case Keyword::FamilyDecor:
            font_hint_ = QFont::Decorative;
            return;
        default:
            return;
        }
    }

    void ColourTableWord(Keyword keyword, std::int64_t param) {
        const int value = Clamp(param, 0, 255);
        switch (keyword) {
        case Keyword::Red:
            red_ = value;
            break;
        case Keyword::Green:
            green_ = value;
            break;
        case Keyword::Blue:
            blue_ = value;
            break;
        default:
            return;
        }
        colour_given_ = true;
    }

    // --- Characters ----------------------------------------------------------------------

    void Byte(unsigned char b) {
        const Destination destination = Top().destination;
        if (destination == Destination::Skip)
            return;
        if (fallback_ > 0) {
            --fallback_;
            return;
        }
        if (b == ';' && destination == Destination::FontTable) {
            CommitFont();
            return;
        }
        if (b == ';' && destination == Destination::ColourTable) {
            CommitColour();
            return;
        }
        Char(rtf::FromWindows1252(b));
    }

    // One character of text (from a byte, an escape or a symbol word).
    void Char(QChar c) {
        GroupState& top = Top();
        if (fallback_ > 0) {
            --fallback_;
            return;
        }
        const char16_t u = c.unicode();
        if (u == QChar::ParagraphSeparator) {
            c = QChar(QChar::LineSeparator);
        } else if (rtf::IsForbidden(u)) {
            return;
        }
        switch (top.destination) {
        case Destination::Text:
            if (!top.hidden)
                Append(c, top);
            return;
        case Destination::FontTable:
            if (font_name_.size() < limits_.max_font_name)
                font_name_.append(c);
            return;
        default:
            return;
        }
    }

    // --- Tables --------------------------------------------------------------------------

    void CommitFont() {
        const QString name = font_name_.trimmed();
        if (font_number_ >= 0 && !name.isEmpty() &&
            (fonts_.size() < limits_.max_table_entries || fonts_.contains(font_number_)))
            fonts_.insert(font_number_, FontEntry{name, font_hint_});
        char_formats_.clear();
        font_name_.clear();
        font_hint_ = QFont::AnyStyle;
    }

    void CommitColour() {
        char_formats_.clear();
        if (static_cast<int>(colours_.size()) < limits_.max_table_entries) {
            if (colour_given_)
                colours_.emplace_back(QColor(red_, green_, blue_));
            else
                colours_.emplace_back(std::nullopt); // the automatic colour
        }
        red_ = green_ = blue_ = 0;
        colour_given_ = false;
    }

    // --- Output --------------------------------------------------------------------------

    void Append(QChar c, const GroupState& state) {
        const RunFormat& run = state.run;
        if (pending_.empty()) {
            pending_format_ = run;
        } else if (!(run == pending_format_)) {
            Flush();
            pending_format_ = run;
        }
        pending_.push_back(c.unicode());
        block_empty_ = false;
        last_paragraph_ = state.paragraph;
        if (++chars_ >= limits_.max_chars)
            full_ = true;
    }

    void Flush() {
        if (pending_.empty())
            return;
        QString text = QString::fromUtf16(pending_.data(), static_cast<qsizetype>(pending_.size()));
        pending_.clear(); // keeps its room for the next run
        rtf::MendSurrogates(text);
        cursor_.insertText(text, CharFormat(pending_format_));
        if (++runs_ >= limits_.max_runs)
            full_ = true;
    }

    void Paragraph() {
        Flush();
        const GroupState& top = Top();
        cursor_.setBlockFormat(BlockFormat(top.paragraph));
        if (block_empty_)
            cursor_.setBlockCharFormat(CharFormat(top.run)); // the height of an empty line
        cursor_.insertBlock();
        block_empty_ = true;
        if (++blocks_ >= limits_.max_blocks)
            full_ = true;
    }

    // The character format of a run, kept for the next run of the same format: a manual uses a
    // handful of formats over hundreds of runs.
    QTextCharFormat CharFormat(const RunFormat& run) {
        for (const auto& [known, format] : char_formats_) {
            if (known == run)
                return format;
        }
        QTextCharFormat format = NewCharFormat(run);
        if (char_formats_.size() < kKeptFormats)
            char_formats_.emplace_back(run, format);
        return format;
    }

    QTextCharFormat NewCharFormat(const RunFormat& run) const {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(run.italic);
        format.setFontUnderline(run.underline);
        format.setFontPointSize(run.font_size / 2.0);
        const int font = run.font >= 0 ? run.font : default_font_;
        if (auto it = fonts_.constFind(font); it != fonts_.constEnd()) {
            format.setFontFamilies(QStringList{it->name});
            format.setFontStyleHint(it->hint);
        }
        if (run.colour > 0 && run.colour < static_cast<int>(colours_.size()) &&
            colours_[run.colour].has_value())
            format.setForeground(*colours_[run.colour]);
        if (run.vertical > 0)
            format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        else if (run.vertical < 0)
            format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        return format;
    }

    static QTextBlockFormat BlockFormat(const ParagraphFormat& para) {
        QTextBlockFormat format;
        switch (para.align) {
        case Align::Left:
            format.setAlignment(Qt::AlignLeft);
            break;
        case Align::Centre:
            format.setAlignment(Qt::AlignHCenter);
            break;
        case Align::Right:
            format.setAlignment(Qt::AlignRight);
            break;
        case Align::Justify:
            format.setAlignment(Qt::AlignJustify);
            break;
        }
        format.setLeftMargin(para.left / kTwipsPerPixel);
        format.setTextIndent(para.first / kTwipsPerPixel);
        format.setRightMargin(para.right / kTwipsPerPixel);
        format.setTopMargin(para.before / kTwipsPerPixel);
        format.setBottomMargin(para.after / kTwipsPerPixel);
        if (para.first < 0 && para.left > 0) {
            // A hanging indent: a tab on the first line reaches the indent, as in word
            // processors ("\bullet\tab text" lines the text up under the first line's text).
            // Qt measures tab positions from the start of the first line.
            format.setTabPositions(
                {QTextOption::Tab(-para.first / kTwipsPerPixel, QTextOption::LeftTab)});
        }
        return format;
    }

    const char* p_;
    const char* end_;
    const RtfLimits& limits_;
    QTextCursor cursor_;

    std::vector<GroupState> stack_; // never empty: the first entry is outside every group
    qsizetype overflow_ = 0;        // groups opened beyond the depth limit
    int fallback_ = 0;              // \uN fallback characters still to skip

    QHash<int, FontEntry> fonts_;
    int default_font_ = -1;
    int font_number_ = -1;
    QString font_name_;
    QFont::StyleHint font_hint_ = QFont::AnyStyle;

    std::vector<std::optional<QColor>> colours_;
    static constexpr std::size_t kKeptFormats = 64; // character formats kept for reuse
    std::vector<std::pair<RunFormat, QTextCharFormat>> char_formats_; // for the tables above
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colour_given_ = false;

    std::u16string pending_; // text of the current run, not yet in the document
    RunFormat pending_format_;
    bool block_empty_ = true;
    ParagraphFormat last_paragraph_; // in force at the last character shown
    bool full_ = false;              // a limit was reached: nothing more is shown
    qsizetype chars_ = 0, runs_ = 0, blocks_ = 0;
};

} // namespace

bool ReadRtf(QByteArrayView data, QTextDocument& document, const RtfLimits& limits) {
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false); // no undo history for a document built in one go
    document.clear();
    // One edit block for the whole text: the view lays the document out once at the end
    // instead of after every piece of text.
    QTextCursor whole(&document);
    whole.beginEditBlock();
    const bool rich = data.startsWith(QByteArrayView("{\\rtf"));
    if (rich) {
        Parser(data, document, limits).Run();
    } else {
        QTextCursor(&document).insertText(
            rtf::PlainText(data, limits.max_chars, limits.max_blocks));
    }
    whole.endEditBlock();
    document.setUndoRedoEnabled(undo);
    return rich;
}

} // namespace velkor
