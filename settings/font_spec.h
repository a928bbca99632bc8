#pragma once
// A font as the settings store it: the name in double quotes (or in round
// brackets), then size, colour and style, separated by commas, for example
// "Times New Roman",14,255,1. Style bits: 1 bold, 2 italic, 4 underline,
// 8 strike-out.
#include <string>
#include <string_view>

#include "settings/color_value.h"

namespace vyn {

enum : int {
  kFontBold = 1,
  kFontItalic = 2,
  kFontUnderline = 4,
  kFontStrikeOut = 8,
};

inline constexpr std::size_t kFontNameCharacters = 40;
// The largest magnitude of a stored size (a negative size is a height in
// pixels): larger ones are no font and overflow when scaled for a printer.
inline constexpr int kMaxFontSize = 1000;

// MS Gothic under its Japanese name, in Shift-JIS bytes: the font of
// systems with double-byte character support.
inline constexpr std::string_view kJapaneseFontName =
    "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";

struct FontSpec {
  bool Valid = false;  // false: leave the font as the window has it
  std::string Name;    // at most kFontNameCharacters characters
  int Size = 0;
  TColorValue Color = 0;
  int Style = 0;

  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

FontSpec MakeFontSpec(std::string_view name, int size, int style,
                      TColorValue color = 0);

// The font of a well-formed text, valid: a non-empty name (quoted, in
// brackets, or - written by hand - bare up to the first comma), then
// exactly three integers after it, the size within +-kMaxFontSize. A longer
// name is cut to 40 characters; style bits above 8 are dropped. `fallback`
// for any other text.
FontSpec ParseFontSpec(std::string_view text, const FontSpec& fallback);
// The name always in double quotes.
std::string FormatFontSpec(const FontSpec& font);

}  // namespace vyn
