#include "wire_current.h"

#include "inductor_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace velkor::testing {
namespace {

struct Case {
    const char* what;
    void (*click)(Page&);
    NumberLocale locale;
    Texts inputs;
    Texts shown;                    // the fields after the click
    std::vector<std::string> boxes; // error box texts, in order
};

const std::string kBox = "Campo errato o nullo : ";

TEST(WireCurrent, ResultsAndRefusals) {
    const std::vector<Case> cases = {
        {"diameter from 1 A at 4 A/mm²",
         SBDFClick,
         PointLocale(),
         {{"EDINOM", "1"}, {"EDDENS", "4"}},
         {{"EDDIAM", "0.56"}},
         {}},
        {"diameter from 2.5 A at 3 A/mm²",
         SBDFClick,
         PointLocale(),
         {{"EDINOM", "2.5"}, {"EDDENS", "3"}},
         {{"EDDIAM", "1.03"}},
         {}},
        {"current of 0.5 mm at 4 A/mm²",
         SBCNClick,
         PointLocale(),
         {{"EDDIAM", "0.5"}, {"EDDENS", "4"}},
         {{"EDINOM", "0.785"}},
         {}},
        {"density of 1 A in 0.5 mm",
         SBDCClick,
         PointLocale(),
         {{"EDDIAM", "0.5"}, {"EDINOM", "1"}},
         {{"EDDENS", "5.1"}},
         {}},
        {"diameter under a comma",
         SBDFClick,
         CommaLocale(),
         {{"EDINOM", "1"}, {"EDDENS", "4"}},
         {{"EDDIAM", "0,56"}},
         {}},
        {"current under a comma",
         SBCNClick,
         CommaLocale(),
         {{"EDDIAM", "0,5"}, {"EDDENS", "4"}},
         {{"EDINOM", "0,785"}},
         {}},
        {"a negative density gives a negative current",
         SBCNClick,
         PointLocale(),
         {{"EDDIAM", "0.5"}, {"EDDENS", "-4"}},
         {{"EDINOM", "-0.785"}},
         {}},
        {"a zero diameter carries nothing",
         SBCNClick,
         PointLocale(),
         {{"EDDIAM", "0"}, {"EDDENS", "4"}},
         {{"EDINOM", "0.000"}},
         {}},
        {"an empty current stops before the density",
         SBDFClick,
         PointLocale(),
         {{"EDINOM", ""}, {"EDDENS", ""}},
         {{"EDDIAM", "9"}},
         {kBox + "Corrente nominale (In)"}},
        {"an empty density",
         SBDFClick,
         PointLocale(),
         {{"EDINOM", "1"}, {"EDDENS", ""}},
         {{"EDDIAM", "9"}},
         {kBox + "Densità di corrente (A/mm^2)"}},
        {"a zero density",
         SBDFClick,
         PointLocale(),
         {{"EDINOM", "1"}, {"EDDENS", "0"}},
         {{"EDDIAM", "9"}},
         {kBox + "Densità di corrente (A/mm^2)"}},
        {"a negative In under the root names the current",
         SBDFClick,
         PointLocale(),
         {{"EDINOM", "-1"}, {"EDDENS", "4"}},
         {{"EDDIAM", "9"}},
         {kBox + "Corrente nominale (In)"}},
        {"a negative J under the root names the density",
         SBDFClick,
         PointLocale(),
         {{"EDINOM", "1"}, {"EDDENS", "-4"}},
         {{"EDDIAM", "9"}},
         {kBox + "Densità di corrente (A/mm^2)"}},
        {"an empty diameter for the current",
         SBCNClick,
         PointLocale(),
         {{"EDDIAM", ""}, {"EDDENS", "4"}},
         {{"EDINOM", "9"}},
         {kBox + "Diametro filo"}},
        {"a point under a comma",
         SBCNClick,
         CommaLocale(),
         {{"EDDIAM", "0,5"}, {"EDDENS", "4.0"}},
         {{"EDINOM", "9"}},
         {kBox + "Densità di corrente (A/mm^2)"}},
        {"an empty diameter for the density",
         SBDCClick,
         PointLocale(),
         {{"EDDIAM", ""}, {"EDINOM", "1"}},
         {{"EDDENS", "9"}},
         {kBox + "Diametro filo"}},
        {"a zero diameter for the density",
         SBDCClick,
         PointLocale(),
         {{"EDDIAM", "0"}, {"EDINOM", "1"}},
         {{"EDDENS", "9"}},
         {kBox + "Diametro filo"}},
        {"an unreadable current for the density",
         SBDCClick,
         PointLocale(),
         {{"EDDIAM", "0.5"}, {"EDINOM", "1 A"}},
         {{"EDDENS", "9"}},
         {kBox + "Corrente nominale (In)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakePage page = InductorPage(c.locale);
        Fill(page, {{"EDINOM", "9"}, {"EDDENS", "9"}, {"EDDIAM", "9"}});
        Fill(page, c.inputs);
        c.click(page);
        EXPECT_EQ(page.ErrorTexts(), c.boxes);
        EXPECT_TRUE(Shows(page, c.shown));
        EXPECT_EQ(page.writes.size(), c.boxes.empty() ? 1u : 0u);
    }
}

} // namespace
} // namespace velkor::testing
