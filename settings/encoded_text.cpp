#include "settings/encoded_text.h"

#include <cstdio>

namespace vyn {

std::string EncodeText(std::string_view text) {
  std::string encoded;
  encoded.reserve(text.size() * 3);
  for (const char c : text) {
    const unsigned char byte =
        c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A')
                             : static_cast<unsigned char>(c);
    char digits[4];
    std::snprintf(digits, sizeof digits, "%03u", static_cast<unsigned>(byte));
    encoded += digits;
  }
  return encoded;
}

std::optional<std::string> DecodeText(std::string_view encoded) {
  if (encoded.size() % 3 != 0) return std::nullopt;
  std::string text;
  for (std::size_t i = 0; i < encoded.size(); i += 3) {
    int code = 0;
    for (const char digit : encoded.substr(i, 3)) {
      if (digit < '0' || digit > '9') return std::nullopt;
      code = code * 10 + (digit - '0');
    }
    if (code > 255) return std::nullopt;
    text += static_cast<char>(code);
  }
  return text;
}

}  // namespace vyn
