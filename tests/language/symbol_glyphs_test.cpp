// The glyph bytes as characters of the symbol font.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "language/language.h"
#include "language/symbol_glyphs.h"

namespace vyn {
namespace {

// The code point of a three-byte UTF-8 text.
char32_t DecodeThreeBytes(const std::string& text) {
  EXPECT_EQ(text.size(), 3u);
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  return (char32_t(byte(0) & 0x0F) << 12) | (char32_t(byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
}

TEST(SymbolGlyphsTest, EveryByteIsItsPrivateUseCharacter) {
  for (int b = 0; b < 256; ++b) {
    const std::string text = SymbolFontText(static_cast<std::uint8_t>(b));
    EXPECT_EQ(DecodeThreeBytes(text), 0xF000u + b) << b;
    EXPECT_EQ(static_cast<unsigned char>(text[0]), 0xEF) << b;
  }
}

TEST(SymbolGlyphsTest, FontByteListCoversEveryGlyphOfTheTables) {
  const std::vector<std::uint8_t> bytes = SymbolFontBytes();
  EXPECT_TRUE(std::is_sorted(bytes.begin(), bytes.end()));
  EXPECT_EQ(std::adjacent_find(bytes.begin(), bytes.end()), bytes.end());
  const auto covered = [&](const std::string& glyph) {
    const char32_t c = DecodeThreeBytes(glyph);
    return std::binary_search(bytes.begin(), bytes.end(), static_cast<std::uint8_t>(c - 0xF000));
  };
  for (int i = 0; i <= 38; ++i) EXPECT_TRUE(covered(TLanguage::SymbolGlyph(i))) << i;
  for (int i = 0; i < 14; ++i) EXPECT_TRUE(covered(TLanguage::AspectGlyph(i))) << i;
  for (int n : {1, 4, 7, 10}) EXPECT_TRUE(covered(TLanguage::CuspGlyph(n))) << n;
  // 12 bodies, 12 signs, 11 aspect bytes ("#" once), 4 angles, 2 marks.
  EXPECT_EQ(bytes.size(), 41u);
}

}  // namespace
}  // namespace vyn
