#pragma once
// What the aspect grid shows: a 15 x 15 grid whose row 0 and column 0 carry
// the glyphs of the aspect points 1..14 (the twelve bodies, Ascendant,
// Midheaven); the aspect between points a and b is drawn in the cell at row
// a, column b: its glyph in the upper two thirds, the orb below it.
//
// The first tab shows chart 1's aspects with its partner (rows chart 1,
// columns the partner); tab k shows the aspects within chart k.
#include <QSize>
#include <string>
#include <vector>

#include "app/desktop/views/column_grid.h"
#include "engine/angles.h"

namespace vyn {
class TAspectList;
class THoroscope;
}  // namespace vyn

namespace vyn::desktop {

inline constexpr int kAspectGridLines = 15;

struct TAspectCell {
  int row = 0;
  int column = 0;
  std::string glyph;
  std::string orb;
};

// The glyph of aspect point n (1..14) heading row n and column n.
std::string AspectHeaderGlyph(int point);

// An orb in whole arc minutes as degrees and minutes, "%4.2f" style: 95
// minutes give "1.35".
std::string OrbText(extended minutes);

// One cell per entry whose points are 1..14.
std::vector<TAspectCell> AspectCells(const TAspectList& list);

// How the window caption follows the tab.
enum TAspectCaption {
  acBase,  // the pair caption of the window ("Vertical: Anna  Horizontal: Ben")
  acPair,  // the pair caption naming the chart and its partner
  acOwn,   // the word for one chart's own aspects (token 679)
};

struct TAspectGridContent {
  std::vector<TAspectCell> cells;
  bool partnerColours = true;  // glyphs in blue; else in the window's font colour
  TAspectCaption caption = acBase;
};

// Tab 0 with `chart` the chart of slot 1: its aspects with its partner, the
// pair caption when there is at least one. Tab k >= 1 with `chart` the chart
// of slot k: its own aspects, blue when it has a partner. An inactive chart,
// or none, gives no cells.
TAspectGridContent AspectGridContent(int tab, const THoroscope* chart);

TColumnGrid AspectGrid(QSize size);

}  // namespace vyn::desktop
