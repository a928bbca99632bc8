#include "settings/setup_settings.h"

#include <cstdlib>

namespace vyn {
namespace {

constexpr std::array<std::string_view, kWindowCount> kWindowKeys = {
    "Main",       "Interpretation", "Wheel",    "WheelVIEW",
    "Symbols",    "Planets",        "HouseCusps", "Aspects",
    "NameList",   "DDial",          "Compatibility", "Element"};

// A negative width or height w stands for the screen's extent less the
// left or top offset less |w|.
constexpr std::array<TBounds, kWindowCount> kDefaultBounds = {{
    {10, 10, -10, -10},
    {0, 0, 300, 200},
    {300, 0, 600, 200},
    {300, 0, 600, 200},
    {20, 0, 320, 350},
    {40, 10, 290, 310},
    {80, 20, 260, 320},
    {100, 30, 500, 300},
    {120, 40, 160, 200},
    {40, 30, 540, 350},
    {40, 30, 540, 400},
    {40, 30, 540, 400},
}};

int ScreenExtent(int extent, int offset, int screen) {
  return extent < 0 ? screen - offset - std::abs(extent) : extent;
}

}  // namespace

std::string_view WindowKey(TWindowId window) { return kWindowKeys[window]; }

TWindowPlacements DefaultWindowPlacements(int screen_width, int screen_height) {
  TWindowPlacements placements;
  for (int w = 0; w < kWindowCount; ++w) {
    const TBounds& b = kDefaultBounds[w];
    placements[w].Bounds = {b.Left, b.Top, ScreenExtent(b.Width, b.Left, screen_width),
                            ScreenExtent(b.Height, b.Top, screen_height)};
  }
  placements[wiMain].Valid = true;
  return placements;
}

}  // namespace vyn
