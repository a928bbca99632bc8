#pragma once
// The comma-separated integers of the placement and print item formats.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/bounds.h"

namespace vyn {

// Exactly `count` integers separated by commas, or nothing.
std::optional<std::vector<int>> ParseIntegerList(std::string_view text,
                                                std::size_t count);

// The largest magnitude of a stored left, top, width or height: far beyond
// any screen or page, and small enough that a right or bottom edge, or a
// size scaled for a printer, stays within the range of int.
inline constexpr int kMaxBoundsValue = 1000000;

// Exactly five integers separated by commas, the first four a rectangle
// whose values lie within +-kMaxBoundsValue, or nothing.
struct TBoundsList {
  TBounds Bounds;
  int Last = 0;
};
std::optional<TBoundsList> ParseBoundsList(std::string_view text);

// "left,top,width,height,last".
std::string FormatBoundsList(const TBounds& bounds, int last);

}  // namespace vyn
