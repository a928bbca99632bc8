#pragma once
// What the house cusp grid shows of one chart: per cusp 1..12 its label
// (the angle glyph for 1, 4, 7 and 10, else the number), its place within
// its sign and the sign glyph.
//
// Painted over 12 equal rows and three columns whose right edges lie at 7,
// 16 and 23 twenty-thirds of the width.
#include <QSize>
#include <string>
#include <vector>

#include "app/desktop/views/column_grid.h"

namespace vyn {
class THoroscope;
}

namespace vyn::desktop {

struct TCuspRow {
  std::string label;
  std::string position;
  std::string signGlyph;

  friend bool operator==(const TCuspRow&, const TCuspRow&) = default;
};

inline constexpr int kCuspRows = 12;
enum TCuspColumn { ccLabel, ccPosition, ccSign };

// The twelve rows of an active chart; none for an inactive one.
std::vector<TCuspRow> CuspRows(const THoroscope& chart);

TColumnGrid CuspGrid(QSize size);

}  // namespace vyn::desktop
