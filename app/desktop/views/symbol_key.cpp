#include "app/desktop/views/symbol_key.h"

#include <algorithm>

#include "engine/text_helpers.h"
#include "language/language.h"

namespace vyn::desktop {

std::vector<TSymbolEntry> SymbolEntries(const TLanguage& language) {
  std::vector<TSymbolEntry> entries;
  for (int i = 0; i < kSymbolRows; ++i)
    entries.push_back(
        {TLanguage::SymbolGlyph(i), CutToCharacters(language.SymbolName(i), kSymbolNameLength)});
  return entries;
}

TSymbolLayout::TSymbolLayout(QSize size) : size_(size.expandedTo(QSize(0, 0))) {}

int TSymbolLayout::RowTop(int row) const { return size_.height() * row / kSymbolRows; }

int TSymbolLayout::RowHeight() const { return size_.height() / kSymbolRows; }

QRect TSymbolLayout::GlyphCell(int row) const {
  return QRect(QPoint(0, RowTop(row)), QPoint(GlyphColumnWidth() - 1, RowTop(row + 1) - 1));
}

QRect TSymbolLayout::NameCell(int row) const {
  return QRect(QPoint(GlyphColumnWidth() + kSymbolNameGap, RowTop(row)),
               QPoint(size_.width() - 1, RowTop(row + 1) - 1));
}

int TSymbolLayout::FontHeight() const { return std::min(size_.width() / 2, RowHeight()); }

}  // namespace vyn::desktop
