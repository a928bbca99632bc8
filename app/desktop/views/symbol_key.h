#pragma once
// The symbol explanation: the 38 symbols 0..37 (bodies, signs, aspects,
// angles, the retrograde mark) with their names in the language that was
// current when the window opened, over 38 equal rows. The glyph column is
// four row heights wide; names start 10 pixels right of it. Glyphs and
// names are drawn at the smaller of half the width and the row height.
#include <QRect>
#include <QSize>
#include <string>
#include <vector>

namespace vyn {
class TLanguage;
}

namespace vyn::desktop {

inline constexpr int kSymbolRows = 38;
inline constexpr int kSymbolNameLength = 40;
inline constexpr int kSymbolNameGap = 10;

struct TSymbolEntry {
  std::string glyph;
  std::string name;  // at most 40 characters
};

std::vector<TSymbolEntry> SymbolEntries(const TLanguage& language);

class TSymbolLayout {
 public:
  explicit TSymbolLayout(QSize size);

  int RowTop(int row) const;
  int RowHeight() const;  // of the rows as drawn: the client height / 38
  int GlyphColumnWidth() const { return 4 * RowHeight(); }
  QRect GlyphCell(int row) const;
  QRect NameCell(int row) const;
  int FontHeight() const;

 private:
  QSize size_;
};

}  // namespace vyn::desktop
