// Where body glyphs go: levels for close bodies on a single wheel, and the
// spreading along the glyph circles of a double wheel, on charts whose bodies
// stand at exact longitudes.
#include <gtest/gtest.h>

#include <cmath>

#include "graphics/wheel/glyph_placement.h"
#include "graphics/wheel/wheel.h"
#include "tests/graphics/wheel_fixture.h"

namespace vyn::testing {
namespace {

// Slots 1..4 are placed by the tests; the other bodies stand at least 20°
// from each other and from those (the South Node opposite the North Node at
// 310°, so at 130°).
test::TSky Sky(int sun, int moon, int mercury, int venus) {
  return SkyOfDegrees({{1, sun}, {2, moon}, {3, mercury}, {4, venus}, {5, 50}, {6, 160},
                       {7, 200}, {8, 250}, {9, 285}, {10, 335}, {11, 310}});
}

class GlyphLevelTest : public SkyChartsTest {
 protected:
  // Levels of the Sun, Moon, Mercury and Venus on a single wheel.
  std::array<int, 4> Levels(int sun, int moon, int mercury, int venus) {
    Calculate(Sky(sun, moon, mercury, venus));
    wheel_.SetHoroscope(&chart1_);
    wheel_.Layout({0, 0, 800, 800});
    const TWheelGeometry& g = wheel_.Geometry();
    return {g.outer.levels[1], g.outer.levels[2], g.outer.levels[3], g.outer.levels[4]};
  }
  TWheel wheel_;
};

TEST_F(GlyphLevelTest, CloseBodiesStepInwardsAndTheFourthStartsAgain) {
  EXPECT_EQ(Levels(10, 15, 21, 25), (std::array<int, 4>{1, 2, 3, 1}));
  // The glyph radii of the levels, the pointers at the body's own angle.
  const TWheelGeometry& g = wheel_.Geometry();
  const std::array<double, 4> radius = {0.71, 0.6125, 0.515, 0.71};
  for (int slot = 1; slot <= 4; ++slot) {
    const TWheelPoint glyph = g.outer.glyphs[slot];
    EXPECT_NEAR(std::hypot(glyph.x - g.centre.x, glyph.y - g.centre.y), radius[slot - 1] * g.R,
                1.5)
        << slot;
    const TWheelPoint from = g.outer.pointers[slot].from, to = g.outer.pointers[slot].to;
    EXPECT_NEAR(std::hypot(from.x - g.centre.x, from.y - g.centre.y), 0.79 * g.R, 1.5);
    EXPECT_NEAR(std::hypot(to.x - g.centre.x, to.y - g.centre.y), 0.775 * g.R, 1.5);
  }
}

TEST_F(GlyphLevelTest, ExactlyEightDegreesIsClose) {
  EXPECT_EQ(Levels(10, 18, 70, 78), (std::array<int, 4>{1, 2, 1, 2}));
}

TEST_F(GlyphLevelTest, MoreThanEightDegreesIsNot) {
  EXPECT_EQ(Levels(10, 19, 70, 79), (std::array<int, 4>{1, 1, 1, 1}));
}

// Only the body before in longitude is compared: the first body of the
// order is not compared with the last one across 0°.
TEST_F(GlyphLevelTest, NoComparisonFromTheLastBodyToTheFirst) {
  EXPECT_EQ(Levels(2, 355, 21, 25), (std::array<int, 4>{1, 1, 1, 2}));
}

// Spreading, in degrees of longitude (the frame angles turned back).
class GlyphSpreadTest : public SkyChartsTest {
 protected:
  TGlyphPlaces Spread(int sun, int moon, bool inner) {
    Calculate(Sky(sun, moon, 180, 220));
    angles_ = WheelAnglesOf(chart1_);
    return SpreadGlyphs(angles_, inner);
  }
  double Degrees(extended frameAngle) const { return LongitudeOf(angles_, frameAngle); }

