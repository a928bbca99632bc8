#include "language/screen_font.h"

#include <map>
#include <optional>
#include <string_view>

#include "language/plain_text.h"
#include "language/text_file.h"

namespace vyn {
namespace {

constexpr std::string_view kSection = "Screen";

// The keys (upper-cased) and values of one section; the first occurrence of
// a section and of a key counts.
std::map<std::string, std::string> ReadSection(const std::vector<std::string>& lines,
                                               std::string_view section) {
  std::map<std::string, std::string> values;
  bool inside = false;
  bool seen = false;
  for (const std::string& raw : lines) {
    const std::string_view line = TrimBlanks(raw);
    if (line.starts_with('[')) {
      if (inside) break;
      const auto close = line.find(']');
      inside = !seen && close != std::string_view::npos &&
               EqualNoCaseAscii(TrimBlanks(line.substr(1, close - 1)), section);
      seen = seen || inside;
      continue;
    }
    const auto equals = line.find('=');
    if (!inside || line.starts_with(';') || equals == std::string_view::npos) continue;
    values.emplace(UpperAscii(TrimBlanks(line.substr(0, equals))),
                   std::string(TrimBlanks(line.substr(equals + 1))));
  }
  return values;
}

std::optional<bool> BooleanValue(const std::string& text) {
  if (EqualNoCaseAscii(text, "true")) return true;
  if (EqualNoCaseAscii(text, "false")) return false;
  if (const auto number = DecimalInteger(text)) return *number != 0;
  return std::nullopt;
}

}  // namespace

TScreenFont ReadScreenFont(const std::string& path) {
  TScreenFont font;
  const auto lines = ReadTextFileLines(path);
  if (!lines) return font;
  const auto values = ReadSection(*lines, kSection);
  const auto value = [&](const char* key) -> const std::string* {
    const auto found = values.find(key);
    return found == values.end() ? nullptr : &found->second;
  };
  if (const auto* name = value("FONT")) font.Name = *name;
  if (const auto* bold = value("BOLD")) font.Bold = BooleanValue(*bold).value_or(font.Bold);
  if (const auto* size = value("SIZE")) font.Size = DecimalInteger(*size).value_or(font.Size);
  return font;
}

}  // namespace vyn
