#include "app/desktop/views/column_grid.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <utility>

namespace vyn::desktop {

TColumnGrid::TColumnGrid(int rows, std::vector<int> rightEdges, int denominator, QSize size)
    : rows_(rows),
      rightEdges_(std::move(rightEdges)),
      denominator_(denominator),
      size_(size.expandedTo(QSize(0, 0))) {
  if (rows_ < 1 || rightEdges_.empty() || denominator_ < 1 ||
      !std::is_sorted(rightEdges_.begin(), rightEdges_.end()) || rightEdges_.back() != denominator_)
    throw std::invalid_argument("a grid needs rows and ascending column edges ending at the width");
}

TColumnGrid TColumnGrid::Equal(int rows, int columns, QSize size) {
  const int count = std::max(columns, 1);
  std::vector<int> edges(static_cast<std::size_t>(count));
  std::iota(edges.begin(), edges.end(), 1);
  // The count is taken before the edges are handed over: the order in which
  // arguments are initialised is the compiler's choice.
  return TColumnGrid(rows, std::move(edges), count, size);
}

int TColumnGrid::ColumnLeft(int column) const { return column == 0 ? 0 : ColumnRight(column - 1); }

int TColumnGrid::ColumnRight(int column) const {
  return size_.width() * rightEdges_.at(static_cast<std::size_t>(column)) / denominator_;
}

int TColumnGrid::RowTop(int row) const { return size_.height() * row / rows_; }

int TColumnGrid::RowBottom(int row) const { return RowTop(row + 1); }

QRect TColumnGrid::Cell(int row, int column) const {
  return QRect(QPoint(ColumnLeft(column), RowTop(row)),
               QPoint(ColumnRight(column) - 1, RowBottom(row) - 1));
}

int TColumnGrid::CellSize() const {
  return std::min(size_.width() / Columns(), size_.height() / rows_);
}

}  // namespace vyn::desktop
