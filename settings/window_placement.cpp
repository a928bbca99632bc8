#include "settings/window_placement.h"

#include "settings/value_list.h"

namespace vyn {

WindowPlacement ParseWindowPlacement(std::string_view text,
                                     const WindowPlacement& fallback) {
  const auto values = ParseIntegerList(text, 5);
  if (!values) return fallback;
  const std::vector<int>& v = *values;
  const int state = v[4] >= wsNormal && v[4] <= wsMaximized ? v[4] : wsNormal;
  return {true, {v[0], v[1], v[2], v[3]}, state};
}

std::string FormatWindowPlacement(const WindowPlacement& placement) {
  return FormatBoundsList(placement.Bounds, placement.State);
}

void StoreWindowPlacement(WindowPlacement& placement, const TBounds& bounds,
                          int state) {
  placement.Valid = true;
  placement.State = state;
  if (state == wsNormal) placement.Bounds = bounds;
}

}  // namespace vyn
