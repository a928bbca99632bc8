#pragma once
// The character tables of the symbol font "VYN Sans Serif": the byte of each
// body, sign, aspect and angle glyph. A byte b is drawn as the character
// U+F000 + b (private use), so plain text in the same font stays plain. This
// holds for every byte of the tables, the ASCII ones ("|", "[", "]", "#",
// ">", "}") included.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vyn {

// Body glyphs, bodies SU .. SN (index 0..11).
inline constexpr std::array<std::uint8_t, 12> kBodyGlyphBytes = {
    0xB8, 0x9B, 0xBE, 0xB1, 0xA1, 0xA5, 0x97, 0x86, 0x87, 0x88, 0xA8, 0x82};

// Sign glyphs, signs AR .. PI (index 0..11).
inline constexpr std::array<std::uint8_t, 12> kSignGlyphBytes = {
    0xF7, 0x9A, 0xD0, 0x98, 0xAC, 0xAA, 0xAB, 0x85, 0x7D, 0x83, 0x8B, 0x8A};

// Aspect glyphs by aspect index (aspect angle / 15 degrees) 0..13; the
// indexes 1, 5, 7 and 11 name no aspect and hold "#".
inline constexpr std::array<std::uint8_t, 14> kAspectGlyphBytes = {
    0xB4, 0x23, 0xDE, 0xBC, 0xB5, 0x23, 0xB9, 0x23, 0xBA, 0xA4, 0xAD, 0x23, 0xAF, 0x8D};

// Angle glyphs.
inline constexpr std::uint8_t kAscendantGlyphByte = 0x7C;   // "|"
inline constexpr std::uint8_t kImumCoeliGlyphByte = 0x5D;   // "]"
inline constexpr std::uint8_t kDescendantGlyphByte = 0xFE;
inline constexpr std::uint8_t kMidheavenGlyphByte = 0x5B;   // "["

// The aspect indexes of the nine aspects, in symbol index order (24..32).
inline constexpr std::array<int, 9> kSymbolAspects = {0, 2, 3, 4, 6, 8, 9, 10, 12};

// The two further marks of the symbol key (symbol indexes 37 and 38).
inline constexpr std::array<std::uint8_t, 2> kFurtherMarkBytes = {0xB6, 0x3E};

// The symbol index 0..38 numbers what the symbol key shows.
inline constexpr int kLastSymbolIndex = 38;
inline constexpr int kFirstSignSymbol = 12;
inline constexpr int kFirstAspectSymbol = 24;
inline constexpr int kAscendantSymbol = 33;
inline constexpr int kDescendantSymbol = 34;
inline constexpr int kMidheavenSymbol = 35;
inline constexpr int kImumCoeliSymbol = 36;
inline constexpr int kFirstFurtherMark = 37;

// The character that draws glyph byte b: U+F000 + b.
constexpr char32_t SymbolFontCodePoint(std::uint8_t b) { return 0xF000 + b; }

// That character as UTF-8 (three bytes).
std::string SymbolFontText(std::uint8_t b);

// The glyph byte of symbol index i (0..38); nothing outside.
std::optional<std::uint8_t> SymbolGlyphByte(int i);

// Every distinct byte of the tables above, ascending (for the font's
// coverage check).
std::vector<std::uint8_t> SymbolFontBytes();

}  // namespace vyn
