#include "settings/print_item.h"

#include "settings/value_list.h"

namespace vyn {

std::optional<PrintItem> ParsePrintItem(std::string_view text) {
  const auto list = ParseBoundsList(text);
  if (!list) return std::nullopt;
  return PrintItem{list->Bounds, list->Last != 0};
}

PrintItem ParsePrintItem(std::string_view text, const TBounds& default_bounds) {
  return ParsePrintItem(text).value_or(PrintItem{default_bounds, true});
}

std::string FormatPrintItem(const PrintItem& item) {
  return FormatBoundsList(item.Bounds, item.Shown ? 1 : 0);
}

}  // namespace vyn
