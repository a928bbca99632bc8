// Presses on a wheel at points computed from real charts: the element
// reported with its reference, the selection it leaves, the Aries point, the
// opposite cusp, right and left presses, double wheels and ties.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "graphics/wheel/wheel.h"
#include "tests/graphics/wheel_fixture.h"

namespace vyn::testing {
namespace {

using THits = std::vector<std::pair<TWheelHitType, int>>;

// Records the events of a wheel's presses.
class THitLog {
 public:
  explicit THitLog(TWheel& wheel) : wheel_(wheel) {
    wheel.OnMouseHit = [this](TWheel& sender, TWheelHitType type, int ref) {
      EXPECT_EQ(&sender, &wheel_);
      hits_.emplace_back(type, ref);
    };
  }
  THits Press(TWheelPoint p, TWheelPress press = TWheelPress::wpLeft) {
    hits_.clear();
    wheel_.MouseDown(press, p.x, p.y);
    return hits_;
  }

 private:
  TWheel& wheel_;
  THits hits_;
};

// Whether a point lies within `margin` pixels of an axis line of either
// chart (the axis test comes first in several rings).
bool NearAxis(const TWheelGeometry& g, TWheelPoint p, double margin = 4) {
  for (int i = 1; i <= 4; ++i)
    if (g.outer.axes[i].Distance(p.x, p.y) < margin ||
        (g.dualMode && g.inner.axes[i].Distance(p.x, p.y) < margin))
      return true;
  return false;
}

// Whether a glyph of the ring lies within reach of a press (2·distance ≤ H,
// with a margin).
bool NearGlyph(const TWheelGeometry& g, const TChartRing& ring, TWheelPoint p) {
  for (int slot = 1; slot <= 12; ++slot)
    if (2 * std::hypot(ring.glyphs[slot].x - p.x, ring.glyphs[slot].y - p.y) <=
        g.bodyFontHeight + 4)
      return true;
  return false;
}

class WheelHitTest : public RealChartsTest {
 protected:
  void SetUp() override {
    RealChartsTest::SetUp();
    wheel_.SetHoroscope(&ann_);
    wheel_.SetShowAspects(true);
    wheel_.Layout({0, 0, 800, 800});
  }
  const TWheelGeometry& G() const { return wheel_.Geometry(); }
  TWheelPoint At(double r, extended angle) const { return G().At(r, angle + G().rot); }

