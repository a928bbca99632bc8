#include "data/blob_lines.h"

#include "data/vyn_field.h"

namespace vyn {

std::vector<std::string> TextToLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

std::vector<std::string> BlobToLines(const TVynField& field) {
  return TextToLines(field.AsBytes());
}

}  // namespace vyn
