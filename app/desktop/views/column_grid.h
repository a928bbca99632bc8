#pragma once
// The cells of a grid drawn over a rectangle: equal rows, and columns whose
// right edges lie at fixed fractions of the width (7, 16, 23 of 23, say).
// Boundaries are integer pixels computed from the whole size, so rounding
// never piles up towards the last row or column.
//
// The cell size c, the smaller of width / columns and height / rows, sizes
// the fonts: glyphs at 2c/3, texts at c/2. It may be zero in a tiny window;
// drawing still goes on (fonts are at least one pixel high).
#include <QRect>
#include <QSize>
#include <vector>

namespace vyn::desktop {

class TColumnGrid {
 public:
  // `rightEdges` ascending, the last one equal to `denominator`.
  TColumnGrid(int rows, std::vector<int> rightEdges, int denominator, QSize size);
  // `columns` columns of equal width.
  static TColumnGrid Equal(int rows, int columns, QSize size);

  int Rows() const { return rows_; }
  int Columns() const { return static_cast<int>(rightEdges_.size()); }
  QSize Size() const { return size_; }

  // Left and right edge (exclusive) of a column, top and bottom of a row.
  int ColumnLeft(int column) const;
  int ColumnRight(int column) const;
  int RowTop(int row) const;
  int RowBottom(int row) const;
  QRect Cell(int row, int column) const;

  int CellSize() const;
  int GlyphHeight() const { return CellSize() * 2 / 3; }
  int TextHeight() const { return CellSize() / 2; }

 private:
  int rows_;
  std::vector<int> rightEdges_;
  int denominator_;
  QSize size_;
};

}  // namespace vyn::desktop
