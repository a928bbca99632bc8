// The graph widgets on their own: which presses they report and to whom,
// and the pointer over what can be pressed.
#include <gtest/gtest.h>

#include <QtTest/QTest>

#include "graphics/graphs/bar_graph_widget.h"
#include "graphics/graphs/compatibility_widget.h"
#include "graphics/graphs/graph_pictures.h"
#include "tests/desktop/views/desktop_fixture.h"

namespace vyn {
namespace {

QPoint Centre(const TWheelRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class GraphWidgetsTest : public ::testing::Test {
 protected:
  void SetUp() override { desktop::testing::EnsureApplication(); }
};

TEST_F(GraphWidgetsTest, TheCompatibilityGraphReportsLeftPressesAndOtherButtonsApart) {
  TCompatibilityWidget widget;
  widget.resize(600, 500);
  widget.show();
  widget.Graph().Layout(ToWheelRect(widget.rect()));
  const TCompGeometry& g = widget.Graph().Geometry();
  int hits = 0;
  std::vector<TBarPress> presses;
  // Without a handler a left press does nothing, a right press still reports.
  widget.OnMouseHit = [&] { ++hits; };
  QTest::mouseClick(&widget, Qt::LeftButton, {}, Centre(g.harmonyBack));
  EXPECT_EQ(hits, 0);
  widget.onBarClick = [&](const TBarPress& press, const QPoint&) { presses.push_back(press); };
  struct TCase {
    QPoint point;
    TBarPress press;
  };
  const TCase cases[] = {
      {Centre(g.panels[0].rows[3].tensionBack), {1, 3, 2, "Graph"}},
      {Centre(g.panels[1].rows[1].harmonyBack), {2, 1, 1, "Graph"}},
      {Centre(g.harmonyBack), {1, 0, 0, "Harmony"}},
      {Centre(g.tensionBack), {1, 0, 0, "Tension"}},
      {Centre(g.areaButtons[2]), {0, 2, 0, "Center Button"}},
      {Centre(g.rightGlyphButtons[5]), {2, 5, 0, "Planet Symbol"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.press.portion);
    presses.clear();
    QTest::mouseClick(&widget, Qt::LeftButton, {}, c.point);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].portion, c.press.portion);
    EXPECT_EQ(presses[0].barNum, c.press.barNum);
    if (c.press.portion != "Center Button") {
      EXPECT_EQ(presses[0].userNum, c.press.userNum);
    }
    if (c.press.portion == "Graph") {
      EXPECT_EQ(presses[0].secNum, c.press.secNum);
    }
  }
  presses.clear();
  QTest::mouseClick(&widget, Qt::RightButton, {}, Centre(g.harmonyBack));
  EXPECT_EQ(hits, 1);
  EXPECT_TRUE(presses.empty());
  // The pointer: a hand over the bars, the arrow beside the graph.
  QTest::mouseMove(&widget, Centre(g.panels[0].rows[1].harmonyBack));
  EXPECT_EQ(widget.cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseMove(&widget, QPoint(g.rect.left + 1, g.rect.bottom - 2));
  EXPECT_EQ(widget.cursor().shape(), Qt::ArrowCursor);
  EXPECT_FALSE(widget.Hover().on);
}

TEST_F(GraphWidgetsTest, AnElementBarReportsThePanelsPersonTheBarAndTheTruncatedPoints) {
  TBarGraphWidget widget(TBarGraphKind::bkElement);
  widget.resize(500, 300);
  widget.show();
  widget.Graph().Layout(ToWheelRect(widget.rect()));
  std::vector<std::array<int, 3>> presses;
  widget.onBarClick = [&](int person, int bar, int points) {
    presses.push_back({person, bar, points});
  };
  QTest::mouseClick(&widget, Qt::LeftButton, {}, Centre(widget.Graph().Geometry().panels[1].backs[3]));
  ASSERT_EQ(presses.size(), 1u);
  EXPECT_EQ(presses[0], (std::array<int, 3>{2, 3, 0}));  // no charts: no points
  QTest::mouseMove(&widget, Centre(widget.Graph().Geometry().panels[0].backs[4]));
  EXPECT_EQ(widget.cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseMove(&widget, Centre(widget.Graph().Geometry().title));
  EXPECT_EQ(widget.cursor().shape(), Qt::ArrowCursor);
}

}  // namespace
}  // namespace vyn
