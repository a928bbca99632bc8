#include "app/desktop/views/win_aspects.h"

#include <QPainter>

#include "app/desktop/program.h"
#include "app/desktop/symbol_fonts.h"
#include "app/desktop/views/grid_painter.h"
#include "app/desktop/views/view_texts.h"

namespace vyn::desktop {
namespace {

constexpr int kPairTabToken = 972;

}  // namespace

TWinAspects::TWinAspects(TProgram& program, QWidget* parent)
    : TChartGridView(program, wiAspects, parent) {
  setObjectName(QStringLiteral("WinAspects"));
  Start();
}

std::vector<TChartTab> TWinAspects::BuildTabs() const {
  return AspectTabs(TokenOr(Program(), kPairTabToken, "Contacts").toStdString(),
                    SlotFirstNames(Program()));
}

void TWinAspects::ShowSlot(int) {}

TAspectGridContent TWinAspects::Content() const {
  const int slot = ShownSlot();
  if (slot < 0) return AspectGridContent(0, nullptr);
  if (slot == kPairSlot) return AspectGridContent(0, ActiveChart(1));
  return AspectGridContent(slot, ActiveChart(slot));
}

QString TWinAspects::FirstName(int slot) const {
  return Program().SlotLoaded(slot) ? QString::fromStdString(Program().Chart(slot).FirstName())
                                    : QString();
}

QString TWinAspects::BaseCaption() const {
  return PairCaption(TokenOr(Program(), 26, "Vertical"), FirstName(1),
                     TokenOr(Program(), 27, "Horizontal"), FirstName(2));
}

QString TWinAspects::Caption() const {
  const TAspectGridContent content = Content();
  switch (content.caption) {
    case acOwn:
      return TokenOr(Program(), 679, "Aspects");
    case acPair: {
      const THoroscope* partner = ActiveChart(1) ? ActiveChart(1)->Partner() : nullptr;
      return PairCaption(TokenOr(Program(), 26, "Vertical"), FirstName(1),
                         TokenOr(Program(), 27, "Horizontal"),
                         partner ? QString::fromStdString(partner->FirstName()) : QString());
    }
    case acBase:
      break;
  }
  return BaseCaption();
}

void TWinAspects::PaintChart(QPainter& painter, QSize size) {
  const TColumnGrid grid = AspectGrid(size);
  DrawGridLines(painter, grid);
  PaintHeaders(painter, grid);
  const TAspectGridContent content = Content();
  const QColor color = content.partnerColours ? QColor(Qt::blue) : FontColor();
  for (const TAspectCell& cell : content.cells) PaintCell(painter, grid, cell, color);
}

void TWinAspects::PaintHeaders(QPainter& painter, const TColumnGrid& grid) const {
  const QFont font = SymbolFont(grid.GlyphHeight());
  const QColor color = FontColor();
  for (int point = 1; point < kAspectGridLines; ++point) {
    const std::string glyph = AspectHeaderGlyph(point);
    DrawCentred(painter, grid.Cell(point, 0), glyph, font, color);
    DrawCentred(painter, grid.Cell(0, point), glyph, font, color);
  }
}

void TWinAspects::PaintCell(QPainter& painter, const TColumnGrid& grid, const TAspectCell& cell,
                            const QColor& color) const {
  // The cell less its border lines: the glyph in the upper two thirds, the
  // orb in the rest.
  const QRect box = grid.Cell(cell.row, cell.column).adjusted(0, 0, -1, -1);
  const int split = box.top() + box.height() * 2 / 3;
  const QRect upper(QPoint(box.left(), box.top()), QPoint(box.right(), split - 1));
  const QRect lower(QPoint(box.left(), split), box.bottomRight());
  DrawCentred(painter, upper, cell.glyph, SymbolFont(grid.TextHeight()), color);
  DrawCentred(painter, lower, cell.orb, SymbolFont(grid.CellSize() / 3), color);
}

}  // namespace vyn::desktop
