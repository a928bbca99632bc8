#include "graphics/wheel/wheel_selection.h"

#include <algorithm>

namespace vyn {

void TWheelSelection::Clear() {
  house = sign = cusp = axis = aspect = -1;
  count = 0;
}

bool TWheelSelection::Empty() const {
  return house < 0 && sign < 0 && cusp < 0 && axis < 0 && aspect < 0 && count == 0;
}

bool TWheelSelection::HasBody(int slot) const {
  return std::find(bodies.begin(), bodies.begin() + count, slot) != bodies.begin() + count;
}

void TWheelSelection::AddBody(int slot) {
  if (count < kMaxBodies && !HasBody(slot)) bodies[count++] = slot;
}

void TWheelSelection::SetBody(int slot) {
  count = 0;
  AddBody(slot);
}

void TWheelSelection::AddAspectPoint(int point) {
  if (point == 13) axis = 1;
  else if (point == 14) axis = 4;
  else if (point >= 1 && point <= 12) AddBody(point);
}

}  // namespace vyn
