#include "settings/integer_text.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace vyn {
namespace {

std::optional<int> ParseHex(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (error != std::errc() || end != digits.data() + digits.size())
    return std::nullopt;
  return static_cast<int>(value);
}

std::optional<int> ParseDecimal(std::string_view text) {
  if (text.starts_with('+')) {
    text.remove_prefix(1);
    if (text.starts_with('-')) return std::nullopt;
  }
  long long value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() ||
      value < std::numeric_limits<int>::min() ||
      value > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

std::string_view TrimIniBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::optional<int> ParseIniInteger(std::string_view text) {
  text = TrimIniBlanks(text);
  if (text.starts_with('$')) return ParseHex(text.substr(1));
  if (text.starts_with("0x") || text.starts_with("0X"))
    return ParseHex(text.substr(2));
  return ParseDecimal(text);
}

}  // namespace vyn
