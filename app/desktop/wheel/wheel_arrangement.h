#pragma once
// Where the wheel window puts its wheels and their name plates for each of
// its layouts: one wheel, two wheels (side by side, stacked, or as two
// overlapping squares along the diagonal of a nearly square window), three
// to six wheels in a grid, and the double wheel that fills the window.
// Plain geometry: the window feeds it its sizes and places what it gets.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <optional>

namespace vyn::desktop {

// The layout codes of the wheel window.
enum EWheelLayout : int {
  wlSingle = 1,
  wlTwin = 2,
  wlThree = 3,
  wlFour = 4,
  wlFive = 5,
  wlSix = 6,
  wlDouble = 7,
};

inline constexpr int kWheelCount = 6;
inline constexpr QSize kPlateSize{120, 25};

// Wheel k and plate k are at index k - 1; nothing for a hidden one.
struct TWheelArrangement {
  std::array<std::optional<QRect>, kWheelCount> wheels;
  std::array<std::optional<QPoint>, kWheelCount> plates;  // top-left corners
};

// The arrangement for `layout` in a window of `size`. A wheel that has a
// cell of its own has its plate at the cell's lower right, under the wheel
// or beside it; the overlapping squares have theirs in the free corners
// (the first one `topOffset` lower, for a window whose top edge is
// covered), the double wheel in opposite corners. Plates are kept inside
// the window. An unknown layout code shows nothing.
TWheelArrangement ArrangementOf(int layout, QSize size, int topOffset = 0);

// The two wheels of the twin layout in a window that is neither at least
// half as wide again as it is high nor the other way round: the first
// square reaches past the top-left corner, the second past the bottom-right
// one, and they overlap along the diagonal.
std::array<QRect, 2> OverlappingSquares(QSize size);

}  // namespace vyn::desktop
