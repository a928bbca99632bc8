// The degree dial: the worked example of a 728 × 339 dial at 60°, ticks of
// the three angles, values modulo the angle, display orders with equal
// values, and the spreading at the ends of the band.
#include <gtest/gtest.h>

#include "graphics/graphs/degree_dial.h"
#include "tests/graphics/wheel_fixture.h"

namespace vyn::testing {
namespace {

using TValues = std::array<double, kDialPoints + 1>;

// Sun 10.10, Moon 10.40, every other point from 20 on, well apart.
TValues ExampleValues() {
  TValues v{};
  v[1] = 10.10;
  v[2] = 10.40;
  for (int p = 3; p <= kDialPoints; ++p) v[p] = 20 + 3 * (p - 3);
  return v;
}

TEST(DegreeDial, WorkedExampleAtSixtyDegrees) {
  TDDial dial;
  dial.SetValues(1, ExampleValues());
  dial.Layout({0, 10, 728, 339});
  const TDialGeometry& g = dial.Geometry();
  EXPECT_EQ(g.band, (TWheelRect{52, 119, 676, 241}));
  EXPECT_EQ(g.e, 624);
  EXPECT_EQ(g.unit, 52);
  EXPECT_EQ(g.step, 4);
  ASSERT_EQ(g.upperTicks.size(), 11u);
  for (int i = 0; i < 11; ++i) {
    EXPECT_EQ(g.upperTicks[i].from, (TWheelPoint{104 + 52 * i, 119}));
    EXPECT_EQ(g.upperTicks[i].to, (TWheelPoint{104 + 52 * i, 147}));
    EXPECT_EQ(g.lowerTicks[i].from, (TWheelPoint{104 + 52 * i, 203}));
    EXPECT_EQ(g.lowerTicks[i].to, (TWheelPoint{104 + 52 * i, 231}));
  }
  EXPECT_EQ(g.tickNumberTop, 167);
  EXPECT_EQ(g.tickFontHeight, 30);
  EXPECT_EQ(g.stripeTop, 167);
  EXPECT_EQ(g.stripeBottom, 193);
  EXPECT_EQ(g.glyphRow1, 82);
  EXPECT_EQ(g.glyphRow2, 274);
  EXPECT_EQ(g.glyphFontHeight, 30);
  EXPECT_EQ(g.titleFontHeight, 23);
  const TDialPerson& p = dial.Person(1);
  EXPECT_EQ(p.glyphs[1], (TWheelPoint{143, 82}));
  EXPECT_EQ(p.pointers[1].from, (TWheelPoint{149, 97}));
  EXPECT_EQ(p.pointers[1].to, (TWheelPoint{157, 119}));
  EXPECT_EQ(p.glyphs[2], (TWheelPoint{174, 82}));
  EXPECT_EQ(p.pointers[2].from, (TWheelPoint{168, 97}));
  EXPECT_EQ(p.pointers[2].to, (TWheelPoint{160, 119}));
}

TEST(DegreeDial, TicksEveryFiveDegreesWithoutTheEnds) {
  for (auto [angle, ticks, step] : {std::tuple{30, 5, 2.0}, {60, 11, 4.0}, {90, 17, 6.0}}) {
    TDDial dial;
    dial.SetAngle(angle);
    dial.Layout({0, 10, 728, 339});
    EXPECT_EQ(static_cast<int>(dial.Geometry().upperTicks.size()), ticks) << angle;
    EXPECT_EQ(dial.Geometry().step, step);
  }
}

TEST(DegreeDial, ValuesModuloTheAngleOnTheDegMinNumber) {
  EXPECT_NEAR(DialValue(123.45, 30), 3.45, 1e-9);
  EXPECT_NEAR(DialValue(123.45, 60), 3.45, 1e-9);
  EXPECT_NEAR(DialValue(123.45, 90), 33.45, 1e-9);
  EXPECT_NEAR(DialValue(10.30, 60), 10.30, 1e-9);
}

// Equal values: the lowest-numbered point first, then the others from the
// highest number down.
TEST(DegreeDial, OrderOfEqualValues) {
  TValues v{};
  for (int p = 1; p <= kDialPoints; ++p) v[p] = 40 + p;
  v[3] = v[7] = v[9] = 5;
  v[2] = v[12] = 1;
  const auto order = DialOrder(v);
  const std::array<int, kDialPoints + 1> expected = {0, 2, 12, 3, 9, 7, 1, 4, 5, 6, 8, 10, 11, 13};
  EXPECT_EQ(order, expected);
}

// The first glyph never goes forward, only back by s/3 with a close
// follower; the last point's gap to the first is not measured round the
// band.
TEST(DegreeDial, SpreadingAtTheEndsOfTheBand) {
  TValues v{};
  for (int p = 1; p <= kDialPoints; ++p) v[p] = 4.5 * p;  // 4.5 .. 58.5, all apart
  v[1] = 0.5;
  v[13] = 59.5;
  TDDial dial;
  dial.SetValues(1, v);
  dial.Layout({0, 10, 728, 339});
  const TDialPerson& p = dial.Person(1);
  auto x = [](double d) { return 52 + static_cast<int>(624 * d / 60); };
  // 0.5 and 59.5 lie one degree apart round the band, 59 as numbers.
  EXPECT_EQ(p.glyphs[1].x, x(0.5));
  EXPECT_EQ(p.glyphs[13].x, x(59.5));
  // A close follower pulls the first glyph back by s/3.
  v[2] = 1.5;
  dial.SetValues(1, v);
  dial.Layout({0, 10, 728, 339});
  EXPECT_EQ(dial.Person(1).glyphs[1].x, x(0.5 - 4.0 / 3));
}

// Before any values were computed the dial places no glyph.
TEST(DegreeDial, NoGlyphsBeforeRecompute) {
  TDDial dial;
  dial.Layout({0, 10, 728, 339});
  EXPECT_EQ(dial.Person(1).order[1], 0);
  EXPECT_EQ(dial.Person(1).glyphs[1], (TWheelPoint{}));
}

// Assigning the same chart again after its data changed shows the new
// positions; without an active chart the old values stay.
TEST_F(RealChartsTest, DialFollowsTheChartOnEveryAssignment) {
  TDDial dial;
  dial.SetHoroscope(&ann_);
  const double sun = static_cast<double>(ann_.PlanetPos(1));
  EXPECT_NEAR(dial.Person(1).values[1], DialValue(sun, 60), 1e-9);
  EXPECT_NEAR(dial.Person(2).values[13], DialValue(static_cast<double>(bob_.CuspPos(10)), 60),
              1e-9);
  ann_.SetBirthDate(1980.0914L);
  dial.SetHoroscope(&ann_);
  EXPECT_NEAR(dial.Person(1).values[1], DialValue(static_cast<double>(ann_.PlanetPos(1)), 60),
              1e-9);
  dial.SetAngle(90);
  EXPECT_NEAR(dial.Person(1).values[1], DialValue(static_cast<double>(ann_.PlanetPos(1)), 90),
              1e-9);
  const double held = dial.Person(1).values[1];
  ann_.SetActive(false);
  dial.SetHoroscope(&ann_);
  EXPECT_EQ(dial.Person(1).values[1], held);
  EXPECT_FALSE(dial.ChartsShown());
}

TEST(DegreeDial, TitleKeepsItsSeparatorsWithEmptyTexts) {
  TDDial dial;
  dial.Layout({0, 10, 728, 339});
  EXPECT_EQ(dial.Title(), "  - . ");
  dial.Text60 = "Harmony dial";
  dial.PersonText1 = "of ";
  dial.Layout({0, 10, 728, 339});
  EXPECT_EQ(dial.Title(), " Harmony dial - of . ");
}

}  // namespace
}  // namespace vyn::testing
