// Where the wheels and their name plates stand in each layout of the wheel
// window, for windows of several shapes.
#include "app/desktop/wheel/wheel_arrangement.h"

#include <gtest/gtest.h>

#include <ostream>

// Rectangles as (left, top, width, height) in failure messages.
void PrintTo(const QRect& r, std::ostream* out) {
  *out << "(" << r.left() << ", " << r.top() << ", " << r.width() << ", " << r.height() << ")";
}

namespace vyn::desktop {
namespace {

int Shown(const TWheelArrangement& a) {
  int count = 0;
  for (const auto& wheel : a.wheels) count += wheel.has_value();
  return count;
}

struct TTwinCase {
  QSize size;
  QRect first, second;
  bool cells;  // each wheel in a cell of its own
};

// A plate that lies within its wheel's cell names that wheel alone.
void ExpectPlatesInCells(const TWheelArrangement& a) {
  for (std::size_t i = 0; i < a.wheels.size(); ++i) {
    if (!a.wheels[i]) continue;
    ASSERT_TRUE(a.plates[i]);
    EXPECT_TRUE(a.wheels[i]->contains(QRect(*a.plates[i], kPlateSize))) << "plate " << i + 1;
  }
}

class TwinLayout : public ::testing::TestWithParam<TTwinCase> {};

// A wide window gets two halves side by side, a tall one two halves
// stacked, and a nearly square one two squares overlapping along the
// diagonal, each reaching past its corner.
TEST_P(TwinLayout, PlacesTheTwoWheelsByTheWindowsShape) {
  const TTwinCase& c = GetParam();
  const TWheelArrangement a = ArrangementOf(wlTwin, c.size);
  ASSERT_EQ(Shown(a), 2);
  EXPECT_EQ(*a.wheels[0], c.first);
  EXPECT_EQ(*a.wheels[1], c.second);
  EXPECT_TRUE(a.plates[0] && a.plates[1]);
  EXPECT_FALSE(a.plates[2]);
  if (c.cells) ExpectPlatesInCells(a);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, TwinLayout,
    ::testing::Values(TTwinCase{{900, 500}, {0, 0, 450, 500}, {450, 0, 450, 500}, true},
                      TTwinCase{{500, 900}, {0, 0, 500, 450}, {0, 450, 500, 450}, true},
                      TTwinCase{{600, 600}, {-17, -17, 374, 374}, {226, 226, 391, 391}, false},
                      TTwinCase{{600, 800}, {-22, -22, 467, 467}, {133, 333, 489, 489}, false},
                      // Exactly half as wide again: side by side.
                      TTwinCase{{750, 500}, {0, 0, 375, 500}, {375, 0, 375, 500}, true}));

TEST(WheelArrangement, TheOverlappingSquaresOfTheTwinLayoutPlaceTheirPlatesInTheFreeCorners) {
  const TWheelArrangement a = ArrangementOf(wlTwin, {600, 600});
  EXPECT_EQ(*a.plates[0], QPoint(470, 10));  // top right
  EXPECT_EQ(*a.plates[1], QPoint(1, 540));   // bottom left
  EXPECT_EQ(*ArrangementOf(wlTwin, {600, 600}, 20).plates[0], QPoint(470, 30));
}

TEST(WheelArrangement, TheDoubleWheelFillsTheWindowWithThePlatesInOppositeCorners) {
  const TWheelArrangement a = ArrangementOf(wlDouble, {800, 600});
  ASSERT_EQ(Shown(a), 1);
  EXPECT_EQ(*a.wheels[0], QRect(0, 0, 800, 600));
  EXPECT_EQ(*a.plates[0], QPoint(675, 5));
  EXPECT_EQ(*a.plates[1], QPoint(5, 565));
}

struct TGridCase {
  int layout;
  QSize size;
  int columns, rows;
};

class GridLayouts : public ::testing::TestWithParam<TGridCase> {};

// Three to six wheels fill a grid row by row, in cells of equal size; the
// cells of a grid that has more than the people stay empty.
TEST_P(GridLayouts, FillTheGridRowByRow) {
  const TGridCase& c = GetParam();
  const TWheelArrangement a = ArrangementOf(c.layout, c.size);
  const int cellW = c.size.width() / c.columns, cellH = c.size.height() / c.rows;
  ASSERT_EQ(Shown(a), c.layout);
  for (int k = 0; k < kWheelCount; ++k) {
    SCOPED_TRACE(k + 1);
    const std::size_t i = static_cast<std::size_t>(k);
    if (k >= c.layout) {
      EXPECT_FALSE(a.wheels[i]);
      EXPECT_FALSE(a.plates[i]);
      continue;
    }
    EXPECT_EQ(*a.wheels[i], QRect((k % c.columns) * cellW, (k / c.columns) * cellH, cellW, cellH));
  }
  ExpectPlatesInCells(a);
}

// In a tall cell the plate stands right under its wheel, at the wheel's
// right edge; in a wide cell right beside the wheel's foot; in a cell
// without room around the wheel, in the corner.
TEST(WheelArrangement, APlateStandsCloseToItsWheel) {
  const TWheelArrangement three = ArrangementOf(wlThree, {900, 500});
  EXPECT_EQ(*three.plates[0], QPoint(300 - 120, 400 + 5));
  const TWheelArrangement four = ArrangementOf(wlFour, {1400, 770});
  EXPECT_EQ(*four.plates[3], QPoint(700 + 542 + 5, 385 + 385 - 25 - 5));
  const TWheelArrangement six = ArrangementOf(wlSix, {900, 600});
  EXPECT_EQ(*six.plates[4], QPoint(600 - 125, 600 - 30));
  const TWheelArrangement one = ArrangementOf(wlSingle, {800, 600});
  EXPECT_EQ(*one.plates[0], QPoint(800 - 125, 600 - 30));
}

INSTANTIATE_TEST_SUITE_P(
    Counts, GridLayouts,
    ::testing::Values(TGridCase{wlThree, {900, 500}, 3, 1}, TGridCase{wlThree, {500, 900}, 1, 3},
                      TGridCase{wlFour, {800, 600}, 2, 2}, TGridCase{wlFive, {600, 900}, 2, 3},
                      TGridCase{wlFive, {900, 600}, 3, 2}, TGridCase{wlSix, {900, 600}, 3, 2},
                      TGridCase{wlSix, {600, 601}, 2, 3}, TGridCase{wlSix, {600, 600}, 3, 2}));

// However small the window, a plate that is shown can be read whole.
TEST(WheelArrangement, PlatesStayInsideTheWindow) {
  for (int layout = wlSingle; layout <= wlDouble; ++layout)
    for (const QSize size : {QSize(390, 370), QSize(600, 600), QSize(1400, 820), QSize(300, 900)}) {
      const TWheelArrangement a = ArrangementOf(layout, size);
      for (const auto& plate : a.plates) {
        if (!plate) continue;
        SCOPED_TRACE(::testing::Message() << "layout " << layout << " " << size.width() << "x"
                                          << size.height());
        EXPECT_TRUE(QRect(QPoint(0, 0), size).contains(QRect(*plate, kPlateSize)));
      }
    }
}

TEST(WheelArrangement, AnUnknownLayoutShowsNothing) {
  for (int layout : {0, 8, -1}) {
    const TWheelArrangement a = ArrangementOf(layout, {600, 600});
    EXPECT_EQ(Shown(a), 0);
  }
}

}  // namespace
}  // namespace vyn::desktop
