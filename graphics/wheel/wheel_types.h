#pragma once
// Plain value types of the wheel's geometry: integer pixel points and
// rectangles, line segments with their normalised line equations, colours.
#include <cstdint>

namespace vyn {

struct TWheelPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const TWheelPoint&, const TWheelPoint&) = default;
};

// Left and top inside, right and bottom the first pixel outside.
struct TWheelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const TWheelRect&, const TWheelRect&) = default;
};

// A segment from `from` to `to` and the line through it as a·x + b·y + c = 0
// with a² + b² = 1, so that |a·x + b·y + c| is the distance of (x, y) in
// pixels from that line.
struct TWheelLine {
  TWheelPoint from;
  TWheelPoint to;
  double a = 0;
  double b = 0;
  double c = 0;
  double Distance(int x, int y) const;
};

// The segment and its equation. A segment of length 0 gets the vertical
// line through its point.
TWheelLine MakeWheelLine(TWheelPoint from, TWheelPoint to);

struct TRgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const TRgb&, const TRgb&) = default;
};

}  // namespace vyn
