#pragma once
// The wheel's colours.
#include <array>

#include "graphics/wheel/wheel_types.h"

namespace vyn::wheel_colors {

// Signs 1..12 (element 0 unused): the colour circle from red round to rose.
inline constexpr std::array<TRgb, 13> kSigns = {{{0, 0, 0},
                                                 {255, 0, 0},
                                                 {255, 128, 0},
                                                 {255, 255, 0},
                                                 {128, 255, 0},
                                                 {0, 255, 0},
                                                 {0, 255, 128},
                                                 {0, 255, 255},
                                                 {0, 128, 255},
                                                 {0, 0, 255},
                                                 {128, 0, 255},
                                                 {255, 0, 255},
                                                 {255, 0, 128}}};
inline constexpr TRgb kSignBW{128, 128, 128};

// Aspect lines by aspect kind 0..12.
inline constexpr TRgb kDarkRed{128, 0, 0};
inline constexpr TRgb kOlive{128, 128, 0};
inline constexpr TRgb kNavy{0, 0, 128};
inline constexpr TRgb kRed{255, 0, 0};
inline constexpr std::array<TRgb, 13> kAspects = {
    kDarkRed, kOlive, kNavy, kDarkRed, kNavy, kNavy,   kDarkRed,
    kOlive,   kNavy,  kDarkRed, kOlive, kNavy, kDarkRed};
inline constexpr std::array<TRgb, 13> kJapaneseAspects = {
    kNavy, kOlive, kRed, kNavy, kRed, kRed, kNavy, kOlive, kRed, kNavy, kOlive, kRed, kNavy};

inline constexpr TRgb kBlack{0, 0, 0};
inline constexpr TRgb kWhite{255, 255, 255};
inline constexpr TRgb kLightYellow{255, 255, 224};
inline constexpr TRgb kSilver{192, 192, 192};
inline constexpr TRgb kBlue{0, 0, 255};

}  // namespace vyn::wheel_colors
