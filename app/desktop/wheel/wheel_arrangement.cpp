#include "app/desktop/wheel/wheel_arrangement.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vyn::desktop {
namespace {

constexpr int kPlateMargin = 5;

// Plate positions of the overlapping squares and the double wheel are given
// as (top, left).
QPoint Plate(int top, int left) { return {left, top}; }

// A wheel's plate at the lower right of the wheel's disc: under it when the
// cell has room below, beside it when the cell has room to its right, else
// in the cell's corner beside the disc. Either way it stays within the
// cell, so no plate reaches into a neighbour's cell.
QPoint PlateOfCell(const QRect& cell) {
  const int side = std::min(cell.width(), cell.height());
  const int discRight = cell.left() + (cell.width() + side) / 2;
  const int discBottom = cell.top() + (cell.height() + side) / 2;
  const int cellRight = cell.left() + cell.width();
  const int cellBottom = cell.top() + cell.height();
  const int w = kPlateSize.width(), h = kPlateSize.height();
  if (cellBottom - discBottom >= h + 2 * kPlateMargin)
    return {discRight - w, discBottom + kPlateMargin};
  if (cellRight - discRight >= w + 2 * kPlateMargin)
    return {discRight + kPlateMargin, discBottom - h - kPlateMargin};
  return {cellRight - w - kPlateMargin, cellBottom - h - kPlateMargin};
}

// `count` wheels in a grid of `columns`, filled row by row.
void Grid(TWheelArrangement& a, int count, int columns, int rows, QSize size) {
  const int cellW = size.width() / columns;
  const int cellH = size.height() / rows;
  for (int k = 0; k < count; ++k)
    a.wheels[static_cast<std::size_t>(k)] =
        QRect((k % columns) * cellW, (k / columns) * cellH, cellW, cellH);
}

void Twin(TWheelArrangement& a, QSize size, int topOffset) {
  const int W = size.width(), H = size.height();
  if (2 * H >= 3 * W) {  // tall: one above the other
    a.wheels[0] = QRect(0, 0, W, H / 2);
    a.wheels[1] = QRect(0, H / 2, W, H / 2);
  } else if (2 * W >= 3 * H) {  // wide: side by side
    a.wheels[0] = QRect(0, 0, W / 2, H);
    a.wheels[1] = QRect(W / 2, 0, W / 2, H);
  } else {
    // The free corners: top right for the first, bottom left for the second.
    const auto squares = OverlappingSquares(size);
    a.wheels[0] = squares[0];
    a.wheels[1] = squares[1];
    a.plates[0] = Plate(topOffset + 10, W - 130);
    a.plates[1] = Plate(H - 60, 1);
  }
}

// Wheels that stand in cells of their own get their plates there.
void PlatesOfCells(TWheelArrangement& a) {
  for (std::size_t i = 0; i < a.wheels.size(); ++i)
    if (a.wheels[i] && !a.plates[i]) a.plates[i] = PlateOfCell(*a.wheels[i]);
}

// A plate never leaves the window, so its name can always be read.
void KeepPlatesInside(TWheelArrangement& a, QSize size) {
  for (auto& plate : a.plates) {
    if (!plate) continue;
    plate->setX(std::max(0, std::min(plate->x(), size.width() - kPlateSize.width())));
    plate->setY(std::max(0, std::min(plate->y(), size.height() - kPlateSize.height())));
  }
}

}  // namespace

std::array<QRect, 2> OverlappingSquares(QSize size) {
  const int W = size.width(), H = size.height();
  const double t = std::abs(W - H) / 90.0;
  const int s1 = static_cast<int>(std::trunc(W / 100.0 * (31.2 + t)));
  const int s2 = static_cast<int>(std::trunc(H / 100.0 * (31.2 + t)));
  const int S = s1 + s2;
  const int k = S / 21;
  return {QRect(-k, -k, S, S), QRect(W - S, H - S, S + k, S + k)};
}

TWheelArrangement ArrangementOf(int layout, QSize size, int topOffset) {
  TWheelArrangement a;
  const int W = size.width(), H = size.height();
  switch (layout) {
    case wlSingle: a.wheels[0] = QRect(0, 0, W, H); break;
    case wlTwin: Twin(a, size, topOffset); break;
    case wlThree:
      if (W >= H) Grid(a, 3, 3, 1, size);
      else Grid(a, 3, 1, 3, size);
      break;
    case wlFour: Grid(a, 4, 2, 2, size); break;
    case wlFive:
    case wlSix:
      if (W < H) Grid(a, layout, 2, 3, size);
      else Grid(a, layout, 3, 2, size);
      break;
    case wlDouble:
      a.wheels[0] = QRect(0, 0, W, H);
      a.plates[0] = Plate(5, W - 125);   // the outer chart's, top right
      a.plates[1] = Plate(H - 35, 5);    // the inner chart's, bottom left
      break;
    default: break;
  }
  PlatesOfCells(a);
  KeepPlatesInside(a, size);
  return a;
}

}  // namespace vyn::desktop
