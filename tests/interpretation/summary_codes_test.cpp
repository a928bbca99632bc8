// The codes of the printed summary: level bands at their edges, bars and
// rows in their order, and each row's double text and contacts.
#include "interpretation/summary_codes.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/planets.h"
#include "interpretation/interp_record.h"
#include "tests/interpretation/chart_pair_fixture.h"

namespace vyn {
namespace {

TEST(SummaryBands, ChangeAtTheirEdges) {
  struct TCase {
    int value;
    char element, modality, percent;
    const char* band;
  };
  const TCase cases[] = {{0, 'E', 'E', 'E', "01"},   {7, 'E', 'E', 'E', "01"},
                         {8, 'D', 'E', 'E', "01"},   {10, 'D', 'D', 'E', "01"},
                         {25, 'B', 'C', 'E', "01"},  {26, 'B', 'C', 'D', "01"},
                         {32, 'A', 'B', 'D', "01"},  {34, 'A', 'B', 'D', "01"},
                         {35, 'A', 'B', 'D', "23"},  {40, 'A', 'A', 'D', "23"},
                         {41, 'A', 'A', 'C', "23"},  {51, 'A', 'A', 'B', "23"},
                         {66, 'A', 'A', 'A', "23"},  {68, 'A', 'A', 'A', "45"},
                         {100, 'A', 'A', 'A', "45"}};
  for (const TCase& c : cases) {
    EXPECT_EQ(ElementLevel(c.value), c.element) << c.value;
    EXPECT_EQ(ModalityLevel(c.value), c.modality) << c.value;
    EXPECT_EQ(PercentLevel(c.value), c.percent) << c.value;
    EXPECT_EQ(PercentBand(c.value), c.band) << c.value;
  }
}

class TSomeTexts : public TInterpTexts {
 public:
  std::set<std::string> codes;
  std::optional<TInterpRecord> LookUp(std::string_view code) override {
    if (!codes.count(std::string(code))) return std::nullopt;
    return TInterpRecord{std::string(code), "", "", ""};
  }
};

class SummaryCodesTest : public testing::ChartPairTest {};

TEST_F(SummaryCodesTest, EntriesFollowTheBarsRowsAndOverall) {
  TSummaryScores scores;
  scores.ElementPoints = {{{32.4, 7.5, 8.5, 0}, {0, 31.5, 16, 24}}};
  scores.ModalityPoints = {{{40, 19.6, 9}, {10, 20, 30}}};
  scores.HarmonyPercent[0][3] = 70;  // Venus row: mean harmony 60, mean tension 30
  scores.HarmonyPercent[1][3] = 50;
  scores.TensionPercent[0][3] = 30;
  scores.TensionPercent[1][3] = 30;
  scores.OverallHarmony = 65.5;  // rounds to 66 ("A"); halves go to even
  scores.OverallTension = 25.5;  // rounds to 26 ("D")
  TSomeTexts texts;
  const auto entries = SummaryCodes(ann_, bob_, scores, texts, "UK");
  ASSERT_EQ(entries.size(), 15u);
  const std::pair<const char*, const char*> bars[] = {
      {"XAA", "XAAZE"}, {"XFD", "XFDZA"}, {"XWD", "XWDZC"}, {"XEE", "XEEZB"},
      {"XCA", "XCAZD"}, {"XSC", "XSCZC"}, {"XME", "XMEZB"}};
  for (std::size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(entries[i].First, bars[i].first);
    EXPECT_EQ(entries[i].Second, bars[i].second);
  }
  EXPECT_EQ(entries[7].First, "4XC");  // (60 + 30) / 2 = 45
  EXPECT_EQ(entries[7].Second, "2301");
  EXPECT_EQ(entries[14].First, "8PA");
  EXPECT_EQ(entries[14].Second, "8ND");
}

TEST_F(SummaryCodesTest, RowsTakeTheirDoubleTextAndContacts) {
  TSomeTexts texts;
  const std::string annVenus = "VE" + ann_.GetSignCode("VE"), bobVenus = "VE" + bob_.GetSignCode("VE");
  texts.codes.insert(bobVenus + "/" + annVenus);  // stored the other way round
  std::vector<std::string> expected;
  for (std::string_view body : kBodyCodes) {
    const std::string t(body);
    if (t == "VE" || t == "DS" || t == "IC") continue;
    std::string s = ann_.GetOverlayPolarity("VE", t);
    if (s == "U") s = bob_.GetOverlayPolarity(t, "VE");
    if (s == "U") continue;
    // One contact stored with the row body first, the others reversed.
    const std::string code = expected.empty() ? "VEX" + s + t + "Z/G" : t + "X" + s + "VEZ/G";
    texts.codes.insert(code);
    expected.push_back(code);
  }
  ASSERT_FALSE(expected.empty()) << "Ann's Venus touches none of Bob's bodies";
  const auto venus = SummaryCodes(ann_, bob_, {}, texts, "UK")[7];
  EXPECT_EQ(venus.Double, (std::vector<TPrintCode>{{bobVenus + "/" + annVenus, 2}}));
  EXPECT_EQ(venus.Contacts, expected);
  EXPECT_TRUE(SummaryCodes(ann_, bob_, {}, texts, "SW")[7].Contacts.empty());
}

}  // namespace
}  // namespace vyn
