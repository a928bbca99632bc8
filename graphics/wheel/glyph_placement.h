#pragma once
// Where the body glyphs of a chart go so that close bodies stay readable.
//
// A single wheel puts each glyph at its body's own angle and moves close
// bodies inwards onto up to three levels. A double wheel has no room for
// levels: it keeps one glyph circle per chart and spreads the glyphs of close
// bodies along it, each with a pointer from the true position to the glyph.
#include <array>

#include "engine/angles.h"
#include "graphics/wheel/wheel_angles.h"

namespace vyn {

// Bodies closer than this (inclusive) count as close.
inline constexpr extended kMinimumSeparation = 8 * kPi / 180;

// Radii are fractions of the wheel radius; angles are frame angles without
// the wheel's extra rotation.
struct TGlyphPlace {
  int level = 1;                // 1..3 on a single wheel, 1 on a double one
  extended angle = 0;           // where the glyph is centred
  double radius = 0;
  extended pointerFromAngle = 0;  // the body's true position
  double pointerFromRadius = 0;
  extended pointerToAngle = 0;
  double pointerToRadius = 0;
};

// Body slots 1..12 (element 0 unused).
using TGlyphPlaces = std::array<TGlyphPlace, 13>;

// Single wheel: glyph radius 0.71, 0.6125 or 0.515 by level. Visiting the
// bodies in longitude order, a body within the minimum separation of the one
// before it goes one level further in (after level 3 back to level 1), any
// other starts again at level 1. The last body is not compared with the first.
TGlyphPlaces PlaceGlyphsOnLevels(const TWheelAngles& angles);

// Double wheel, the outer chart (glyphs at 0.7181666) or the inner one (at
// 0.48): a glyph close behind the glyph before it is pushed on by the minimum
// separation (1.15 times that on the inner chart), a glyph whose next body is
// close moves back by a third of it.
TGlyphPlaces SpreadGlyphs(const TWheelAngles& angles, bool inner);

}  // namespace vyn
