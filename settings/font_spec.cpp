#include "settings/font_spec.h"

#include <optional>

#include "engine/text_helpers.h"
#include "settings/integer_text.h"
#include "settings/value_list.h"

namespace vyn {
namespace {

struct TNameSplit {
  std::string_view Name;
  std::string_view Rest;  // from the comma after the name on
};

// The name: between double quotes, between round brackets, or bare up to
// the first comma.
std::optional<TNameSplit> SplitName(std::string_view text) {
  const char open = text.empty() ? '\0' : text.front();
  const char close = open == '"' ? '"' : open == '(' ? ')' : '\0';
  if (close == '\0') {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    return TNameSplit{TrimIniBlanks(text.substr(0, comma)), text.substr(comma)};
  }
  const std::size_t end = text.find(close, 1);
  if (end == std::string_view::npos) return std::nullopt;
  return TNameSplit{text.substr(1, end - 1), TrimIniBlanks(text.substr(end + 1))};
}

}  // namespace

FontSpec MakeFontSpec(std::string_view name, int size, int style,
                      TColorValue color) {
  return {true, std::string(name), size, color, style};
}

FontSpec ParseFontSpec(std::string_view text, const FontSpec& fallback) {
  const auto split = SplitName(TrimIniBlanks(text));
  if (!split || split->Name.empty() || !split->Rest.starts_with(',')) return fallback;
  const auto values = ParseIntegerList(split->Rest.substr(1), 3);
  if (!values || (*values)[0] < -kMaxFontSize || (*values)[0] > kMaxFontSize) return fallback;
  const std::vector<int>& v = *values;
  return {true, CutToCharacters(split->Name, kFontNameCharacters), v[0],
          ColorOfStored(v[1]), v[2] & 15};
}

std::string FormatFontSpec(const FontSpec& font) {
  return "\"" + font.Name + "\"," + std::to_string(font.Size) + "," +
         std::to_string(StoredColor(font.Color)) + "," + std::to_string(font.Style);
}

}  // namespace vyn
