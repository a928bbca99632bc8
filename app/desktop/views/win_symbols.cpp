#include "app/desktop/views/win_symbols.h"

#include <QPainter>
#include <QVBoxLayout>

#include "app/desktop/program.h"
#include "app/desktop/symbol_fonts.h"
#include "app/desktop/views/grid_painter.h"
#include "app/desktop/views/placement_keeper.h"
#include "app/desktop/views/view_canvas.h"
#include "app/desktop/views/view_texts.h"
#include "language/language.h"

namespace vyn::desktop {

TWinSymbols::TWinSymbols(TProgram& program, QWidget* parent)
    : QWidget(parent), program_(program), entries_(SymbolEntries(program.Language())) {
  setObjectName(QStringLiteral("WinSymbols"));
  setAttribute(Qt::WA_DeleteOnClose);
  if (program.Language().IsJapanese())
    screenFont_ = QString::fromStdString(program.Language().ScreenFontName());

  auto* canvas =
      new TViewCanvas([this](QPainter& painter, QSize size) { Render(painter, size); }, this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(canvas);

  placement_ = new TPlacementKeeper(this, program.Setup(), wiSymbols);
  connect(&program_, &TProgram::LanguageChanged, this, &TWinSymbols::Recaption);
  Recaption();
}

void TWinSymbols::Recaption() { setWindowTitle(TokenOr(program_, 1020, "Symbol Explanation")); }

QFont TWinSymbols::NameFont(int pixelHeight) const {
  if (screenFont_.isEmpty()) return SymbolFontForLines(pixelHeight);
  QFont font(screenFont_);
  font.setPixelSize(std::max(1, pixelHeight));
  return font;
}

void TWinSymbols::Render(QPainter& painter, QSize size) {
  painter.save();
  painter.fillRect(QRect(QPoint(0, 0), size), palette().color(QPalette::Base));
  PrepareViewPainter(painter);
  const TSymbolLayout layout(size);

  painter.setPen(QPen(palette().color(QPalette::Button), 1));
  const int glyphRight = layout.GlyphColumnWidth() - 1;
  painter.drawLine(glyphRight, 0, glyphRight, size.height() - 1);
  for (int row = 0; row < kSymbolRows; ++row) {
    const int y = layout.RowTop(row + 1) - 1;
    painter.drawLine(0, y, size.width() - 1, y);
  }

  const QFont glyphs = SymbolFontForLines(layout.FontHeight());
  const QFont names = NameFont(layout.FontHeight());
  painter.setPen(palette().color(QPalette::Text));
  painter.setBackgroundMode(Qt::TransparentMode);
  for (int row = 0; row < kSymbolRows; ++row) {
    const TSymbolEntry& entry = entries_[static_cast<std::size_t>(row)];
    painter.setFont(glyphs);
    painter.drawText(layout.GlyphCell(row), Qt::AlignCenter | Qt::TextDontClip,
                     QString::fromStdString(entry.glyph));
    painter.setFont(names);
    painter.drawText(layout.NameCell(row), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(entry.name));
  }
  painter.restore();
}

}  // namespace vyn::desktop
