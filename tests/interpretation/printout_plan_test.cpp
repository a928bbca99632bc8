// The plan of the printed interpretation: sections in order, each body's own
// codes side by side, double and mutual texts across the page, and the
// parts left out when they are not ticked.
#include "interpretation/printout_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "interpretation/interp_record.h"
#include "tests/interpretation/chart_pair_fixture.h"

namespace vyn {
namespace {

// A record for every code but those listed as missing.
class TAllBut : public TInterpTexts {
 public:
  std::set<std::string> missing;
  std::optional<TInterpRecord> LookUp(std::string_view code) override {
    if (missing.count(std::string(code))) return std::nullopt;
    return TInterpRecord{std::string(code), "", "", ""};
  }
};

std::vector<int> Headings(const std::vector<TPrintSection>& plan) {
  std::vector<int> headings;
  for (const auto& section : plan) headings.push_back(section.HeadingToken);
  return headings;
}

std::vector<TPrintCode> FullCodes(const TPrintSection& section) {
  std::vector<TPrintCode> codes;
  for (const auto& block : section.Blocks)
    codes.insert(codes.end(), block.Full.begin(), block.Full.end());
  return codes;
}

bool Contains(const std::vector<TPrintCode>& codes, const std::string& code, int person = 1) {
  return std::find(codes.begin(), codes.end(), TPrintCode{code, person}) != codes.end();
}

class PrintoutPlanTest : public testing::ChartPairTest {
 protected:
  TAllBut texts_;
};

TEST_F(PrintoutPlanTest, SectionsFollowTheTickedParts) {
  EXPECT_EQ(Headings(PrintoutPlan(ann_, texts_)),
            (std::vector<int>{0, 973, 986, 1231, 1232, 0}));
  TPrintParts parts;
  parts.SoulMate = parts.OtherIssues = false;
  EXPECT_EQ(Headings(PrintoutPlan(ann_, texts_, parts)), (std::vector<int>{0, 973, 1231, 0}));
  EXPECT_EQ(FullCodes(PrintoutPlan(ann_, texts_).front()), (std::vector<TPrintCode>{{"Q01", 1}}));
}

TEST_F(PrintoutPlanTest, OwnCodesStandSideBySideAndTheDoubleTextAcross) {
  const TPrintSection background = PrintoutPlan(ann_, texts_)[1];
  ASSERT_GE(background.Blocks.size(), 5u);
  const std::string annSun = "SU" + ann_.GetSignCode("SU"), bobSun = "SU" + bob_.GetSignCode("SU");
  EXPECT_EQ(background.Blocks[1].Left, (std::vector<std::string>{annSun, annSun + "/F"}));
  EXPECT_EQ(background.Blocks[1].Right, (std::vector<std::string>{bobSun, bobSun + "/M"}));
  EXPECT_EQ(background.Blocks[2].Left, (std::vector<std::string>{"SU" + ann_.GetHouseCode("SU")}));
  EXPECT_EQ(background.Blocks[3].Right,
            (std::vector<std::string>{"SUX" + bob_.GetOverlayHouseCode("SU") + "Z"}));
  EXPECT_TRUE(Contains(FullCodes(background), annSun + "/" + bobSun, 1));

  // Stored only the other way round, the double text is read from Bob's side.
  texts_.missing.insert(annSun + "/" + bobSun);
  const TPrintSection reversed = PrintoutPlan(ann_, texts_)[1];
  EXPECT_TRUE(Contains(FullCodes(reversed), bobSun + "/" + annSun, 2));
}

TEST_F(PrintoutPlanTest, ContactsOnlyWithRelationshipAnalysis) {
  const auto withContacts = FullCodes(PrintoutPlan(ann_, texts_)[1]);
  EXPECT_TRUE(Contains(withContacts, "Q11"));
  EXPECT_TRUE(Contains(withContacts, "Q24"));
  TPrintParts parts;
  parts.RelationshipAnalysis = false;
  const auto without = FullCodes(PrintoutPlan(ann_, texts_, parts)[1]);
  EXPECT_FALSE(Contains(without, "Q11"));
  EXPECT_FALSE(Contains(without, "Q13"));
  EXPECT_TRUE(Contains(without, "Q05"));
}

TEST_F(PrintoutPlanTest, SingleChartHasNoPartnerColumnNorContacts) {
  ann_.SetPartner(nullptr);
  const auto plan = PrintoutPlan(ann_, texts_);
  EXPECT_EQ(FullCodes(plan.front()), (std::vector<TPrintCode>{{"Q02", 1}}));
  EXPECT_EQ(plan[2].HeadingToken, 974);
  for (const auto& section : plan)
    for (const auto& block : section.Blocks) {
      EXPECT_TRUE(block.Right.empty());
      for (const auto& code : block.Full) EXPECT_EQ(code.Code.find('X'), std::string::npos) << code.Code;
    }
}

}  // namespace
}  // namespace vyn
