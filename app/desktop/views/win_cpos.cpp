#include "app/desktop/views/win_cpos.h"

#include <QPainter>

#include "app/desktop/program.h"
#include "app/desktop/symbol_fonts.h"
#include "app/desktop/views/grid_painter.h"
#include "app/desktop/views/view_texts.h"

namespace vyn::desktop {

TWinCPos::TWinCPos(TProgram& program, QWidget* parent)
    : TChartGridView(program, wiHouseCusps, parent) {
  setObjectName(QStringLiteral("WinCPos"));
  Start();
}

std::vector<TChartTab> TWinCPos::BuildTabs() const { return SlotTabs(SlotFirstNames(Program())); }

void TWinCPos::ShowSlot(int slot) {
  slot_ = slot;
  const THoroscope* chart = ActiveChart(slot);
  rows_ = chart ? CuspRows(*chart) : std::vector<TCuspRow>();
}

QString TWinCPos::Caption() const { return TokenOr(Program(), 1019, "House Cusps"); }

void TWinCPos::PaintChart(QPainter& painter, QSize size) {
  const TColumnGrid grid = CuspGrid(size);
  DrawGridLines(painter, grid);
  if (ActiveChart(slot_) == nullptr) return;
  const QFont glyphs = SymbolFont(grid.GlyphHeight());
  const QFont texts = SymbolFont(grid.TextHeight());
  const QColor color = FontColor();
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const int row = static_cast<int>(i);
    DrawCentred(painter, grid.Cell(row, ccLabel), rows_[i].label, glyphs, color);
    DrawCentred(painter, grid.Cell(row, ccPosition), rows_[i].position, texts, color);
    DrawCentred(painter, grid.Cell(row, ccSign), rows_[i].signGlyph, glyphs, color);
  }
}

}  // namespace vyn::desktop
