// The wheel widget driven offscreen: presses through Qt events, the blink
// timer, blink steps that change only the selected elements, the layout
// following the widget's size and the picture, and the font.
#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <utility>
#include <vector>

#include "graphics/wheel/wheel_painter.h"
#include "graphics/wheel/wheel_widget.h"
#include "tests/graphics/wheel_fixture.h"

namespace vyn::testing {
namespace {

using THits = std::vector<std::pair<TWheelHitType, int>>;

// Collects the areas the widget is asked to paint.
class TPaintRecorder : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) regions.push_back(static_cast<QPaintEvent*>(event)->region());
    return false;
  }
  std::vector<QRegion> regions;
};

long Area(const QRegion& region) {
  long area = 0;
  for (const QRect& r : region) area += static_cast<long>(r.width()) * r.height();
  return area;
}

class WheelWidgetTest : public RealChartsTest {
 protected:
  void SetUp() override {
    RealChartsTest::SetUp();
    widget_.resize(500, 500);
    widget_.Wheel().SetHoroscope(&ann_);
    widget_.Wheel().SetOffScreen(true);
    widget_.Wheel().OnMouseHit = [this](TWheel&, TWheelHitType type, int ref) {
      hits_.emplace_back(type, ref);
    };
    widget_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget_));
  }
  QPoint Glyph(int slot) const {
    const TWheelPoint p = widget_.Wheel().Geometry().outer.glyphs[slot];
    return {p.x, p.y};
  }
  QImage Picture() { return widget_.grab().toImage(); }

  TWheelWidget widget_;
  THits hits_;
};

TEST_F(WheelWidgetTest, APressReportsTheElementAndStartsTheBlinkTimer) {
  QTest::mouseClick(&widget_, Qt::LeftButton, {}, Glyph(9));
  EXPECT_EQ(hits_, (THits{{htPlanet, 9}}));
  EXPECT_TRUE(widget_.BlinkTimer().isActive());
  EXPECT_EQ(widget_.BlinkTimer().interval(), 500);
  EXPECT_EQ(widget_.Wheel().MouseX(), Glyph(9).x());
  QSignalSpy ticks(&widget_.BlinkTimer(), &QTimer::timeout);
  ASSERT_TRUE(ticks.wait(2000));
  EXPECT_FALSE(widget_.Wheel().BlinkPhase());
}

TEST_F(WheelWidgetTest, ARightPressReportsOnlyTheRightClick) {
  QTest::mouseClick(&widget_, Qt::RightButton, {}, Glyph(9));
  EXPECT_EQ(hits_, (THits{{htRightClick, 0}}));
  EXPECT_FALSE(widget_.BlinkTimer().isActive());
}

TEST_F(WheelWidgetTest, APressWithAModifierIsNoPlainLeftPress) {
  TWheelWidget inner;
  inner.Wheel().SetHoroscope(&bob_);
  widget_.Wheel().SetRelationWheel(&inner.Wheel());
  widget_.Wheel().SetDualMode(true);
  widget_.update();
  QTest::qWait(0);  // the next paint lays the double wheel out
  widget_.Wheel().Layout({0, 0, widget_.width(), widget_.height()});
  QTest::mouseClick(&widget_, Qt::LeftButton, Qt::ControlModifier, Glyph(9));
  EXPECT_EQ(hits_, (THits{{htPlanet, 9}}));
  hits_.clear();
  QTest::mouseClick(&widget_, Qt::LeftButton, {}, Glyph(9));
  EXPECT_EQ(hits_, (THits{{htPlanet, 9}, {htLeftClick, 0}}));
}

// A blink step changes the selected elements and nothing else, and asks for
// no more than their area to be painted.
TEST_F(WheelWidgetTest, ABlinkStepRedrawsOnlyTheSelection) {
  const QImage plain = Picture();
  TWheel& wheel = widget_.Wheel();
  wheel.Select(false, htPlanet, 9);
  wheel.Select(false, htSign, 2);
  wheel.Select(false, htAxis, 1);
  const QRegion bounds = TWheelPainter::SelectionRegion(wheel);
  ASSERT_FALSE(bounds.isEmpty());
  EXPECT_LT(Area(bounds), 500 * 500 / 20);
  const QImage on = Picture();

  TPaintRecorder recorder;
  widget_.installEventFilter(&recorder);
  wheel.BlinkTick();
  QTest::qWait(50);
  widget_.removeEventFilter(&recorder);
  ASSERT_FALSE(recorder.regions.empty());
  for (const QRegion& r : recorder.regions) EXPECT_TRUE((r - bounds).isEmpty());
  const QImage off = Picture();

  int changed = 0;
  for (int y = 0; y < on.height(); ++y)
    for (int x = 0; x < on.width(); ++x) {
      const bool differs = on.pixel(x, y) != off.pixel(x, y) || on.pixel(x, y) != plain.pixel(x, y);
      if (!differs) continue;
      ++changed;
      EXPECT_TRUE(bounds.contains(QPoint(x, y))) << x << "," << y;
    }
  EXPECT_GT(changed, 100);

  // The end restores the wheel as it was.
  wheel.SetBlinking(false);
  EXPECT_FALSE(widget_.BlinkTimer().isActive());
  EXPECT_EQ(Picture(), plain);
}

TEST_F(WheelWidgetTest, TheWheelIsLaidOutForTheWidgetAfterAPicture) {
  QImage page(300, 200, QImage::Format_ARGB32);
  QPainter painter(&page);
  widget_.Picture().Draw(painter, QRect(0, 0, 300, 200));
  painter.end();
  EXPECT_EQ(widget_.Wheel().LastLayoutRect(), (TWheelRect{0, 0, 300, 200}));
  widget_.resize(420, 380);
  Picture();
  EXPECT_EQ(widget_.Wheel().LastLayoutRect(), (TWheelRect{0, 0, 420, 380}));
  EXPECT_EQ(widget_.Wheel().Geometry().R, 190);
}

TEST_F(WheelWidgetTest, TheWidgetsFontNamesTheGlyphFont) {
  EXPECT_EQ(widget_.Wheel().FontName(), kWheelFontFamily);
  widget_.setFont(QFont(QStringLiteral("DejaVu Sans")));
  EXPECT_EQ(widget_.Wheel().FontName(), "DejaVu Sans");
}

}  // namespace
}  // namespace vyn::testing
