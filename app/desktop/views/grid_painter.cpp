#include "app/desktop/views/grid_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "app/desktop/symbol_fonts.h"

#include "app/desktop/views/column_grid.h"

namespace vyn::desktop {
namespace {

void DrawBorders(QPainter& painter, const TColumnGrid& grid, int offset) {
  const int width = grid.Size().width();
  const int height = grid.Size().height();
  for (int column = 0; column < grid.Columns(); ++column) {
    const int x = grid.ColumnRight(column) - 1 + offset;
    painter.drawLine(x, 0, x, height - 1);
  }
  for (int row = 0; row < grid.Rows(); ++row) {
    const int y = grid.RowBottom(row) - 1 + offset;
    painter.drawLine(0, y, width - 1, y);
  }
}

}  // namespace

void DrawGridLines(QPainter& painter, const TColumnGrid& grid) {
  if (grid.Size().isEmpty()) return;
  painter.setPen(QPen(Qt::black, 1));
  DrawBorders(painter, grid, 0);
  painter.setPen(QPen(Qt::white, 1));
  DrawBorders(painter, grid, 2);
}

QFont SymbolFontForLines(int lineHeight) {
  QFont font = SymbolFont(lineHeight);
  const int height = QFontMetrics(font).height();
  if (height > lineHeight && height > 0) font.setPixelSize(std::max(1, lineHeight * lineHeight / height));
  return font;
}

void DrawCentred(QPainter& painter, const QRect& cell, const std::string& text,
                 const QFont& font, const QColor& color) {
  if (text.empty()) return;
  painter.setFont(font);
  painter.setPen(color);
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.drawText(cell, Qt::AlignCenter | Qt::TextDontClip, QString::fromStdString(text));
}

}  // namespace vyn::desktop
