#include "settings/window_placement.h"

#include "settings/value_list.h"

namespace vyn {

WindowPlacement ParseWindowPlacement(std::string_view text,
                                     const WindowPlacement& fallback) {
  const auto list = ParseBoundsList(text);
  if (!list) return fallback;
  const int state = list->Last >= wsNormal && list->Last <= wsMaximized ? list->Last : wsNormal;
  return {true, list->Bounds, state};
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
