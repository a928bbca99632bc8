#include "language/symbol_glyphs.h"

#include <algorithm>

namespace vyn {

std::string SymbolFontText(std::uint8_t b) {
  const char32_t c = SymbolFontCodePoint(b);
  return {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
          static_cast<char>(0x80 | (c & 0x3F))};
}

std::optional<std::uint8_t> SymbolGlyphByte(int i) {
  static constexpr std::array<std::uint8_t, 4> kAngles = {
      kAscendantGlyphByte, kDescendantGlyphByte, kMidheavenGlyphByte, kImumCoeliGlyphByte};
  const auto at = [](const auto& table, int k) { return table[static_cast<std::size_t>(k)]; };
  if (i < 0 || i > kLastSymbolIndex) return std::nullopt;
  if (i < kFirstSignSymbol) return at(kBodyGlyphBytes, i);
  if (i < kFirstAspectSymbol) return at(kSignGlyphBytes, i - kFirstSignSymbol);
  if (i < kAscendantSymbol)
    return at(kAspectGlyphBytes, at(kSymbolAspects, i - kFirstAspectSymbol));
  if (i < kFirstFurtherMark) return at(kAngles, i - kAscendantSymbol);
  return at(kFurtherMarkBytes, i - kFirstFurtherMark);
}

std::vector<std::uint8_t> SymbolFontBytes() {
  std::vector<std::uint8_t> bytes;
  for (int i = 0; i <= kLastSymbolIndex; ++i) bytes.push_back(*SymbolGlyphByte(i));
  bytes.insert(bytes.end(), kAspectGlyphBytes.begin(), kAspectGlyphBytes.end());
  std::sort(bytes.begin(), bytes.end());
  bytes.erase(std::unique(bytes.begin(), bytes.end()), bytes.end());
  return bytes;
}

}  // namespace vyn
