#pragma once
// The place of one block on a printed page: the [PrintOptions] values,
// written "left,top,width,height,shown" (shown 1 or 0), in the units of the
// printout that places the block.
#include <optional>
#include <string>
#include <string_view>

#include "settings/bounds.h"

namespace vyn {

struct PrintItem {
  TBounds Bounds;
  bool Shown = false;

  friend bool operator==(const PrintItem&, const PrintItem&) = default;
};

// The item of a text of five integers (exactly four commas; shown is any
// value other than 0); nothing for any other text, and for bounds beyond
// kMaxBoundsValue (value_list.h).
std::optional<PrintItem> ParsePrintItem(std::string_view text);
// The same with the default for any other text: the default bounds, shown.
PrintItem ParsePrintItem(std::string_view text, const TBounds& default_bounds);
std::string FormatPrintItem(const PrintItem& item);

}  // namespace vyn
