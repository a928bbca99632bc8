#include "app/desktop/views/planet_rows.h"

#include "engine/horoscope.h"
#include "engine/text_helpers.h"
#include "language/language.h"

namespace vyn::desktop {

std::vector<TPlanetRow> PlanetRows(const THoroscope& chart) {
  std::vector<TPlanetRow> rows;
  if (!chart.Active()) return rows;
  for (int body = 1; body <= kPlanetRows; ++body) {
    const TSignSplit split = SignSplit(chart.PlanetPos(body));
    const int house = chart.HouseOfBody(body - 1);
    rows.push_back({TLanguage::PlanetGlyph(body - 1), FormatPos(split.rest),
                    TLanguage::SignGlyph(split.sign % 12),
                    house > 0 ? std::to_string(house) : std::string(),
                    chart.IsRetrograde(body)});
  }
  return rows;
}

TColumnGrid PlanetGrid(QSize size) { return TColumnGrid(kPlanetRows, {7, 16, 23, 30, 37}, 37, size); }

}  // namespace vyn::desktop
