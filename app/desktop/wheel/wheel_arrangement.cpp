#include "app/desktop/wheel/wheel_arrangement.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vyn::desktop {
namespace {

// Plate positions are given as (top, left) in the tables below.
QPoint Plate(int top, int left) { return {left, top}; }

// `count` wheels in a grid of `columns`, filled row by row.
void Grid(TWheelArrangement& a, int count, int columns, int rows, QSize size) {
  const int cellW = size.width() / columns;
  const int cellH = size.height() / rows;
  for (int k = 0; k < count; ++k)
    a.wheels[k] = QRect((k % columns) * cellW, (k / columns) * cellH, cellW, cellH);
}

void Twin(TWheelArrangement& a, QSize size, int topOffset) {
  const int W = size.width(), H = size.height();
  if (2 * H >= 3 * W) {  // tall: one above the other
    a.wheels[0] = QRect(0, 0, W, H / 2);
    a.wheels[1] = QRect(0, H / 2, W, H / 2);
    a.plates[0] = Plate(H / 2 - 12, W - 130);
    a.plates[1] = Plate(H - 50, W - 130);
  } else if (2 * W >= 3 * H) {  // wide: side by side
    a.wheels[0] = QRect(0, 0, W / 2, H);
    a.wheels[1] = QRect(W / 2, 0, W / 2, H);
    a.plates[0] = Plate(H - 50, W / 2 - 40);
    a.plates[1] = Plate(H - 50, W - 130);
  } else {
    const auto squares = OverlappingSquares(size);
    a.wheels[0] = squares[0];
    a.wheels[1] = squares[1];
    a.plates[0] = Plate(topOffset + 10, W - 130);
    a.plates[1] = Plate(H - 60, 1);
  }
}

void Three(TWheelArrangement& a, QSize size, int topOffset) {
  const int W = size.width(), H = size.height();
  if (W >= H) {
    Grid(a, 3, 3, 1, size);
    a.plates[0] = Plate(H - 60, W / 3 - 130);
    a.plates[1] = Plate(H - 60, 2 * (W / 3) - 110);
    a.plates[2] = Plate(H - 60, W - 110);
  } else {
    Grid(a, 3, 1, 3, size);
    a.plates[0] = Plate(H / 3 + topOffset - 20, W - 130);
    a.plates[1] = Plate(2 * (H / 3) + topOffset - 30, W - 130);
    a.plates[2] = Plate(H - 55, W - 110);
  }
}

void Four(TWheelArrangement& a, QSize size) {
  const int W = size.width(), H = size.height();
  Grid(a, 4, 2, 2, size);
  a.plates[0] = Plate(H / 2 - 30, W / 2 - 130);
  a.plates[1] = Plate(H / 2 - 30, W - 130);
  a.plates[2] = Plate(H - 55, W / 2 - 110);
  a.plates[3] = Plate(H - 55, W - 110);
}

void FiveOrSix(TWheelArrangement& a, int count, QSize size) {
  const int W = size.width(), H = size.height();
  std::array<QPoint, kWheelCount> plates;
  if (W < H) {
    Grid(a, count, 2, 3, size);
    plates = {Plate(H / 3 - 25, W / 2 - 130),         Plate(H / 3 - 25, W - 130),
              Plate(2 * (H / 3) - 25, W / 2 - 110),   Plate(2 * (H / 3) - 25, W - 110),
              Plate(H - 55, W / 2 - 110),             Plate(H - 55, W - 110)};
  } else {
    Grid(a, count, 3, 2, size);
    plates = {Plate(H / 2 - 25, W / 3 - 130),         Plate(H / 2 - 25, 2 * (W / 3) - 110),
              Plate(H / 2 - 25, W - 110),             Plate(H - 55, W / 3 - 110),
              Plate(H - 55, 2 * (W / 3) - 110),       Plate(H - 55, W - 110)};
  }
  for (int k = 0; k < count; ++k) a.plates[k] = plates[k];
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
    case wlSingle:
      a.wheels[0] = QRect(0, 0, W, H);
      a.plates[0] = Plate(H - 30, W - 130);
      break;
    case wlTwin: Twin(a, size, topOffset); break;
    case wlThree: Three(a, size, topOffset); break;
    case wlFour: Four(a, size); break;
    case wlFive:
    case wlSix: FiveOrSix(a, layout, size); break;
    case wlDouble:
      a.wheels[0] = QRect(0, 0, W, H);
      a.plates[0] = Plate(5, W - 125);
      a.plates[1] = Plate(H - 35, 5);
      break;
    default: break;
  }
  KeepPlatesInside(a, size);
  return a;
}

}  // namespace vyn::desktop
