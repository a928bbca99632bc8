#pragma once
// A rectangle as the settings store it: left, top, width, height.

namespace vyn {

struct TBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;

  friend bool operator==(const TBounds&, const TBounds&) = default;
};

}  // namespace vyn
