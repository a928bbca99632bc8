#include "app/desktop/views/planets_win.h"

#include <QPainter>

#include "app/desktop/program.h"
#include "app/desktop/symbol_fonts.h"
#include "app/desktop/views/grid_painter.h"
#include "app/desktop/views/view_texts.h"
#include "language/language.h"

namespace vyn::desktop {

TPlanetsWin::TPlanetsWin(TProgram& program, QWidget* parent)
    : TChartGridView(program, wiPlanets, parent) {
  setObjectName(QStringLiteral("PlanetsWin"));
  Start();
}

std::vector<TChartTab> TPlanetsWin::BuildTabs() const { return SlotTabs(SlotFirstNames(Program())); }

void TPlanetsWin::ShowSlot(int slot) {
  slot_ = slot;
  const THoroscope* chart = ActiveChart(slot);
  rows_ = chart ? PlanetRows(*chart) : std::vector<TPlanetRow>();
}

QString TPlanetsWin::Caption() const { return TokenOr(Program(), 1018, "Planet Positions"); }

void TPlanetsWin::PaintChart(QPainter& painter, QSize size) {
  const TColumnGrid grid = PlanetGrid(size);
  DrawGridLines(painter, grid);
  if (ActiveChart(slot_) == nullptr) return;
  const QFont glyphs = SymbolFont(grid.GlyphHeight());
  const QFont texts = SymbolFont(grid.TextHeight());
  const QColor color = FontColor();
  const std::string retrograde = TLanguage::SymbolGlyph(37);
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const int row = static_cast<int>(i);
    const TPlanetRow& planet = rows_[i];
    DrawCentred(painter, grid.Cell(row, pcBody), planet.bodyGlyph, glyphs, color);
    DrawCentred(painter, grid.Cell(row, pcPosition), planet.position, texts, color);
    DrawCentred(painter, grid.Cell(row, pcSign), planet.signGlyph, glyphs, color);
    if (planet.retrograde)
      DrawCentred(painter, grid.Cell(row, pcRetrograde), retrograde, glyphs, color);
    DrawCentred(painter, grid.Cell(row, pcHouse), planet.house, texts, color);
  }
}

}  // namespace vyn::desktop
