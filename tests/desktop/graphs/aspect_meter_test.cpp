// The strength gauge's fill: upright bars grow upwards and stay inside the
// frame, lying bars grow to the right, and the value keeps to its range.
#include <gtest/gtest.h>

#include "graphics/graphs/aspect_meter.h"
#include "tests/desktop/views/desktop_fixture.h"

namespace vyn {
namespace {

struct TFillCase {
  TMeterKind kind;
  QSize size;
  int percent;
  QRect fill;  // empty: nothing drawn
};

TEST(AspectMeterTest, FillGrowsFromItsEdgeAndStaysInsideTheFrame) {
  const TFillCase cases[] = {
      {TMeterKind::mkVerticalBar, {24, 100}, 50, QRect(QPoint(2, 49), QPoint(21, 97))},
      // A full gauge stops two pixels short of the top.
      {TMeterKind::mkVerticalBar, {24, 100}, 100, QRect(QPoint(2, 2), QPoint(21, 97))},
      {TMeterKind::mkVerticalBar, {24, 100}, 0, QRect()},
      {TMeterKind::mkHorizontalBar, {100, 20}, 50, QRect(QPoint(2, 2), QPoint(48, 17))},
      {TMeterKind::mkHorizontalBar, {100, 20}, 100, QRect(QPoint(2, 2), QPoint(97, 17))},
      {TMeterKind::mkHorizontalBar, {100, 20}, 0, QRect()},
  };
  for (const TFillCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.size.width() << "x" << c.size.height() << " " << c.percent);
    EXPECT_EQ(MeterFill(c.kind, c.size, c.percent), c.fill);
  }
}

TEST(AspectMeterTest, ProgressKeepsToTheRangeAndAnEmptyRangeShowsNothing) {
  desktop::testing::EnsureApplication();
  TAspectMeter meter;
  meter.SetProgress(150);
  EXPECT_EQ(meter.Progress(), 100);
  meter.SetProgress(-5);
  EXPECT_EQ(meter.Progress(), 0);
  meter.SetMinValue(20);
  EXPECT_EQ(meter.Progress(), 20);
  meter.SetProgress(60);
  EXPECT_EQ(meter.Percent(), 50);
  meter.SetMaxValue(20);
  EXPECT_EQ(meter.Percent(), 0);
}

}  // namespace
}  // namespace vyn
