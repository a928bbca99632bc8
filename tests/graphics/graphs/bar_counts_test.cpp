// Element and modality counts: the signs of each bar, the weights, and the
// Ascendant and Midheaven by the signs of cusps 1 and 10.
#include <gtest/gtest.h>

#include "graphics/graphs/bar_counts.h"
#include "tests/graphics/wheel_fixture.h"

namespace vyn::testing {
namespace {

TEST(BarCountsPlain, SignsOfTheBars) {
  using K = TBarGraphKind;
  struct TCase {
    K kind;
    int bar;
    std::vector<int> signs;
  };
  for (const TCase& c : {TCase{K::bkElement, 1, {2, 6, 10}}, TCase{K::bkElement, 2, {0, 4, 8}},
                         TCase{K::bkElement, 3, {3, 7, 11}}, TCase{K::bkElement, 4, {1, 5, 9}},
                         TCase{K::bkModality, 1, {0, 3, 6, 9}},
                         TCase{K::bkModality, 2, {1, 4, 7, 10}},
                         TCase{K::bkModality, 3, {2, 5, 8, 11}}}) {
    std::vector<int> signs;
    for (int s = 0; s < 12; ++s)
      if (SignInBar(c.kind, c.bar, s)) signs.push_back(s);
    EXPECT_EQ(signs, c.signs) << c.bar;
  }
  EXPECT_FALSE(SignInBar(K::bkModality, 4, 3));
  EXPECT_EQ(MidheavenBarWeight(K::bkElement), 5);
  EXPECT_EQ(MidheavenBarWeight(K::bkModality), 4);
  EXPECT_EQ(BodyBarWeight(10), 2);  // North Node
  EXPECT_EQ(BodyBarWeight(11), 2);  // South Node
}

class BarCountsTest : public SkyChartsTest {
 protected:
  static int SignOf(extended pos) { return static_cast<int>(pos / 30); }
};

// Sun and Moon in fire, everything else in Taurus: fire has 20 points plus
// the Ascendant's 10 and the Midheaven's 5 when their cusps stand in fire.
TEST_F(BarCountsTest, FireCountsSunMoonAndTheAnglesInFire) {
  test::TSky sky{};
  for (int slot = 1; slot <= 11; ++slot) sky[slot] = test::Minutes(40);
  sky[1] = test::Minutes(5);    // Aries
  sky[2] = test::Minutes(125);  // Leo
  sky[11] = test::Minutes(40);  // North Node in Taurus, South Node in Scorpio
  Calculate(sky, sky);
  TBarCounts elements(TBarGraphKind::bkElement), modalities(TBarGraphKind::bkModality);
  elements.Recompute(&chart1_, &chart2_);
  modalities.Recompute(&chart1_, &chart2_);
  auto isFire = [](int sign) { return sign % 4 == 0; };
  const int asc = SignOf(chart1_.CuspPos(1)), mc = SignOf(chart1_.CuspPos(10));
  const double fire = 20 + (isFire(asc) ? 10 : 0) + (isFire(mc) ? 5 : 0);
  EXPECT_EQ(elements.Points(1, 2), fire);
  EXPECT_EQ(elements.Percent(1, 2), fire * 2);
  // Earth: Mercury .. Pluto (6+6+6+4+4+1+1+1) and the North Node (2) in
  // Taurus; the South Node stands in Scorpio (water).
  const double earth = 31 + (asc % 4 == 1 ? 10 : 0) + (mc % 4 == 1 ? 5 : 0);
  EXPECT_EQ(elements.Points(1, 4), earth);
  EXPECT_EQ(elements.Percent(1, 4), std::min(100.0, earth * 2));
  // Fixed: Taurus, Leo (Moon 10), Scorpio (South Node 2); the Midheaven
  // counts 4 here.
  const double fixed = 31 + 10 + 2 + (asc % 3 == 1 ? 10 : 0) + (mc % 3 == 1 ? 4 : 0);
  EXPECT_EQ(modalities.Points(1, 2), fixed);
  EXPECT_EQ(modalities.Percent(1, 2), std::min(100.0, fixed * 2));
}

TEST_F(RealChartsTest, BarCountsNeedBothChartsAndCapAtOneHundred) {
  TBarCounts counts(TBarGraphKind::bkElement);
  counts.Recompute(&ann_, &bob_);
  double total = 0;
  for (int bar = 1; bar <= 4; ++bar) {
    total += counts.Points(1, bar);
    EXPECT_EQ(counts.Percent(1, bar), std::min(100.0, counts.Points(1, bar) * 2));
  }
  // Every body counts once, the angles once each: 53 + 10 + 5.
  EXPECT_EQ(total, 68);
  counts.Recompute(&ann_, nullptr);
  for (int bar = 1; bar <= 4; ++bar) EXPECT_EQ(counts.Points(1, bar), 0);
}

}  // namespace
}  // namespace vyn::testing
