#pragma once
// Where a window stands: the [Windows] values of the settings file, written
// "left,top,width,height,state" (state 0 normal, 1 minimised, 2 maximised).
#include <string>
#include <string_view>

#include "settings/bounds.h"

namespace vyn {

enum TWindowState { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };

struct WindowPlacement {
  bool Valid = false;  // false: not stored yet, to be fitted
  TBounds Bounds;
  int State = wsNormal;

  friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// The placement of a text of five integers (exactly four commas), valid;
// `fallback` unchanged for any other text, and for bounds beyond
// kMaxBoundsValue (value_list.h). A state other than 0, 1 or 2
// reads as normal.
WindowPlacement ParseWindowPlacement(std::string_view text,
                                     const WindowPlacement& fallback);
std::string FormatWindowPlacement(const WindowPlacement& placement);

// Stores a window's placement: valid, its state always, its bounds only in
// the normal state (a minimised or maximised window keeps the bounds it
// will be restored to).
void StoreWindowPlacement(WindowPlacement& placement, const TBounds& bounds,
                          int state);

}  // namespace vyn
