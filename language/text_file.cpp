#include "language/text_file.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "data/blob_lines.h"
#include "platform/app_directory.h"
#include "platform/file_names.h"

namespace vyn {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::string AppFilePath(const std::string& relative) {
  return ResolvePathNoCase(JoinPath(AppDirectory(), relative));
}

std::optional<std::vector<std::string>> ReadTextFileLines(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream content;
  content << file.rdbuf();
  if (file.bad()) return std::nullopt;
  return TextLines(std::move(content).str());
}

std::vector<std::string> TextLines(std::string text) {
  if (std::string_view(text).starts_with(kByteOrderMark))
    text.erase(0, kByteOrderMark.size());
  return TextToLines(text);
}

}  // namespace vyn
