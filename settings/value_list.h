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

// "left,top,width,height,last".
std::string FormatBoundsList(const TBounds& bounds, int last);

}  // namespace vyn
