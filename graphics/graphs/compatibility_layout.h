#pragma once
// Geometry of the compatibility graph for a rectangle, and what a point of
// it is: a person's bar of a row, an overall bar, an area button or a glyph
// button. The left panel is the first person, the right panel the second;
// rows are display rows 1..7 (Venus, Mars, Sun, Mercury, Moon, Ascendant,
// Midheaven).
#include <array>
#include <string>

#include "graphics/graphs/compatibility_scores.h"
#include "graphics/wheel/wheel_types.h"

namespace vyn {

struct TCompBarRow {
  TWheelRect harmonyBack, tensionBack;  // the full-length press areas
  TWheelRect harmonyBar, tensionBar;    // the bars by the row's percentages
  TWheelRect barArea;                   // both backgrounds together
};

struct TCompPanel {
  TWheelRect rect;    // left, top, right, bottom (outline inclusive)
  TWheelRect header;  // the name strip
  std::array<TCompBarRow, kScoreCount + 1> rows;  // display rows 1..7
};

struct TCompGeometry {
  TWheelRect rect;
  double w = 0, h = 0;  // a twelfth of the width, a 24th of the height
  std::array<TCompPanel, 2> panels;
  std::array<TWheelRect, kScoreCount + 1> leftGlyphButtons, areaButtons, rightGlyphButtons;
  std::array<TWheelPoint, kScoreCount + 1> leftGlyphs, rightGlyphs;
  TWheelRect overallFrame;
  TWheelRect harmonyBack, tensionBack, harmonyBar, tensionBar;
};

// Lays the graph out for `rect` with the bar lengths of `scores`.
TCompGeometry LayoutCompatibility(const TWheelRect& rect, const TCompatibilityScores& scores);

// What the pointer is over.
enum class TCompPart {
  cpNone,
  cpBar,          // person, row, section 1 harmony / 2 tension
  cpOverall,      // section 1 harmony / 2 tension
  cpAreaButton,   // row
  cpGlyphButton,  // person, row
};

struct TCompHit {
  TCompPart part = TCompPart::cpNone;
  int person = 0;
  int row = 0;
  int section = 0;
  friend bool operator==(const TCompHit&, const TCompHit&) = default;
};

// The first match: rows 1..7 of the bars (left harmony, left tension, right
// harmony, right tension), the overall bars, then per row the area button
// and the glyph buttons.
TCompHit HitCompatibility(const TCompGeometry& g, int x, int y);

// The data of a left press, as the graph reports it: person, row, section
// and portion ("Graph", "Harmony", "Tension", "Center Button",
// "Planet Symbol").
struct TBarPress {
  int userNum = 0;
  int barNum = 0;
  int secNum = 0;
  std::string portion;
  friend bool operator==(const TBarPress&, const TBarPress&) = default;
};
// Empty portion for cpNone.
TBarPress PressOf(const TCompHit& hit);

// The drawing's hover state: kind 1 a left panel row, 2 a right panel row,
// 10 an area button, 0 a glyph button with number 101..107 (left) or
// 201..207 (right).
struct TCompHover {
  bool on = false;
  int number = 0;
  int kind = 0;
  friend bool operator==(const TCompHover&, const TCompHover&) = default;
};
TCompHover HoverOf(const TCompHit& hit);

}  // namespace vyn
