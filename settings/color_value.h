#pragma once
// Colours as the settings files store them: 32-bit integers holding
// red + 256 green + 65536 blue, or a system colour (0x80000000 + the
// system colour's number), or "no colour". Written as signed decimals.
#include <cstdint>

namespace vyn {

using TColorValue = std::uint32_t;

inline constexpr TColorValue kNoColor = 0x1FFFFFFF;
inline constexpr TColorValue kButtonFaceColor = 0x8000000F;
inline constexpr TColorValue kWindowColor = 0x80000005;

// The signed form the files hold, and back.
constexpr int StoredColor(TColorValue color) { return static_cast<int>(color); }
constexpr TColorValue ColorOfStored(int stored) {
  return static_cast<TColorValue>(stored);
}

}  // namespace vyn
