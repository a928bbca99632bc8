#include "settings/value_list.h"

#include "settings/integer_text.h"

namespace vyn {

std::optional<std::vector<int>> ParseIntegerList(std::string_view text,
                                                std::size_t count) {
  std::vector<int> values;
  for (;;) {
    const std::size_t comma = text.find(',');
    const auto value = ParseIniInteger(text.substr(0, comma));
    if (!value || values.size() == count) return std::nullopt;
    values.push_back(*value);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (values.size() != count) return std::nullopt;
  return values;
}

std::string FormatBoundsList(const TBounds& bounds, int last) {
  return std::to_string(bounds.Left) + "," + std::to_string(bounds.Top) + "," +
         std::to_string(bounds.Width) + "," + std::to_string(bounds.Height) +
         "," + std::to_string(last);
}

}  // namespace vyn
