#include "graphics/wheel/wheel_types.h"

#include <cmath>

namespace vyn {

double TWheelLine::Distance(int x, int y) const { return std::fabs(a * x + b * y + c); }

TWheelLine MakeWheelLine(TWheelPoint from, TWheelPoint to) {
  TWheelLine line{from, to};
  const double dx = to.x - from.x, dy = to.y - from.y;
  const double length = std::hypot(dx, dy);
  if (length == 0) {
    line.a = 1;
    line.b = 0;
  } else {
    line.a = -dy / length;
    line.b = dx / length;
  }
  line.c = -(line.a * from.x + line.b * from.y);
  return line;
}

}  // namespace vyn
