// Selecting on a wheel by program, blinking and its end, the two selection
// records of a double wheel, and the wheel's link to its chart, its relation
// wheel and its surface.
#include <gtest/gtest.h>

#include <memory>

#include "graphics/wheel/wheel.h"
#include "tests/graphics/wheel_fixture.h"

namespace vyn::testing {
namespace {

// A surface that counts what the wheel asks of it.
class TCountingSurface : public TWheelSurface {
 public:
  void InvalidateWheel() override { ++invalidated; }
  void RedrawSelection() override { ++redrawn; }
  void SetBlinkTimer(bool on) override { timer = on; }
  bool WheelVisible() const override { return visible; }

  int invalidated = 0;
  int redrawn = 0;
  bool timer = false;
  bool visible = true;
};

class WheelSelectionTest : public RealChartsTest {
 protected:
  void SetUp() override {
    RealChartsTest::SetUp();
    wheel_.SetSurface(&surface_);
    wheel_.SetHoroscope(&ann_);
    wheel_.SetShowAspects(true);
    wheel_.Layout({0, 0, 600, 600});
  }
  void TearDown() override {
    wheel_.SetSurface(nullptr);
    RealChartsTest::TearDown();
  }
  void MakeDouble() {
    inner_.SetHoroscope(&bob_);
    wheel_.SetRelationWheel(&inner_);
    inner_.SetRelationWheel(&wheel_);
    wheel_.SetDualMode(true);
  }

