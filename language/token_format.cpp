#include "language/token_format.h"

namespace vyn {
namespace {

// The argument number of a placeholder at `at`, or 0.
int PlaceholderAt(std::string_view text, std::size_t at) {
  if (text[at] != '%' || at + 1 >= text.size()) return 0;
  const char digit = text[at + 1];
  return digit >= '1' && digit <= '9' ? digit - '0' : 0;
}

}  // namespace

std::string FormatToken(std::string_view text, const std::vector<std::string>& arguments) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int n = PlaceholderAt(text, i);
    if (n > 0 && static_cast<std::size_t>(n) <= arguments.size()) {
      result += arguments[static_cast<std::size_t>(n - 1)];
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

bool HasPlaceholders(std::string_view text, int count) {
  for (int n = 1; n <= count; ++n)
    if (text.find("%" + std::to_string(n)) == std::string_view::npos) return false;
  return true;
}

}  // namespace vyn