  TWheel wheel_;
  THitLog log_{wheel_};
};

TEST_F(WheelHitTest, AGlyphReportsItsBodyAndBlinks) {
  int pressed = 0;
  for (int slot = 1; slot <= 12; ++slot) {
    const TWheelPoint glyph = G().outer.glyphs[slot];
    bool alone = true;
    for (int other = 1; other <= 12; ++other)
      if (other != slot && std::hypot(G().outer.glyphs[other].x - glyph.x,
                                      G().outer.glyphs[other].y - glyph.y) <= G().bodyFontHeight)
        alone = false;
    if (!alone) continue;
    ++pressed;
    EXPECT_EQ(log_.Press(glyph), (THits{{htPlanet, slot}})) << slot;
    EXPECT_EQ(wheel_.Selection(1).count, 1);
    EXPECT_EQ(wheel_.Selection(1).bodies[0], slot);
    EXPECT_EQ(wheel_.Selection(1).glyphRing, 1);
    EXPECT_TRUE(wheel_.Blinking());
    EXPECT_FALSE(wheel_.LastHitInner());
  }
  EXPECT_GE(pressed, 6);
}

// A glyph is reached within half the glyph height of its centre.
TEST_F(WheelHitTest, AGlyphReachesHalfTheGlyphHeight) {
  const int slot = 9;  // Neptune, alone at the bottom of Ann's wheel
  const TWheelPoint glyph = G().outer.glyphs[slot];
  const int half = G().bodyFontHeight / 2;
  const int dx = glyph.x > G().centre.x ? 1 : -1;
  EXPECT_EQ(log_.Press({glyph.x + dx * half, glyph.y}), (THits{{htPlanet, slot}}));
  const THits beyond = log_.Press({glyph.x + dx * (half + 2), glyph.y});
  ASSERT_EQ(beyond.size(), 1u);
  EXPECT_NE(beyond[0].first, htPlanet);
}

TEST_F(WheelHitTest, TheZodiacRingReportsSignsAndTheAriesPoint) {
  const TWheelAngles& a = wheel_.Angles();
  for (int sign = 1; sign <= 12; ++sign) {
    const TWheelPoint p = G().signGlyphs[sign];
    if (NearAxis(G(), p)) continue;
    EXPECT_EQ(log_.Press(p), (THits{{htSign, sign}})) << sign;
    EXPECT_EQ(wheel_.SelectedSign(), sign);
  }
  const TWheelPoint aries = At(0.865, a.C[1] + 0.03L);
  ASSERT_FALSE(NearAxis(G(), aries));
  EXPECT_EQ(log_.Press(aries), (THits{{htAriesPoint, 0}}));
  EXPECT_TRUE(wheel_.Selection(1).Empty());
  EXPECT_EQ(wheel_.SelectedSign(), -1);
  EXPECT_FALSE(wheel_.Blinking());
  EXPECT_EQ(log_.Press(At(0.865, a.C[13] - 0.03L)), (THits{{htAriesPoint, 0}}));
  EXPECT_EQ(log_.Press(At(0.865, a.C[1] + 0.06L)), (THits{{htSign, 1}}));
  EXPECT_EQ(log_.Press(At(0.865, a.C[13] - 0.06L)), (THits{{htSign, 12}}));
}

TEST_F(WheelHitTest, TheHouseRingReportsHouses) {
  int pressed = 0;
  for (int house = 1; house <= 12; ++house) {
    const TWheelPoint p = G().houseNumbers[house];
    if (NearAxis(G(), p)) continue;
    ++pressed;
    EXPECT_EQ(log_.Press(p), (THits{{htHouse, house}})) << house;
    EXPECT_EQ(wheel_.Selection(1).house, house);
  }
  EXPECT_GE(pressed, 10);
}

// The press on the far half of the line of cusp h reports cusp h + 6.
TEST_F(WheelHitTest, ACuspLineReportsItsCuspOnEitherHalf) {
  const TWheelAngles& a = wheel_.Angles();
  for (int cusp : {2, 3, 5, 6, 8, 9, 11, 12}) {
    std::optional<TWheelPoint> press;
    for (double r = 0.47; r < 0.8 && !press; r += 0.01) {
      const TWheelPoint p = At(r, a.D[cusp]);
      if (!NearGlyph(G(), G().outer, p) && !NearAxis(G(), p)) press = p;
    }
    ASSERT_TRUE(press) << cusp;
    EXPECT_EQ(log_.Press(*press), (THits{{htCusp, cusp}})) << cusp;
    EXPECT_EQ(wheel_.Selection(1).cusp, cusp);
  }
}

TEST_F(WheelHitTest, AxesAreFoundInEveryRing) {
  const TWheelAngles& a = wheel_.Angles();
  EXPECT_EQ(log_.Press(At(0.9, a.E[1])), (THits{{htAxis, 1}}));  // zodiac ring
  EXPECT_EQ(wheel_.Selection(1).axis, 1);
  EXPECT_EQ(log_.Press(At(0.93, a.E[4])), (THits{{htAxis, 4}}));  // beyond it
  EXPECT_EQ(log_.Press(At(0.93, a.E[3])), (THits{{htAxis, 3}}));
  EXPECT_EQ(log_.Press(At(0.425, a.E[2])), (THits{{htAxis, 2}}));  // house ring
  // Beyond the wheel, off the axes: nothing.
  EXPECT_TRUE(log_.Press(At(0.97, a.E[1] + 0.3L)).empty());
}

TEST_F(WheelHitTest, AnAspectLineReportsItsEntryAndSelectsItsPoints) {
  const auto& aspects = G().aspects;
  ASSERT_GE(aspects.size(), 3u);
  int pressed = 0;
  for (std::size_t k = 0; k < aspects.size(); ++k) {
    const TWheelLine& line = aspects[k].line;
    const TWheelPoint middle{(line.from.x + line.to.x) / 2, (line.from.y + line.to.y) / 2};
    bool clear = true;
    for (std::size_t other = 0; other < aspects.size(); ++other)
      if (other != k && aspects[other].line.Distance(middle.x, middle.y) < 3) clear = false;
    if (!clear) continue;
    ++pressed;
    const int number = static_cast<int>(k) + 1;
    EXPECT_EQ(log_.Press(middle), (THits{{htAspect, number}}));
    const TWheelSelection& s = wheel_.Selection(1);
    EXPECT_EQ(s.aspect, number);
    for (int point : {aspects[k].first, aspects[k].second}) {
      if (point == 13) EXPECT_EQ(s.axis, 1);
      else if (point == 14) EXPECT_EQ(s.axis, 4);
      else EXPECT_TRUE(s.HasBody(point)) << point;
    }
  }
  EXPECT_GE(pressed, 1);
  // Without aspect lines the inner disc reports nothing.
  wheel_.SetShowAspects(false);
  const TWheelLine& line = aspects[0].line;
  EXPECT_TRUE(log_.Press({(line.from.x + line.to.x) / 2, (line.from.y + line.to.y) / 2}).empty());
}

TEST_F(WheelHitTest, ARightPressReportsOnlyTheRightClick) {
  EXPECT_EQ(log_.Press(G().outer.glyphs[9], TWheelPress::wpRight), (THits{{htRightClick, 0}}));
  EXPECT_FALSE(wheel_.Blinking());
  EXPECT_TRUE(wheel_.Selection(1).Empty());
  EXPECT_EQ(wheel_.MouseX(), G().outer.glyphs[9].x);
  EXPECT_EQ(wheel_.MouseY(), G().outer.glyphs[9].y);
}

TEST_F(WheelHitTest, APressEndsTheSelectionBeforeFindingTheElement) {
  log_.Press(G().outer.glyphs[9]);
  ASSERT_TRUE(wheel_.Blinking());
  EXPECT_TRUE(log_.Press(At(0.97, wheel_.Angles().E[1] + 0.3L)).empty());
  EXPECT_FALSE(wheel_.Blinking());
  EXPECT_TRUE(wheel_.Selection(1).Empty());
}

TEST_F(WheelHitTest, WithoutAHandlerAPressOnlyEndsTheSelection) {
  wheel_.Select(false, htSign, 3);
  wheel_.OnMouseHit = nullptr;
  wheel_.MouseDown(TWheelPress::wpLeft, G().outer.glyphs[9].x, G().outer.glyphs[9].y);
  EXPECT_FALSE(wheel_.Blinking());
  EXPECT_TRUE(wheel_.Selection(1).Empty());
  EXPECT_EQ(wheel_.MouseX(), G().outer.glyphs[9].x);
}

// Two wheels side by side: related, not double. No aspects are drawn, so
// the inner disc reports nothing.
TEST_F(WheelHitTest, ARelatedWheelReportsNothingInItsInnerDisc) {
  TWheel other;
  other.SetHoroscope(&bob_);
  wheel_.SetRelationWheel(&other);
  EXPECT_FALSE(wheel_.ShowAspects());
  EXPECT_TRUE(log_.Press(G().centre).empty());
  const TWheelLine& line = G().aspects.at(0).line;
  EXPECT_TRUE(log_.Press({(line.from.x + line.to.x) / 2, (line.from.y + line.to.y) / 2}).empty());
}

// ---- a double wheel -------------------------------------------------------------

class DoubleWheelHitTest : public WheelHitTest {
 protected:
  void SetUp() override {
    WheelHitTest::SetUp();
    inner_.SetHoroscope(&bob_);
    wheel_.SetRelationWheel(&inner_);
    inner_.SetRelationWheel(&wheel_);
    wheel_.SetDualMode(true);
    wheel_.Layout({0, 0, 800, 800});
  }
  TWheel inner_;
};

TEST_F(DoubleWheelHitTest, ALeftPressReportsTheElementThenTheLeftClick) {
  EXPECT_EQ(log_.Press(G().outer.glyphs[9]), (THits{{htPlanet, 9}, {htLeftClick, 0}}));
  EXPECT_FALSE(wheel_.LastHitInner());
  EXPECT_EQ(wheel_.Selection(1).glyphRing, 1);
  EXPECT_EQ(wheel_.Selection(2).glyphRing, 0);
  EXPECT_EQ(wheel_.Selection(2).count, 0);
  // Any other press reports no left click; a right press only its own.
  EXPECT_EQ(log_.Press(G().outer.glyphs[9], TWheelPress::wpOther), (THits{{htPlanet, 9}}));
  EXPECT_EQ(log_.Press(G().outer.glyphs[9], TWheelPress::wpRight), (THits{{htRightClick, 0}}));
  // In the inner disc only the left click.
  EXPECT_EQ(log_.Press(G().centre), (THits{{htLeftClick, 0}}));
}

TEST_F(DoubleWheelHitTest, AnInnerGlyphReportsItsBodyOnTheInnerRing) {
  int pressed = 0;
  for (int slot = 1; slot <= 12; ++slot) {
    const TWheelPoint glyph = G().inner.glyphs[slot];
    bool alone = true;
    for (int other = 1; other <= 12; ++other)
      if (other != slot && std::hypot(G().inner.glyphs[other].x - glyph.x,
                                      G().inner.glyphs[other].y - glyph.y) <= G().bodyFontHeight)
        alone = false;
    if (!alone) continue;
    ++pressed;
    EXPECT_EQ(log_.Press(glyph), (THits{{htPlanet, slot}, {htLeftClick, 0}})) << slot;
    EXPECT_TRUE(wheel_.LastHitInner());
    EXPECT_EQ(wheel_.Selection(1).glyphRing, 0);
    EXPECT_EQ(wheel_.Selection(1).bodies[0], slot);
  }
  EXPECT_GE(pressed, 4);
}

TEST_F(DoubleWheelHitTest, InnerAxesAreFoundOnTheirOwnHalf) {
  const TWheelAngles& b = inner_.Angles();
  for (int axis = 1; axis <= 4; ++axis) {
    std::optional<TWheelPoint> press;
    for (double r = 0.43; r < 0.57 && !press; r += 0.01) {
      const TWheelPoint p = G().At(r, b.E[axis] + G().rot2);
      if (!NearGlyph(G(), G().inner, p)) press = p;
    }
    ASSERT_TRUE(press) << axis;
    EXPECT_EQ(log_.Press(*press), (THits{{htAxis, axis}, {htLeftClick, 0}})) << axis;
    EXPECT_EQ(wheel_.Selection(2).axis, axis);
    EXPECT_TRUE(wheel_.LastHitInner());
  }
}

TEST_F(DoubleWheelHitTest, ChartAtTellsTheInnerChartFromTheOuter) {
  EXPECT_EQ(wheel_.ChartAt(G().centre.x, G().centre.y), 2);
  EXPECT_EQ(wheel_.ChartAt(G().centre.x + 240, G().centre.y), 2);  // 0.6 R
  EXPECT_EQ(wheel_.ChartAt(G().centre.x + 260, G().centre.y), 1);  // 0.65 R
  wheel_.SetDualMode(false);
  EXPECT_EQ(wheel_.ChartAt(G().centre.x, G().centre.y), 1);
}

// ---- ties -------------------------------------------------------------------------

class GlyphTieTest : public SkyChartsTest {};

// The Moon and Venus at one longitude: levels 1 and 2 on one ray. A press
// half way between their glyphs reports the lower slot.
TEST_F(GlyphTieTest, TheLowerBodySlotWins) {
  Calculate(SkyOfDegrees({{1, 10}, {2, 50}, {3, 90}, {4, 50}, {5, 130}, {6, 170}, {7, 210},
                          {8, 250}, {9, 290}, {10, 330}, {11, 300}}));
  TWheel wheel;
  wheel.SetHoroscope(&chart1_);
  THitLog log(wheel);
  int tried = 0;
  for (int side = 500; side <= 900; side += 2) {
    wheel.Layout({0, 0, side, side});
    const TWheelPoint moon = wheel.Geometry().outer.glyphs[2];
    const TWheelPoint venus = wheel.Geometry().outer.glyphs[4];
    if ((moon.x + venus.x) % 2 != 0 || (moon.y + venus.y) % 2 != 0) continue;
    ++tried;
    EXPECT_EQ(log.Press({(moon.x + venus.x) / 2, (moon.y + venus.y) / 2}), (THits{{htPlanet, 2}}))
        << side;
  }
  EXPECT_GT(tried, 0);
}

}  // namespace
}  // namespace vyn::testing