  TWheelAngles angles_;
};

TEST_F(GlyphSpreadTest, TwoBodiesOneDegreeApartMoveApart) {
  const TGlyphPlaces places = Spread(100, 101, false);
  // The first moves back by a third of 8°, its pointer ending half way.
  EXPECT_NEAR(Degrees(places[1].angle), 100 - 8.0 / 3, 1e-6);
  EXPECT_NEAR(Degrees(places[1].pointerToAngle), 100 - 4.0 / 3, 1e-6);
  // The second lies 3.67° after that glyph: pushed 8° beyond it, its
  // pointer from 101° at 0.62 to 101.33° at 0.67.
  EXPECT_NEAR(Degrees(places[2].angle), 100 - 8.0 / 3 + 8, 1e-6);
  EXPECT_NEAR(Degrees(places[2].pointerFromAngle), 101, 1e-6);
  EXPECT_NEAR(Degrees(places[2].pointerToAngle), 101 + 1.0 / 3, 1e-6);
  EXPECT_DOUBLE_EQ(places[2].pointerFromRadius, 0.62);
  EXPECT_DOUBLE_EQ(places[2].pointerToRadius, 0.67);
  EXPECT_DOUBLE_EQ(places[2].radius, 0.7181666);
}

TEST_F(GlyphSpreadTest, TwoDegreesApartTheSecondStays) {
  const TGlyphPlaces places = Spread(100, 102, false);
  EXPECT_NEAR(Degrees(places[1].angle), 100 - 8.0 / 3, 1e-6);
  EXPECT_NEAR(Degrees(places[2].angle), 102, 1e-6);
  EXPECT_NEAR(Degrees(places[2].pointerToAngle), 102, 1e-6);
}

TEST_F(GlyphSpreadTest, ANeighbourFiveDegreesAheadMovesABodyBack) {
  const TGlyphPlaces places = Spread(100, 105, false);
  EXPECT_NEAR(Degrees(places[1].angle), 100 - 8.0 / 3, 1e-6);
  EXPECT_NEAR(Degrees(places[2].angle), 105, 1e-6);
}

TEST_F(GlyphSpreadTest, LoneBodiesStayAtTheirLongitude) {
  const TGlyphPlaces places = Spread(100, 115, false);
  for (int slot = 1; slot <= 12; ++slot) {
    EXPECT_NEAR(Degrees(places[slot].angle), Degrees(angles_.A[slot]), 1e-6) << slot;
    EXPECT_EQ(places[slot].level, 1);
  }
}

// The inner chart pushes by 1.15 times 8° and shortens the pointer of a
// pushed glyph by the push (in radians) over 15.
TEST_F(GlyphSpreadTest, TheInnerChartPushesFurtherAndShortensThePointer) {
  const TGlyphPlaces places = Spread(100, 101, true);
  const double angle = 100 - 8.0 / 3 + 1.15 * 8;
  EXPECT_NEAR(Degrees(places[2].angle), angle, 1e-6);
  EXPECT_NEAR(Degrees(places[2].pointerToAngle), angle, 1e-6);
  EXPECT_NEAR(places[2].pointerToRadius, 0.53 - (angle - 101) * kPi / 180 / 15, 1e-9);
  EXPECT_DOUBLE_EQ(places[2].radius, 0.48);
  EXPECT_DOUBLE_EQ(places[1].pointerFromRadius, 0.58);
  EXPECT_DOUBLE_EQ(places[1].pointerToRadius, 0.53);
}

// On the wheel, the glyph centre is the spread angle turned by the chart's
// rotation on the glyph circle.
TEST_F(GlyphSpreadTest, TheDoubleWheelPlacesSpreadGlyphs) {
  Calculate(Sky(100, 101, 180, 220), Sky(10, 11, 180, 220));
  TWheel outer, inner;
  outer.SetHoroscope(&chart1_);
  inner.SetHoroscope(&chart2_);
  outer.SetRelationWheel(&inner);
  outer.SetAriesLeft(true);
  outer.SetDualMode(true);
  outer.Layout({0, 0, 800, 800});
  const TWheelGeometry& g = outer.Geometry();
  const TGlyphPlaces outerPlaces = SpreadGlyphs(outer.Angles(), false);
  const TGlyphPlaces innerPlaces = SpreadGlyphs(inner.Angles(), true);
  for (int slot = 1; slot <= 12; ++slot) {
    EXPECT_EQ(g.outer.glyphs[slot], g.At(0.7181666, outerPlaces[slot].angle + g.rot)) << slot;
    EXPECT_EQ(g.inner.glyphs[slot], g.At(0.48, innerPlaces[slot].angle + g.rot2)) << slot;
  }
}

}  // namespace
}  // namespace vyn::testing
