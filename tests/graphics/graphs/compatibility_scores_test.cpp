// Compatibility scores on charts of exact skies: the trine of Venus and Mars
// against three orb matrices, the sides of the pair, the caps, and the
// bodies that never make a row.
#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/graphs/compatibility_scores.h"
#include "tests/graphics/wheel_fixture.h"

namespace vyn::testing {
namespace {

// Matrices of 8, 6 and 3 degrees (wide to tight) at every row and point.
TOrbDegrees Uniform(int degrees) {
  TOrbDegrees m{};
  for (int row = 1; row <= kAspectKinds; ++row)
    for (int point = 1; point <= kAspectPoints; ++point) m[row][point] = degrees;
  return m;
}

const TScoreEntry* FindEntry(const std::vector<TScoreEntry>& list, const std::string& key) {
  const auto it = std::find_if(list.begin(), list.end(),
                               [&](const TScoreEntry& e) { return e.key == key; });
  return it == list.end() ? nullptr : &*it;
}

class CompatibilityScoresTest : public SkyChartsTest {
 protected:
  // Person 1's Venus at 10° and person 2's Mars `marsMinutes` later; every
  // other body far out of the way (at 200°, apart from each other's
  // aspects it makes no contact with Venus or Mars in these skies).
  void Pair(int marsMinutes) {
    test::TSky first{}, second{};
    for (int slot = 1; slot <= 11; ++slot) first[slot] = second[slot] = test::Minutes(200);
    first[4] = test::Minutes(10);
    second[5] = test::Minutes(10) + marsMinutes;
    SetAllOrbs(chart1_, 8);
    SetAllOrbs(chart2_, 8);
    Calculate(first, second);
    scores_.SetOrbMatrix(1, Uniform(8));
    scores_.SetOrbMatrix(2, Uniform(6));
    scores_.SetOrbMatrix(3, Uniform(3));
    scores_.Recompute(&chart1_, &chart2_);
  }

  TCompatibilityScores scores_;
};

// The trine of person 1's Venus and person 2's Mars: 2°30' is within the
// tightest matrix (weight 6 × 1.0), 4° only within the middle one (× 0.8),
// 7°30' only within the widest (× 0.6).
struct TTrineCase {
  int orbMinutes;
  const char* score;
  double points;
};

class VenusTrineMars : public CompatibilityScoresTest,
                       public ::testing::WithParamInterface<TTrineCase> {};

TEST_P(VenusTrineMars, ScoresByTheTightestMatrixItFits) {
  const TTrineCase& c = GetParam();
  Pair(120 * 60 + c.orbMinutes);
  const TPersonScores& p1 = scores_.Person(1);
  const TScoreEntry* entry = FindEntry(p1.harmonyEntries[4], "VEX+MAZ");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->score, c.score);
  // The row holds the trine besides what the chart's angles add.
  double others = 0;
  for (const TScoreEntry& e : p1.harmonyEntries[4])
    if (e.key != "VEX+MAZ") others += std::stoi(e.score) / 10.0;
  EXPECT_NEAR(p1.harmonyPoints[4], c.points + others, 1e-9);
  EXPECT_NEAR(p1.harmonyPercent[4], std::min(100.0, (c.points + others) * 100 / 30), 1e-9);
  // Person 2's Mars row sees the same trine with Venus (weight 6).
  const TScoreEntry* back = FindEntry(scores_.Person(2).harmonyEntries[5], "MAX+VEZ");
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->score, c.score);
}

INSTANTIATE_TEST_SUITE_P(Orbs, VenusTrineMars,
                         ::testing::Values(TTrineCase{150, "60", 6.0}, TTrineCase{240, "48", 4.8},
                                           TTrineCase{450, "36", 3.6}));

// Person 1 weighs the orb at its own body's point, person 2 at the other
// body's point: both sides of a contact measure at person 1's body. A
// matrix tight only at the Venus point scores the trine on both sides; one
// tight only at the Mars point on neither (still listed, with "0").
TEST_F(CompatibilityScoresTest, BothSidesMeasureAtPersonOnesPoint) {
  Pair(120 * 60 + 150);
  for (int point : {4, 5}) {
    SCOPED_TRACE(point);
    TOrbDegrees tight{};
    tight[9][point] = 3;  // the trine row
    scores_.SetOrbMatrix(1, TOrbDegrees{});
    scores_.SetOrbMatrix(2, TOrbDegrees{});
    scores_.SetOrbMatrix(3, tight);
    scores_.Recompute(&chart1_, &chart2_);
    const char* expected = point == 4 ? "60" : "0";
    const TScoreEntry* first = FindEntry(scores_.Person(1).harmonyEntries[4], "VEX+MAZ");
    const TScoreEntry* second = FindEntry(scores_.Person(2).harmonyEntries[5], "MAX+VEZ");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->score, expected);
    EXPECT_EQ(second->score, expected);
  }
}

