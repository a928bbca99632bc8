#pragma once
// What the planet position grid shows of one chart: per body SU .. SN its
// glyph, its place within its sign ("%4.2f" of the D.MM degrees, cut, not
// rounded), the sign glyph, the house number and the retrograde flag.
//
// Painted over 12 equal rows and five columns whose right edges lie at 7,
// 16, 23, 30 and 37 thirty-sevenths of the width: body glyph, position,
// sign glyph, retrograde mark, house.
#include <QSize>
#include <string>
#include <vector>

#include "app/desktop/views/column_grid.h"

namespace vyn {
class THoroscope;
}

namespace vyn::desktop {

struct TPlanetRow {
  std::string bodyGlyph;
  std::string position;
  std::string signGlyph;
  std::string house;  // empty when no house holds the body
  bool retrograde = false;

  friend bool operator==(const TPlanetRow&, const TPlanetRow&) = default;
};

inline constexpr int kPlanetRows = 12;
enum TPlanetColumn { pcBody, pcPosition, pcSign, pcRetrograde, pcHouse };

// The twelve rows of an active chart; none for an inactive one (its
// positions are not calculated).
std::vector<TPlanetRow> PlanetRows(const THoroscope& chart);

TColumnGrid PlanetGrid(QSize size);

}  // namespace vyn::desktop
