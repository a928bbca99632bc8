#include "settings/print_item.h"

#include "settings/value_list.h"

namespace vyn {

std::optional<PrintItem> ParsePrintItem(std::string_view text) {
  const auto values = ParseIntegerList(text, 5);
  if (!values) return std::nullopt;
  const std::vector<int>& v = *values;
  return PrintItem{{v[0], v[1], v[2], v[3]}, v[4] != 0};
}

PrintItem ParsePrintItem(std::string_view text, const TBounds& default_bounds) {
  return ParsePrintItem(text).value_or(PrintItem{default_bounds, true});
}

std::string FormatPrintItem(const PrintItem& item) {
  return FormatBoundsList(item.Bounds, item.Shown ? 1 : 0);
}

}  // namespace vyn
