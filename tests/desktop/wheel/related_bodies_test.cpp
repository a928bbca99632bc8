// Which bodies of the other chart a press on a body or an angle relates:
// the overlay aspects between the two charts, on skies whose aspects the
// test places exactly (every orb is zero, so only exact aspects count).
#include "app/desktop/wheel/related_bodies.h"

#include <gtest/gtest.h>

#include "engine/horoscope.h"
#include "tests/engine/ephemeris_fixture.h"

namespace vyn::desktop {
namespace {

using test::Minutes;

constexpr int kSun1 = 431;  // the first chart's Sun, in arc minutes

class RelatedBodiesTest : public test::ChartOnSkies {
 protected:
  void SetUp() override {
    // The second chart: some bodies in exact aspect to the first chart's
    // Sun, the others at distances that are no aspect.
    test::TSky second = {0,
                         kSun1 + 300,               // Sun: 5 degrees
                         kSun1 + Minutes(90),       // Moon: square
                         kSun1 + Minutes(15),       // Mercury: 15 degrees, no aspect
                         kSun1 + Minutes(120),      // Venus: trine
                         kSun1,                     // Mars: conjunction
                         kSun1 + Minutes(45),       // Jupiter: semi-square
                         kSun1 + Minutes(66, 40),   // Saturn
                         kSun1 + Minutes(150),      // Uranus: quincunx
                         kSun1 + Minutes(216, 40),  // Neptune
                         kSun1 + Minutes(258, 20),  // Pluto
                         kSun1 + Minutes(283, 20)};  // North Node; South Node at 103 degrees 20
    UseSkies({test::kQuietSky, second});
    PlaceAtSky(one_, 0);
    PlaceAtSky(two_, 1);
    one_.SetLatitude(47.22L);
    two_.SetLatitude(-12.03L);
    for (THoroscope* chart : {&one_, &two_}) SetAllOrbs(*chart, 0);
    one_.SetPartner(&two_);
    two_.SetPartner(&one_);
    one_.SetActive(true);
    two_.SetActive(true);
    ASSERT_TRUE(one_.EphemerisOpen());
  }

  THoroscope one_, two_;
};

TEST_F(RelatedBodiesTest, ABodyRelatesTheBodiesInOverlayAspectWithIt) {
  // Moon, Venus, Mars, Jupiter and Uranus; Mercury's 15 degrees are no
  // aspect, and the others stand apart.
  EXPECT_EQ(RelatedBodies(one_, "SU", two_), (std::vector<int>{2, 4, 5, 6, 8}));
}

// The other way round the same aspects relate the first chart's Sun: for
// Mars from its own chart's cross aspects, for the others as well.
TEST_F(RelatedBodiesTest, ThePartnersChartRelatesTheSameAspectsBack) {
  for (const char* code : {"MO", "VE", "MA", "JU", "UR"}) {
    SCOPED_TRACE(code);
    const std::vector<int> related = RelatedBodies(two_, code, one_);
    EXPECT_NE(std::find(related.begin(), related.end(), 1), related.end());
  }
  const std::vector<int> mercury = RelatedBodies(two_, "ME", one_);
  EXPECT_EQ(std::find(mercury.begin(), mercury.end(), 1), mercury.end());
}

TEST_F(RelatedBodiesTest, AnAngleRelatesThroughItsAxis) {
  EXPECT_EQ(RelatedBodies(one_, "DS", two_), RelatedBodies(one_, "AS", two_));
  EXPECT_EQ(RelatedBodies(one_, "IC", two_), RelatedBodies(one_, "MC", two_));
}

TEST_F(RelatedBodiesTest, ChartsThatAreNotPartnersRelateNothing) {
  THoroscope stranger;
  stranger.Assign(two_);
  EXPECT_TRUE(RelatedBodies(one_, "SU", stranger).empty());
  EXPECT_TRUE(RelatedBodies(one_, "", two_).empty());
}

TEST(WheelCodes, SlotsAxesAndCusps) {
  EXPECT_EQ(BodyCodeOfSlot(1), "SU");
  EXPECT_EQ(BodyCodeOfSlot(12), "SN");
  EXPECT_EQ(BodyCodeOfSlot(13), "");
  EXPECT_EQ(BodyCodeOfSlot(0), "");
  const std::pair<std::string_view, int> axes[] = {{"AS", 1}, {"IC", 4}, {"DS", 7}, {"MC", 10}};
  for (int axis = 1; axis <= 4; ++axis) {
    EXPECT_EQ(AngleCodeOfAxis(axis), axes[axis - 1].first);
    EXPECT_EQ(CuspOfAxis(axis), axes[axis - 1].second);
  }
  EXPECT_EQ(AngleCodeOfAxis(5), "");
  EXPECT_EQ(CuspOfAxis(0), 0);
}

}  // namespace
}  // namespace vyn::desktop
