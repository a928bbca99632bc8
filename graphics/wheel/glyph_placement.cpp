#include "graphics/wheel/glyph_placement.h"

#include <cmath>

namespace vyn {
namespace {

constexpr extended F = kMinimumSeparation;
// Differences of angles carry rounding errors: bodies exactly the minimum
// separation apart still count as close.
constexpr extended kTolerance = 1e-9L;

constexpr std::array<double, 4> kLevelRadius = {0, 0.71, 0.6125, 0.515};

// The angular distance of two angles, folded once into [0, π].
extended Folded(extended d) {
  d = std::fabs(d);
  return d > kPi ? std::fabs(d - TwoPi) : d;
}

}  // namespace

TGlyphPlaces PlaceGlyphsOnLevels(const TWheelAngles& angles) {
  TGlyphPlaces places;
  int previous = 0, level = 1;
  for (int k = 1; k <= 12; ++k) {
    const int b = angles.O[k];
    if (b < 1 || b > 12) continue;
    if (previous == 0) {
      level = 1;
    } else if (Folded(angles.A[b] - angles.A[previous]) <= F + kTolerance) {
      level = level == 3 ? 1 : level + 1;
    } else {
      level = 1;
    }
    TGlyphPlace& place = places[b];
    place.level = level;
    place.angle = place.pointerFromAngle = place.pointerToAngle = angles.A[b];
    place.radius = kLevelRadius[level];
    place.pointerFromRadius = 0.79;
    place.pointerToRadius = 0.775;
    previous = b;
  }
  return places;
}

TGlyphPlaces SpreadGlyphs(const TWheelAngles& angles, bool inner) {
  TGlyphPlaces places;
  const double glyphRadius = inner ? 0.48 : 0.7181666;
  const double pointerFrom = inner ? 0.58 : 0.62;
  const double pointerTo = inner ? 0.53 : 0.67;
  const extended push = inner ? 1.15L * F : F;
  extended p = 0;  // displayed angle of the previous glyph
  for (int k = 1; k <= 12; ++k) {
    const int b = angles.O[k];
    const int n = angles.O[k == 12 ? 1 : k + 1];
    if (b < 1 || b > 12 || n < 1 || n > 12) continue;
    extended d = k == 1 ? 12 : angles.A[b] - p;  // the first body has no neighbour
    if (d > kPi) d = std::fabs(d - TwoPi);
    const extended g = std::fabs(angles.A[b] - angles.A[n]);
    extended shift = 0;
    if (d >= F - kTolerance) {
      if (g <= 2 * F / 3 + kTolerance) shift = -F / 3;
    } else if (g <= F + kTolerance || d <= F / 2 + kTolerance) {
      shift = push;
    }
    TGlyphPlace& place = places[b];
    place.radius = glyphRadius;
    place.pointerFromAngle = angles.A[b];
    place.pointerFromRadius = pointerFrom;
    place.pointerToRadius = pointerTo;
    if (shift <= 0) {
      place.angle = angles.A[b] + shift;
      place.pointerToAngle = angles.A[b] + shift / 2;
      p = angles.A[b] + shift;
    } else {
      place.angle = p + shift;
      if (inner) {
        place.pointerToAngle = place.angle;
        place.pointerToRadius = pointerTo - static_cast<double>(place.angle - angles.A[b]) / 15;
      } else {
        place.pointerToAngle = place.angle - shift / 2;
      }
      p += shift;
    }
  }
  return places;
}

}  // namespace vyn
