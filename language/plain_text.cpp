#include "language/plain_text.h"

#include <algorithm>
#include <climits>
#include <iterator>

namespace vyn {
namespace {

// Characters beyond ASCII that end a line: next line, line and paragraph
// separator, in UTF-8.
struct TUnicodeBreak {
  std::string_view bytes;
  std::string_view escape;
};
constexpr TUnicodeBreak kUnicodeBreaks[] = {{"\xC2\x85", "\\u0085"},
                                            {"\xE2\x80\xA8", "\\u2028"},
                                            {"\xE2\x80\xA9", "\\u2029"}};

char UpperChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string UpperAscii(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(), UpperChar);
  return result;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

void DropLastCharacter(std::string& text) {
  while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
    text.pop_back();
  if (!text.empty()) text.pop_back();
}

std::optional<int> DecimalInteger(std::string_view text) {
  text = TrimBlanks(text);
  const bool negative = text.starts_with('-');
  if (negative || text.starts_with('+')) text.remove_prefix(1);
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  long long value = 0;
  for (const char digit : text)
    value = std::min(value * 10 + (digit - '0'), static_cast<long long>(INT_MAX));
  return static_cast<int>(negative ? -value : value);
}

std::string OneLineText(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string line;
  line.reserve(text.size());
  while (!text.empty()) {
    const TUnicodeBreak* wide = std::find_if(
        std::begin(kUnicodeBreaks), std::end(kUnicodeBreaks),
        [&](const TUnicodeBreak& b) { return text.starts_with(b.bytes); });
    if (wide != std::end(kUnicodeBreaks)) {
      line += wide->escape;
      text.remove_prefix(wide->bytes.size());
      continue;
    }
    const auto byte = static_cast<unsigned char>(text.front());
    text.remove_prefix(1);
    if (byte == '\n') {
      line += "\\n";
    } else if (byte == '\r') {
      line += "\\r";
    } else if (byte == '\t') {
      line += "\\t";
    } else if (byte < 0x20 || byte == 0x7F) {
      line += "\\x";
      line += kHex[byte >> 4];
      line += kHex[byte & 15];
    } else {
      line += static_cast<char>(byte);
    }
  }
  return line;
}

}  // namespace vyn
