#include "app/desktop/views/cusp_rows.h"

#include "engine/horoscope.h"
#include "engine/text_helpers.h"
#include "language/language.h"

namespace vyn::desktop {

std::vector<TCuspRow> CuspRows(const THoroscope& chart) {
  std::vector<TCuspRow> rows;
  if (!chart.Active()) return rows;
  for (int cusp = 1; cusp <= kCuspRows; ++cusp) {
    const TSignSplit split = SignSplit(chart.CuspPos(cusp));
    rows.push_back({TLanguage::CuspGlyph(cusp), FormatPos(split.rest),
                    TLanguage::SignGlyph(split.sign % 12)});
  }
  return rows;
}

TColumnGrid CuspGrid(QSize size) { return TColumnGrid(kCuspRows, {7, 16, 23}, 23, size); }

}  // namespace vyn::desktop