  TCountingSurface surface_;
  TWheel wheel_;
  TWheel inner_;
};

TEST_F(WheelSelectionTest, SelectingStartsBlinkingAndClearingEndsIt) {
  wheel_.Select(false, htPlanet, 3);
  EXPECT_TRUE(wheel_.Blinking());
  EXPECT_TRUE(wheel_.BlinkPhase());
  EXPECT_TRUE(surface_.timer);
  EXPECT_EQ(surface_.redrawn, 1);
  EXPECT_EQ(wheel_.Selection(1).count, 1);
  EXPECT_EQ(wheel_.Selection(1).bodies[0], 3);

  // More while blinking shows at once, without a second timer.
  wheel_.Select(false, htSign, 5);
  EXPECT_EQ(surface_.redrawn, 2);
  EXPECT_EQ(wheel_.SelectedSign(), 5);

  wheel_.BlinkTick();
  EXPECT_FALSE(wheel_.BlinkPhase());
  EXPECT_EQ(surface_.redrawn, 3);

  // Type 9 with ClearFirst: the end, drawn once more in normal colours.
  wheel_.Select(true, TWheel::kSelectNothing, 0);
  EXPECT_FALSE(wheel_.Blinking());
  EXPECT_FALSE(surface_.timer);
  EXPECT_EQ(surface_.redrawn, 4);
  EXPECT_TRUE(wheel_.Selection(1).Empty());
  EXPECT_EQ(wheel_.SelectedSign(), -1);
}

TEST_F(WheelSelectionTest, NothingValidSelectsNothing) {
  for (auto [type, ref] : {std::pair{htPlanet, 0}, {htPlanet, 13}, {htSign, 13}, {htHouse, 0},
                           {htCusp, -1}, {htAxis, 5}, {htAspect, 0}, {htAriesPoint, 0},
                           {htRightClick, 0}}) {
    wheel_.Select(false, type, ref);
    EXPECT_FALSE(wheel_.Blinking()) << type << " " << ref;
    EXPECT_TRUE(wheel_.Selection(1).Empty()) << type << " " << ref;
  }
  EXPECT_EQ(surface_.redrawn, 0);
}

TEST_F(WheelSelectionTest, ABodyIsHeldOnce) {
  wheel_.Select(false, htPlanet, 4);
  wheel_.Select(false, htPlanet, 4);
  wheel_.Select(false, htPlanet, 7);
  EXPECT_EQ(wheel_.Selection(1).count, 2);
}

// An aspect selects its two points: the Ascendant as axis 1, the Midheaven
// as axis 4, bodies by slot.
TEST_F(WheelSelectionTest, AnAspectSelectsItsPoints) {
  const auto& aspects = wheel_.Angles().aspects;
  ASSERT_FALSE(aspects.empty());
  for (std::size_t k = 0; k < aspects.size(); ++k) {
    const int number = static_cast<int>(k) + 1;
    wheel_.Select(true, htAspect, number);
    const TWheelSelection& s = wheel_.Selection(1);
    EXPECT_EQ(s.aspect, number);
    for (int point : {aspects[k].first, aspects[k].second}) {
      if (point == 13) EXPECT_EQ(s.axis, 1);
      else if (point == 14) EXPECT_EQ(s.axis, 4);
      else EXPECT_TRUE(s.HasBody(point));
    }
  }
  // Not while the aspect lines are hidden.
  wheel_.Select(true, TWheel::kSelectNothing, 0);
  wheel_.SetShowAspects(false);
  wheel_.Select(false, htAspect, 1);
  EXPECT_FALSE(wheel_.Blinking());
}

TEST_F(WheelSelectionTest, HidingTheAspectsEndsTheBlinking) {
  wheel_.Select(false, htHouse, 2);
  wheel_.SetShowAspects(false);
  EXPECT_FALSE(wheel_.Blinking());
  // Showing them again while nothing was shown keeps a selection.
  wheel_.Select(false, htHouse, 2);
  wheel_.SetShowAspects(true);
  EXPECT_TRUE(wheel_.Blinking());
}

TEST_F(WheelSelectionTest, ANewCalculationEndsTheBlinking) {
  wheel_.Select(false, htHouse, 2);
  const int invalidated = surface_.invalidated;
  ann_.SetBirthTime(13.00L);
  EXPECT_FALSE(wheel_.Blinking());
  EXPECT_TRUE(wheel_.Selection(1).Empty());
  EXPECT_GT(surface_.invalidated, invalidated);
}

TEST_F(WheelSelectionTest, AHiddenWheelBlinksWithoutDrawing) {
  surface_.visible = false;
  wheel_.Select(false, htHouse, 2);
  wheel_.BlinkTick();
  wheel_.SetBlinking(false);
  EXPECT_EQ(surface_.redrawn, 0);
  EXPECT_FALSE(surface_.timer);
}

TEST_F(WheelSelectionTest, ADoubleWheelSelectsIntoTheInnerRingsRecord) {
  MakeDouble();
  wheel_.Select(false, htPlanet, 5);
  EXPECT_EQ(wheel_.Selection(2).count, 1);
  EXPECT_EQ(wheel_.Selection(1).count, 0);
  wheel_.SelectRing(true, htPlanet, false, 3);
  EXPECT_EQ(wheel_.Selection(1).bodies[0], 3);
  EXPECT_EQ(wheel_.Selection(1).glyphRing, 1);
  EXPECT_EQ(wheel_.Selection(2).count, 0);
  wheel_.SelectRing(false, htPlanet, true, 8);
  EXPECT_EQ(wheel_.Selection(2).bodies[0], 8);
  EXPECT_EQ(wheel_.Selection(2).glyphRing, 0);
  EXPECT_TRUE(wheel_.Blinking());
  // On a single wheel both records name the outer glyphs.
  wheel_.SetDualMode(false);
  wheel_.Select(true, htPlanet, 1);
  EXPECT_EQ(wheel_.Selection(1).glyphRing, 1);
  EXPECT_EQ(wheel_.Selection(2).glyphRing, 1);
}

// ---- links ----------------------------------------------------------------------

TEST_F(WheelSelectionTest, TheChartReportsToItsWheelAndLetsItGo) {
  EXPECT_EQ(ann_.Wheel(), &wheel_);
  EXPECT_TRUE(wheel_.ChartReady());
  int changes = 0;
  wheel_.OnChange = [&changes](TWheel&) { ++changes; };
  ann_.SetBirthTime(14.00L);
  EXPECT_EQ(changes, 1);
  // Another wheel takes the chart: this one shows its skeleton.
  {
    TWheel other;
    other.SetHoroscope(&ann_);
    EXPECT_EQ(wheel_.Horoscope(), nullptr);
    EXPECT_FALSE(wheel_.ChartReady());
    EXPECT_EQ(wheel_.Angles().D[2], DefaultWheelAngles().D[2]);
  }
  EXPECT_EQ(ann_.Wheel(), nullptr);
  wheel_.SetHoroscope(&ann_);
  wheel_.SetHoroscope(nullptr);
  EXPECT_EQ(ann_.Wheel(), nullptr);
  EXPECT_FALSE(wheel_.ChartReady());
}

// A calculation of the inner chart reaches the double wheel once (the
// charts are no partners here, or the outer chart would report as well).
TEST_F(WheelSelectionTest, TheInnerChartsCalculationReachesTheDoubleWheelOnce) {
  ann_.SetPartner(nullptr);
  bob_.SetPartner(nullptr);
  MakeDouble();
  int outerChanges = 0;
  wheel_.OnChange = [&outerChanges](TWheel&) { ++outerChanges; };
  const extended sunBefore = wheel_.Geometry().inner.glyphs[1].x;
  bob_.SetBirthDate(1978.0902L);
  EXPECT_EQ(outerChanges, 1);
  EXPECT_EQ(inner_.PropagationCount(), 1);
  EXPECT_NE(wheel_.Geometry().inner.glyphs[1].x, sunBefore);
}

TEST_F(WheelSelectionTest, AWheelThatGoesLeavesTheWheelsThatNamedIt) {
  auto partner = std::make_unique<TWheel>();
  wheel_.SetRelationWheel(partner.get());
  wheel_.SetDualMode(true);
  partner.reset();
  EXPECT_EQ(wheel_.RelationWheel(), nullptr);
  EXPECT_FALSE(wheel_.DualMode());
  wheel_.Layout({0, 0, 300, 300});  // no relation wheel is read
  EXPECT_FALSE(wheel_.Geometry().dualMode);
}

TEST_F(WheelSelectionTest, ClearingTheRelationWheelEndsDoubleMode) {
  MakeDouble();
  wheel_.SetRelationWheel(nullptr);
  EXPECT_FALSE(wheel_.DualMode());
  EXPECT_FALSE(wheel_.Geometry().dualMode);
  EXPECT_TRUE(wheel_.ShowAspects());
}

}  // namespace
}  // namespace vyn::testing
