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

std::optional<TBoundsList> ParseBoundsList(std::string_view text) {
  const auto values = ParseIntegerList(text, 5);
  if (!values) return std::nullopt;
  const std::vector<int>& v = *values;
  for (std::size_t i = 0; i < 4; ++i)
    if (v[i] < -kMaxBoundsValue || v[i] > kMaxBoundsValue) return std::nullopt;
  return TBoundsList{{v[0], v[1], v[2], v[3]}, v[4]};
}

std::string FormatBoundsList(const TBounds& bounds, int last) {
  return std::to_string(bounds.Left) + "," + std::to_string(bounds.Top) + "," +
         std::to_string(bounds.Width) + "," + std::to_string(bounds.Height) +
         "," + std::to_string(last);
}

}  // namespace vyn