TEST(CompatibilityScoresPlain, StrengthLevelsAndOrbForms) {
  TCompatibilityScores s;
  TOrbDegrees m1{}, m2{}, m3{};
  m1[9][4] = 8;
  m2[9][4] = 6;
  m3[9][4] = 3;
  s.SetOrbMatrix(1, m1);
  s.SetOrbMatrix(2, m2);
  s.SetOrbMatrix(3, m3);
  EXPECT_EQ(s.Strength(2.30, 9, 4), 1.0);
  EXPECT_EQ(s.Strength(3.00, 9, 4), 1.0);
  EXPECT_EQ(s.Strength(4.00, 9, 4), 0.8);
  EXPECT_EQ(s.Strength(7.59, 9, 4), 0.6);
  EXPECT_EQ(s.Strength(8.01, 9, 4), 0.0);
  EXPECT_EQ(s.Strength(1.00, 0, 4), 0.0);   // no such row
  EXPECT_EQ(s.Strength(1.00, 9, 15), 0.0);  // no such point
  EXPECT_NEAR(OrbMinutesToDegMin(150), 2.30, 1e-12);
  EXPECT_NEAR(OrbMinutesToDegMin(240), 4.00, 1e-12);
  EXPECT_NEAR(OrbMinutesToDegMin(59), 0.59, 1e-12);
}

TEST(CompatibilityScoresPlain, WeightsLeaveTheSouthNodeOut) {
  EXPECT_EQ(CompatibilityWeight("SU"), 10);
  EXPECT_EQ(CompatibilityWeight("ME"), 6);
  EXPECT_EQ(CompatibilityWeight("JU"), 4);
  EXPECT_EQ(CompatibilityWeight("PL"), 1);
  EXPECT_EQ(CompatibilityWeight("NN"), 2);
  EXPECT_EQ(CompatibilityWeight("SN"), 0);
  EXPECT_EQ(CompatibilityWeight("AS"), 10);
  EXPECT_EQ(CompatibilityWeight("MC"), 5);
  EXPECT_EQ(CompatibilityWeight("DS"), 0);
}

// Without both charts everything is 0 and empty, also after a pair had
// been scored.
TEST_F(RealChartsTest, CompatibilityScoresNeedBothCharts) {
  TCompatibilityScores scores;
  scores.SetOrbMatrix(1, Uniform(8));
  scores.Recompute(&ann_, &bob_);
  ASSERT_GT(scores.OverallHarmony() + scores.OverallTension(), 0);
  scores.Recompute(&ann_, nullptr);
  EXPECT_EQ(scores.OverallHarmony(), 0);
  EXPECT_EQ(scores.OverallTension(), 0);
  for (int s = 1; s <= kScoreCount; ++s) {
    EXPECT_TRUE(scores.Person(1).harmonyEntries[s].empty());
    EXPECT_EQ(scores.Person(2).tensionPoints[s], 0);
  }
}

// On a real pair: percentages follow the points and stop at 100, the
// overall bars sum both people over 270 points, and no row lists the South
// Node or counts a body with itself.
TEST_F(RealChartsTest, CompatibilityPercentagesFollowThePoints) {
  TCompatibilityScores scores;
  scores.SetOrbMatrix(1, Uniform(8));
  scores.SetOrbMatrix(2, Uniform(5));
  scores.SetOrbMatrix(3, Uniform(2));
  scores.Recompute(&ann_, &bob_);
  double harmony = 0, tension = 0;
  for (int person = 1; person <= 2; ++person)
    for (int s = 1; s <= kScoreCount; ++s) {
      const TPersonScores& p = scores.Person(person);
      EXPECT_NEAR(p.harmonyPercent[s], std::min(100.0, p.harmonyPoints[s] * 100 / 30), 1e-9);
      EXPECT_NEAR(p.tensionPercent[s], std::min(100.0, p.tensionPoints[s] * 100 / 30), 1e-9);
      harmony += p.harmonyPoints[s];
      tension += p.tensionPoints[s];
      double listed = 0;
      for (const auto* list : {&p.harmonyEntries[s], &p.tensionEntries[s]})
        for (const TScoreEntry& e : *list) {
          EXPECT_EQ(e.key.find("SNZ"), std::string::npos) << e.key;
          EXPECT_NE(e.key.substr(0, 2), e.key.substr(4, 2)) << e.key;
          EXPECT_EQ(e.key.substr(0, 2), kScoreBodyCodes[s]);
          listed += std::stoi(e.score);
        }
      EXPECT_NEAR(listed, (p.harmonyPoints[s] + p.tensionPoints[s]) * 10, 1e-6);
    }
  EXPECT_NEAR(scores.OverallHarmony(), std::min(100.0, harmony * 100 / 270), 1e-9);
  EXPECT_NEAR(scores.OverallTension(), std::min(100.0, tension * 100 / 270), 1e-9);
}

}  // namespace
}  // namespace vyn::testing
