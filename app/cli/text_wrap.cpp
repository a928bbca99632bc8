#include "app/cli/text_wrap.h"

#include <sstream>

namespace vyn::cli {

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (unsigned char c : text) count += (c & 0xC0) != 0x80;
  return count;
}

std::string WrapText(std::string_view text, std::size_t width, const std::string& indent) {
  std::istringstream words{std::string(text)};
  std::string out = indent, word;
  std::size_t used = CharacterCount(indent);
  const std::size_t start = used;
  for (bool first = true; words >> word; first = false) {
    const std::size_t length = CharacterCount(word);
    if (!first && used + 1 + length > width) {
      out += "\n" + indent;
      used = start;
    } else if (!first) {
      out += ' ';
      ++used;
    }
    out += word;
    used += length;
  }
  return out;
}

std::string Underlined(const std::string& text) {
  return text + "\n" + std::string(CharacterCount(text), '=');
}

}  // namespace vyn::cli
