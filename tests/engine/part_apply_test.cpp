// Applying a library part by name over an in-memory page: what a core and a material write,
// in both regional settings, what a name that is no part, a page without a library and a page
// whose pickers only name the part write (nothing else).
#include "fake_page.h"
#include "part_apply.h"
#include "parts_library.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velkor {
namespace {

const library::PartsLibrary& Shipped() {
    static const library::PartsLibrary parts =
        library::PartsLibrary::Load(VELKOR_SOURCE_DIR "/resources/library");
    return parts;
}

// A page with the ferrite page's defaults and, unless told otherwise, the shipped library.
class PartsPage : public testing::FakePage {
public:
    explicit PartsPage(NumberLocale locale, const library::PartsLibrary* parts = &Shipped())
        : FakePage(std::move(locale)), parts_(parts) {
        texts = {{"Edit1", "EC52"}, {"Edit2", "3C8"}, {"AE", "52"},
                 {"AC", "30"},      {"AL", "2800"},   {"BSAT", "4100"}};
    }
    const library::PartsLibrary* Library() const override { return parts_; }

private:
    const library::PartsLibrary* parts_;
};

struct Typed {
    const char* field;
    const char* text;
};

struct Step {
    bool core; // else the material
    Typed typed;
    bool applies;
    std::vector<Typed> after; // under a decimal comma
};

struct Case {
    const char* name;
    std::vector<Step> steps;
};

const Case kCases[] = {
    {"core then material: the worked E 25/13/7 in N87",
     {{true,
       {"Edit1", "e25/13/7"},
       true,
       {{"Edit1", "E 25/13/7"}, {"AE", "51,8"}, {"AC", "95,3"}, {"AL", "2800"}, {"BSAT", "4100"}}},
      {false,
       {"Edit2", " n87"},
       true,
       {{"Edit2", "N87"}, {"BSAT", "3898"}, {"AL", "1860"}, {"AE", "51,8"}}}}},
    {"material then core by its alias: ETD 29 in 3C90",
     {{false, {"Edit2", "3c90"}, true, {{"Edit2", "3C90"}, {"BSAT", "3800"}}},
      {true,
       {"Edit1", "etd 29"},
       true,
       {{"Edit1", "ETD 29/16/10"}, {"AE", "76,5"}, {"AC", "145,2"}, {"AL", "2385"}}}}},
    {"names of no part write nothing",
     {{true,
       {"Edit1", "XYZ 99"},
       false,
       {{"Edit1", "XYZ 99"}, {"AE", "52"}, {"AC", "30"}, {"AL", "2800"}}},
      {false, {"Edit2", ""}, false, {{"Edit2", ""}, {"BSAT", "4100"}}}}},
};

class PartApply : public ::testing::TestWithParam<bool> {}; // true: decimal comma

std::string Localised(std::string text, bool comma) {
    if (!comma)
        for (char& c : text)
            if (c == ',')
                c = '.';
    return text;
}

TEST_P(PartApply, WritesWhatEachPartGives) {
    const bool comma = GetParam();
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        PartsPage page(comma ? CommaLocale() : PointLocale());
        for (const Step& step : c.steps) {
            page.texts[step.typed.field] = step.typed.text;
            const bool applied =
                step.core ? ApplyCore(page, kFerriteParts) : ApplyMaterial(page, kFerriteParts);
            EXPECT_EQ(applied, step.applies) << step.typed.text;
            for (const Typed& field : step.after)
                EXPECT_EQ(page.Text(field.field), Localised(field.text, comma)) << field.field;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, PartApply, ::testing::Values(true, false));

TEST(PartApplyFailures, NoPartNoLibraryNoFieldsWriteNothing) {
    const library::PartsLibrary empty; // a missing library folder
    PartsPage unread(CommaLocale(), nullptr);
    PartsPage bare(CommaLocale(), &empty);
    for (PartsPage* page : {&unread, &bare}) {
        page->texts["Edit1"] = "E 25/13/7";
        page->texts["Edit2"] = "N87";
        EXPECT_FALSE(ApplyCore(*page, kFerriteParts));
        EXPECT_FALSE(ApplyMaterial(*page, kFerriteParts));
        EXPECT_TRUE(page->writes.empty());
    }
    PartsPage page(CommaLocale());
    page.texts["Edit1"] = "XYZ 99";
    page.texts["Edit2"] = "unobtainium";
    EXPECT_FALSE(ApplyCore(page, kFerriteParts));
    EXPECT_FALSE(ApplyMaterial(page, kFerriteParts));
    EXPECT_TRUE(page.writes.empty());
}

TEST(PartApplyFailures, NamesOnlyPageWritesTheCanonicalNamesAlone) {
    constexpr PartFields kNamesOnly{"COREGAP", "MATGAP"};
    PartsPage page(CommaLocale());
    page.texts["COREGAP"] = "etd29";
    page.texts["MATGAP"] = "n87";
    EXPECT_TRUE(ApplyCore(page, kNamesOnly));
    EXPECT_TRUE(ApplyMaterial(page, kNamesOnly));
    EXPECT_EQ(page.writes, (std::vector<std::string>{"COREGAP", "MATGAP"}));
    EXPECT_EQ(page.Text("COREGAP"), "ETD 29/16/10");
    EXPECT_EQ(page.Text("MATGAP"), "N87");
}

} // namespace
} // namespace velkor
