#include "app/desktop/views/aspect_cells.h"

#include <cmath>
#include <cstdio>

#include "engine/aspects.h"
#include "engine/horoscope.h"
#include "language/language.h"

namespace vyn::desktop {
namespace {

bool IsGridPoint(int point) { return point >= 1 && point <= kAspectPoints; }

}  // namespace

std::string AspectHeaderGlyph(int point) { return TLanguage::BodyGlyph(point); }

std::string OrbText(extended minutes) {
  // Whole minutes in integers: D.MM through floating point could turn
  // 1 degree 10 minutes into "1.09".
  const long whole = std::lround(std::fabs(static_cast<double>(minutes)));
  char text[32];
  std::snprintf(text, sizeof text, "%ld.%02ld", whole / 60, whole % 60);
  return text;
}

std::vector<TAspectCell> AspectCells(const TAspectList& list) {
  std::vector<TAspectCell> cells;
  for (int n = 1; n <= list.Count(); ++n) {
    const TAspectEntry& entry = list.Entry(n);
    if (!IsGridPoint(entry.first) || !IsGridPoint(entry.second)) continue;
    cells.push_back({entry.first, entry.second, TLanguage::AspectGlyph(entry.kind),
                     OrbText(entry.orb)});
  }
  return cells;
}

TAspectGridContent AspectGridContent(int tab, const THoroscope* chart) {
  TAspectGridContent content;
  const bool shown = chart != nullptr && chart->Active();
  if (tab == 0) {
    if (shown && chart->Partner() != nullptr) content.cells = AspectCells(chart->CrossAspects());
    content.caption = content.cells.empty() ? acBase : acPair;
    return content;
  }
  content.caption = acOwn;
  if (!shown) return content;
  content.cells = AspectCells(chart->OwnAspects());
  content.partnerColours = chart->Partner() != nullptr;
  return content;
}

TColumnGrid AspectGrid(QSize size) {
  return TColumnGrid::Equal(kAspectGridLines, kAspectGridLines, size);
}

}  // namespace vyn::desktop
