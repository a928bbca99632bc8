// The wheel's geometry for a rectangle: the square and radius, rings, sign
// segments, ticks, cusp, axis and aspect lines with their line equations,
// house numbers, font heights, the skeleton without a chart, the Aries-left
// turn and the shared zodiac of a double wheel.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "graphics/wheel/wheel.h"
#include "tests/graphics/wheel_fixture.h"

namespace vyn::testing {
namespace {

namespace wr = wheel_radius;

double Distance(TWheelPoint a, TWheelPoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

// Frame angle of a point as seen from the centre, in [0, 2π).
extended AngleOf(const TWheelGeometry& g, TWheelPoint p) {
  const extended a = std::atan2(static_cast<extended>(g.centre.y - p.y),
                                static_cast<extended>(p.x - g.centre.x));
  return a < 0 ? a + TwoPi : a;
}

// Difference of two angles folded into [0, π].
extended AngleGap(extended a, extended b) {
  extended d = std::fmod(std::fabs(a - b), TwoPi);
  return d > kPi ? TwoPi - d : d;
}

// Every point of a line lies within a pixel of where it should: the angle
// of a point at distance d from the centre may be off by about 1/d.
void ExpectOnRay(const TWheelGeometry& g, TWheelPoint p, double radius, extended angle,
                 const std::string& what) {
  EXPECT_NEAR(Distance(p, g.centre), radius * g.R, 1.5) << what;
  EXPECT_LT(AngleGap(AngleOf(g, p), angle), 1.5 / (radius * g.R)) << what;
}

// ---- the square -------------------------------------------------------------

struct SquareCase {
  const char* what;
  TWheelRect rect;
  TWheelRect square;
  int R;
  TWheelPoint centre;
};

class WheelSquareTest : public ::testing::TestWithParam<SquareCase> {};

TEST_P(WheelSquareTest, IsTheLargestCentredSquareOfEvenSide) {
  const SquareCase& c = GetParam();
  TWheel wheel;
  wheel.Layout(c.rect);
  const TWheelGeometry& g = wheel.Geometry();
  EXPECT_EQ(g.square, c.square) << c.what;
  EXPECT_EQ(g.R, c.R) << c.what;
  EXPECT_EQ(g.centre, c.centre) << c.what;
  EXPECT_EQ(wheel.LastLayoutRect(), c.rect) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, WheelSquareTest,
    ::testing::Values(
        // W = 101 is made 100: the square of side 60 sits 20 pixels in.
        SquareCase{"101 x 60", {10, 20, 111, 80}, {30, 20, 90, 80}, 30, {60, 50}},
        SquareCase{"60 x 101", {0, 0, 60, 101}, {0, 20, 60, 80}, 30, {30, 50}},
        SquareCase{"square", {5, 5, 85, 85}, {5, 5, 85, 85}, 40, {45, 45}},
        SquareCase{"odd square", {0, 0, 81, 81}, {0, 0, 80, 80}, 40, {40, 40}},
        SquareCase{"empty", {7, 7, 7, 7}, {7, 7, 7, 7}, 0, {7, 7}}));

// ---- rings and font heights ---------------------------------------------------

TEST(WheelGeometryTest, RingsAreCentredSquaresOfTheirRadius) {
  TWheel wheel;
  wheel.Layout({0, 0, 800, 800});
  const TWheelGeometry& g = wheel.Geometry();
  for (double r : {wr::kZodiacOuter, wr::kZodiacInner, wr::kRelationDisc, wr::kHouseRing,
                   wr::kInnerSingle, wr::kInnerDouble}) {
    const TWheelRect ring = g.Ring(r);
    EXPECT_NEAR(ring.Width(), 2 * r * g.R, 1) << r;
    EXPECT_EQ(ring.Width(), ring.Height()) << r;
    EXPECT_NEAR((ring.left + ring.right) / 2.0, g.centre.x, 0.5) << r;
  }
}

struct FontCase {
  int side;
  int house, sign, body;
};

class WheelFontHeightTest : public ::testing::TestWithParam<FontCase> {};

TEST_P(WheelFontHeightTest, FollowTheRadius) {
  const FontCase& c = GetParam();
  TWheel wheel;
  wheel.Layout({0, 0, c.side, c.side});
  EXPECT_EQ(wheel.Geometry().houseFontHeight, c.house) << c.side;
  EXPECT_EQ(wheel.Geometry().signFontHeight, c.sign) << c.side;
  EXPECT_EQ(wheel.Geometry().bodyFontHeight, c.body) << c.side;
}

// R = 400: 0.85 of 20, 0.85 of 36 (30.6), 1.1 of trunc(43.3); R = 30: 0.85
// of 1, 0.85 of 2, 1.1 of 3.
INSTANTIATE_TEST_SUITE_P(Sizes, WheelFontHeightTest,
                         ::testing::Values(FontCase{800, 17, 31, 47}, FontCase{60, 1, 2, 3},
                                           FontCase{240, 5, 9, 14}));

// ---- the skeleton ---------------------------------------------------------------

TEST(WheelGeometryTest, SkeletonHasEqualSignsAndHousesFromTheLeftAndAxesAtTheQuarters) {
  TWheel wheel;
  wheel.Layout({0, 0, 400, 400});
  const TWheelGeometry& g = wheel.Geometry();
  for (int i = 1; i <= 12; ++i) {
    const extended start = kPi + (i - 1) * kPi / 6;
    ExpectOnRay(g, g.signs[i][0], wr::kSignOuter, start, "sign " + std::to_string(i));
    ExpectOnRay(g, g.outer.cusps[i].from, wr::kZodiacInner, start, "cusp " + std::to_string(i));
    ExpectOnRay(g, g.houseNumbers[i], 0.425, start + kPi / 12, "house " + std::to_string(i));
  }
  for (int i = 1; i <= 4; ++i)
    ExpectOnRay(g, g.outer.axes[i].to, 0.94, kPi + (i - 1) * kPi / 2, "axis " + std::to_string(i));
  EXPECT_FALSE(wheel.ChartReady());
}

// ---- a real chart ---------------------------------------------------------------

class WheelChartGeometryTest : public RealChartsTest {
 protected:
  void SetUp() override {
    RealChartsTest::SetUp();
    wheel_.SetHoroscope(&ann_);
    wheel_.SetShowAspects(true);
    wheel_.Layout({0, 0, 800, 800});
  }
  TWheel wheel_;
};

TEST_F(WheelChartGeometryTest, AnglesAreFrameAnglesWithTheAscendantAtTheLeft) {
  const TWheelAngles& a = wheel_.Angles();
  EXPECT_NEAR(a.D[1], kPi, 1e-12L);
  EXPECT_NEAR(a.D[13], a.D[1] + TwoPi, 1e-12L);
  EXPECT_NEAR(a.C[13], a.C[1] + TwoPi, 1e-12L);
  for (int h = 2; h <= 13; ++h) EXPECT_GT(a.D[h], a.D[h - 1]) << h;
  EXPECT_EQ(a.E[1], kPi);
  EXPECT_EQ(a.E[3], TwoPi);
  EXPECT_EQ(a.E[2], a.D[4]);
  EXPECT_EQ(a.E[4], a.D[10]);
  // Each body lies in its sign on the wheel.
  for (int slot = 1; slot <= 12; ++slot) {
    const int sign = ann_.SignOfBody(slot - 1) + 1;
    extended phi = a.A[slot];
    while (phi < a.C[1]) phi += TwoPi;
    while (phi >= a.C[13]) phi -= TwoPi;
    EXPECT_LE(a.C[sign], phi) << slot;
    EXPECT_LT(phi, a.C[sign + 1]) << slot;
    EXPECT_NEAR(a.P[slot], ann_.PlanetPos(slot) - 30 * (sign - 1), 1e-9L) << slot;
  }
  std::vector<int> order(a.O.begin() + 1, a.O.end());
  std::sort(order.begin(), order.end());
  for (int k = 0; k < 12; ++k) EXPECT_EQ(order[k], k + 1);
}

TEST_F(WheelChartGeometryTest, EveryLineCarriesItsNormalisedEquation) {
  const TWheelGeometry& g = wheel_.Geometry();
  std::vector<TWheelLine> lines;
  for (int h = 1; h <= 13; ++h) lines.push_back(g.outer.cusps[h]);
  for (int i = 1; i <= 4; ++i) lines.push_back(g.outer.axes[i]);
  for (int s = 1; s <= 12; ++s) lines.push_back(g.outer.pointers[s]);
  for (const auto& aspect : g.aspects) lines.push_back(aspect.line);
  lines.insert(lines.end(), g.ticks1.begin(), g.ticks1.end());
  ASSERT_FALSE(g.aspects.empty());
  for (const TWheelLine& line : lines) {
    EXPECT_NEAR(line.a * line.a + line.b * line.b, 1, 1e-12);
    EXPECT_LT(line.Distance(line.from.x, line.from.y), 1e-9);
    EXPECT_LT(line.Distance(line.to.x, line.to.y), 1e-9);
  }
  // A point 10 pixels to the side of a horizontal axis is 10 pixels off.
  const TWheelLine& ascendant = g.outer.axes[1];
  EXPECT_EQ(ascendant.from.y, ascendant.to.y);
  EXPECT_NEAR(ascendant.Distance(ascendant.to.x, ascendant.to.y + 10), 10, 1e-9);
}

TEST_F(WheelChartGeometryTest, LinesRunBetweenTheirRings) {
  const TWheelGeometry& g = wheel_.Geometry();
  const TWheelAngles& a = wheel_.Angles();
  for (int h = 1; h <= 13; ++h) {
    ExpectOnRay(g, g.outer.cusps[h].from, wr::kZodiacInner, a.D[h], "cusp from");
    ExpectOnRay(g, g.outer.cusps[h].to, wr::kInnerSingle, a.D[h], "cusp to");
  }
  for (int i = 1; i <= 4; ++i) {
    ExpectOnRay(g, g.outer.axes[i].from, wr::kInnerSingle, a.E[i], "axis from");
    ExpectOnRay(g, g.outer.axes[i].to, 0.94, a.E[i], "axis to");
  }
  for (const TWheelAspectLine& aspect : g.aspects) {
    EXPECT_NEAR(Distance(aspect.line.from, g.centre), wr::kInnerSingle * g.R, 1.5);
    EXPECT_NEAR(Distance(aspect.line.to, g.centre), wr::kInnerSingle * g.R, 1.5);
    EXPECT_TRUE(aspect.first >= 1 && aspect.first <= 14 && aspect.second >= 1 &&
                aspect.second <= 14);
  }
  for (int d = 0; d < 360; ++d) {
    const TWheelLine& tick = g.ticks1[d];
    const double from = d % 5 == 0 ? 0.79 : 0.81;
    ExpectOnRay(g, tick.from, from, a.w + d * kDegree, "tick " + std::to_string(d));
    ExpectOnRay(g, tick.to, wr::kZodiacInner, a.w + d * kDegree, "tick " + std::to_string(d));
  }
}

TEST_F(WheelChartGeometryTest, SignSegmentsRunOutwardsThenBackAlongTheInnerArc) {
  const TWheelGeometry& g = wheel_.Geometry();
  const TWheelAngles& a = wheel_.Angles();
  for (int i = 1; i <= 12; ++i) {
    const TSignPolygon& p = g.signs[i];
    ExpectOnRay(g, p[0], wr::kSignOuter, a.C[i], "start outer");
    ExpectOnRay(g, p[30], wr::kSignOuter, a.C[i + 1], "end outer");
    ExpectOnRay(g, p[31], wr::kZodiacInner, a.C[i + 1], "end inner");
    ExpectOnRay(g, p[61], wr::kZodiacInner, a.C[i], "start inner");
    ExpectOnRay(g, g.signGlyphs[i], 0.865, (a.C[i] + a.C[i + 1]) / 2, "glyph");
  }
}

TEST_F(WheelChartGeometryTest, AriesLeftTurnsZeroAriesToTheLeft) {
  wheel_.SetAriesLeft(true);
  const TWheelGeometry& g = wheel_.Geometry();
  EXPECT_NEAR(g.rot, kPi - wheel_.Angles().C[1] + 0.000001L, 1e-15L);
  ExpectOnRay(g, g.signs[1][0], wr::kSignOuter, kPi, "Aries");
  ExpectOnRay(g, g.outer.axes[1].to, 0.94, wheel_.Angles().E[1] + g.rot, "Ascendant");
  wheel_.SetAriesLeft(false);
  EXPECT_EQ(wheel_.Geometry().rot, 0);
  ExpectOnRay(wheel_.Geometry(), wheel_.Geometry().outer.axes[1].to, 0.94, kPi, "Ascendant");
}

TEST_F(WheelChartGeometryTest, DualModeNeedsARelationWheel) {
  try {
    wheel_.SetDualMode(true);
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Cannot set Dual Mode active when RelationWheel property is nil!");
  }
  EXPECT_FALSE(wheel_.DualMode());
  EXPECT_FALSE(wheel_.Geometry().dualMode);
}

// ---- a double wheel -----------------------------------------------------------

class DoubleWheelGeometryTest : public SkyChartsTest {};

// Both charts share one zodiac: bodies at the same longitude lie on one ray.
TEST_F(DoubleWheelGeometryTest, BothChartsShareOneZodiac) {
  Calculate(SkyOfDegrees({{1, 100}, {2, 140}, {3, 180}, {4, 220}, {5, 260}, {6, 300},
                          {7, 340}, {8, 20}, {9, 60}, {10, 80}, {11, 160}}),
            SkyOfDegrees({{1, 100}, {2, 150}, {3, 190}, {4, 230}, {5, 270}, {6, 310},
                          {7, 350}, {8, 30}, {9, 70}, {10, 45}, {11, 120}}));
  TWheel outer, inner;
  outer.SetHoroscope(&chart1_);
  inner.SetHoroscope(&chart2_);
  outer.SetRelationWheel(&inner);
  inner.SetRelationWheel(&outer);
  outer.SetDualMode(true);
  outer.Layout({0, 0, 800, 800});
  const TWheelGeometry& g = outer.Geometry();
  ASSERT_TRUE(g.dualMode);
  EXPECT_NEAR(g.rot2, outer.Angles().C[1] - inner.Angles().C[1], 1e-15L);
  const extended sun = AngleOf(g, g.outer.pointers[1].from);
  ExpectOnRay(g, g.outer.pointers[1].from, 0.62, sun, "outer Sun");
  ExpectOnRay(g, g.inner.pointers[1].from, 0.58, sun, "inner Sun");
  for (int i = 1; i <= 12; ++i) {
    const extended start = inner.Angles().C[i] + g.rot2;
    ExpectOnRay(g, g.innerSigns[i][0], wr::kInnerSingle, start, "inner sign");
    ExpectOnRay(g, g.signs[i][0], wr::kSignOuter, start, "outer sign");
  }
  for (int h = 1; h <= 13; ++h) {
    ExpectOnRay(g, g.outer.cusps[h].to, 0.62, outer.Angles().D[h], "outer cusp");
    ExpectOnRay(g, g.inner.cusps[h].from, 0.58, inner.Angles().D[h] + g.rot2, "inner cusp");
    ExpectOnRay(g, g.inner.cusps[h].to, 0.36, inner.Angles().D[h] + g.rot2, "inner cusp");
  }
  for (int i = 1; i <= 4; ++i) {
    ExpectOnRay(g, g.outer.axes[i].from, 0.62, outer.Angles().E[i], "outer axis");
    ExpectOnRay(g, g.inner.axes[i].from, 0.4, inner.Angles().E[i] + g.rot2, "inner axis");
    ExpectOnRay(g, g.inner.axes[i].to, 0.635, inner.Angles().E[i] + g.rot2, "inner axis");
  }
  // A double wheel draws no aspects and no house numbers; leaving double
  // mode lays the single wheel out again.
  EXPECT_FALSE(outer.ShowAspects());
  outer.SetDualMode(false);
  EXPECT_FALSE(outer.Geometry().dualMode);
  ExpectOnRay(outer.Geometry(), outer.Geometry().outer.cusps[1].to, 0.4, kPi, "single cusp");
}

}  // namespace
}  // namespace vyn::testing
