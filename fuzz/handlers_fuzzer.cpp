// libFuzzer target for the calculation handlers: each runs over the in-memory page with
// fuzzer-chosen texts in its fields. Nothing may crash, hang or throw but the engine's own
// faults (which the window turns into its error box).
//
// An input is a small text, so that the seeds stay readable:
//   line 1      the handlers to press, in order, separated by blanks ("SBCFRClick SBPASSAIRClick")
//   line 2      "," for the decimal-comma setting, anything else for the decimal point
//   NAME=text   the text of a field
//   !NAME=1     a check box or radio button (1 checked, anything else not)
//   #NAME=n     the position of a drop-down list (-1 to 3; others leave it unselected)
//   @c,r=text   a cell of the secondaries grid, column c and row r, as the grid's editor sends
//               it (SGTAINSECSetEditText), and so kept for the mains calculation
#include "closed_core.h"
#include "fake_page.h"
#include "faults.h"
#include "ferrite.h"
#include "gapped_inductor.h"
#include "mains_design.h"
#include "mains_secondaries.h"
#include "resonance.h"
#include "single_layer.h"
#include "transfers.h"
#include "wire_current.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace {

using velkor::Page;
using velkor::SecondaryTable;
using velkor::testing::FakePage;

struct Edit {
    int column = 0;
    int row = 0;
    std::string text;
};

struct Session {
    FakePage page;
    SecondaryTable secondaries;
    std::vector<Edit> edits;
};

using Handler = void (*)(Session&);

template <void (*click)(Page&)> void Press(Session& s) {
    click(s.page);
}

void EditSecondaries(Session& s) {
    for (const auto& e : s.edits)
        velkor::SGTAINSECSetEditText(s.page, s.secondaries, e.column, e.row, e.text);
}

void CalculateMains(Session& s) {
    velkor::SBTACALCClick(s.page, s.secondaries);
}

struct Named {
    std::string_view name;
    Handler handler;
};

constexpr Named kHandlers[] = {
    {"SBCFRClick", Press<velkor::SBCFRClick>},
    {"SBCCRClick", Press<velkor::SBCCRClick>},
    {"SBCIRClick", Press<velkor::SBCIRClick>},
    {"SBCXCClick", Press<velkor::SBCXCClick>},
    {"SBCXLClick", Press<velkor::SBCXLClick>},
    {"SBCCXCClick", Press<velkor::SBCCXCClick>},
    {"SBCIXLClick", Press<velkor::SBCIXLClick>},
    {"SBCFXCClick", Press<velkor::SBCFXCClick>},
    {"SBCFXLClick", Press<velkor::SBCFXLClick>},
    {"SBDFClick", Press<velkor::SBDFClick>},
    {"SBCNClick", Press<velkor::SBCNClick>},
    {"SBDCClick", Press<velkor::SBDCClick>},
    {"SBCNSSSClick", Press<velkor::SBCNSSSClick>},
    {"SBCISSClick", Press<velkor::SBCISSClick>},
    {"SBCDSSClick", Press<velkor::SBCDSSClick>},
    {"SBCLSSClick", Press<velkor::SBCLSSClick>},
    {"SBCMESSClick", Press<velkor::SBCMESSClick>},
    {"SBCNSNUCClick", Press<velkor::SBCNSNUCClick>},
    {"SBCALNUCClick", Press<velkor::SBCALNUCClick>},
    {"SBCINUCClick", Press<velkor::SBCINUCClick>},
    {"SBALTRONUCClick", Press<velkor::SBALTRONUCClick>},
    {"SBCALCGAPClick", Press<velkor::SBCALCGAPClick>},
    {"RBC2NUCClick", Press<velkor::RBC2NUCClick>},
    {"SBPASSAIRClick", Press<velkor::SBPASSAIRClick>},
    {"SBPASSAISSClick", Press<velkor::SBPASSAISSClick>},
    {"SBPASSAINUCClick", Press<velkor::SBPASSAINUCClick>},
    {"SBCALCClick", Press<velkor::SBCALCClick>},
    {"SGTAINSECSetEditText", EditSecondaries},
    {"SBTACALCClick", CalculateMains},
    {"SBTACPTOTClick", Press<velkor::SBTACPTOTClick>},
    {"RBTASINGClick", Press<velkor::RBTASINGClick>},
    {"CBAUTOCARTClick", Press<velkor::CBAUTOCARTClick>},
    {"SBCLEARCARTClick", Press<velkor::SBCLEARCARTClick>},
};
constexpr std::size_t kHandlerCount = sizeof kHandlers / sizeof kHandlers[0];

// A name not in the table still presses a handler, chosen by its bytes, so that no input
// is wasted.
Handler Find(std::string_view name) {
    std::size_t sum = 0;
    for (const auto& h : kHandlers)
        if (h.name == name)
            return h.handler;
    for (unsigned char c : name)
        sum += c;
    return kHandlers[sum % kHandlerCount].handler;
}

int Number(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::vector<std::string_view> Lines(std::string_view input) {
    std::vector<std::string_view> lines;
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        lines.push_back(input.substr(0, end));
        if (end == std::string_view::npos)
            break;
        input.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ')
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

void Fill(Session& s, std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || equals == 0)
        return;
    const std::string_view key = line.substr(1, equals - 1);
    const std::string_view text = line.substr(equals + 1);
    switch (line[0]) {
    case '!':
        s.page.checks[std::string(key)] = text == "1";
        break;
    case '#':
        // The window's lists hold at most four units: other positions leave no selection.
        s.page.itemCounts[std::string(key)] = 4;
        s.page.SetItemIndex(key, Number(text));
        break;
    case '@': {
        const std::size_t comma = key.find(',');
        Edit e{Number(key.substr(0, comma)),
               comma == std::string_view::npos ? 0 : Number(key.substr(comma + 1)),
               std::string(text)};
        // The grid keeps only the texts of its voltage and current cells.
        if (e.column >= 0 && e.column <= 1 && e.row >= 1 && e.row <= 6)
            s.secondaries.At(e.column, e.row) = e.text;
        s.edits.push_back(std::move(e));
        break;
    }
    default:
        s.page.texts[std::string(line.substr(0, equals))] = std::string(text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = Lines(std::string_view(reinterpret_cast<const char*>(data), size));
    if (lines.empty())
        return 0;
    const bool comma = lines.size() > 1 && lines[1] == ",";
    Session s{FakePage(comma ? velkor::CommaLocale() : velkor::PointLocale()), {}, {}};
    for (std::size_t i = 2; i < lines.size(); ++i)
        Fill(s, lines[i]);
    auto words = Words(lines[0]);
    if (words.empty())
        words.push_back(lines[0]);
    // A few presses at most: a long input should not become a long run.
    if (words.size() > 8)
        words.resize(8);
    for (const auto word : words) {
        try {
            Find(word)(s);
        } catch (const velkor::Fault&) {
            // The window's error box; the next press goes on from the page as left.
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%.*s let escape: %s\n", static_cast<int>(word.size()),
                         word.data(), e.what());
            std::abort();
        } catch (...) {
            std::fprintf(stderr, "%.*s let escape an unknown exception\n",
                         static_cast<int>(word.size()), word.data());
            std::abort();
        }
    }
    return 0;
}
