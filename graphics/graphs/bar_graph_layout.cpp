#include "graphics/graphs/bar_graph_layout.h"

#include <cmath>

namespace vyn {
namespace {

int T(double v) { return static_cast<int>(std::trunc(v)); }

// Rows of the layout grid and the bar height in rows.
double Rows(TBarGraphKind kind) { return kind == TBarGraphKind::bkElement ? 16 : 15; }
double PanelRows(TBarGraphKind kind) { return kind == TBarGraphKind::bkElement ? 14 : 13; }

double BarTop(TBarGraphKind kind, int b, double h) {
  if (kind == TBarGraphKind::bkElement) return 2 * h + b * h / 2 - b + 2.5 * h * (b - 1);
  return 2 * h + b * h / 2 + 3 * h * (b - 1);
}
double BarHeight(TBarGraphKind kind, double h) {
  return kind == TBarGraphKind::bkElement ? 2.5 * h : 3 * h;
}

void LayoutPanel(TBarPanel& panel, const TBarCounts& counts, int person, double left,
                 double top, double width, double w, double h) {
  const TBarGraphKind kind = counts.Kind();
  panel.rect = {T(left), T(top), T(left + width), T(top + PanelRows(kind) * h)};
  panel.header = {panel.rect.left, panel.rect.top, panel.rect.right, T(top + 2 * h)};
  const int barLeft = T(left + w / 8) + (kind == TBarGraphKind::bkElement ? 1 : 0);
  const int barRight = T(left + width - w / 8);
  const double perCent = (barRight - barLeft) / 100.0;
  for (int b = 1; b <= counts.Bars(); ++b) {
    const int barTop = T(top + BarTop(kind, b, h));
    const int barBottom = barTop + T(BarHeight(kind, h));
    panel.backs[b] = {barLeft, barTop, barRight, barBottom};
    panel.bars[b] = {barLeft, barTop, barLeft + T(perCent * counts.Percent(person, b)),
                     barBottom};
  }
}

}  // namespace

TBarGraphGeometry LayoutBarGraph(const TWheelRect& rect, const TBarCounts& counts) {
  TBarGraphGeometry g;
  g.rect = rect;
  const TBarGraphKind kind = counts.Kind();
  const double w = rect.Width() / 12.0, h = rect.Height() / Rows(kind);
  g.w = w;
  g.h = h;
  const double top = rect.top + h;
  LayoutPanel(g.panels[0], counts, 1, rect.left + w / 4, top, 4 * w, w, h);
  LayoutPanel(g.panels[1], counts, 2, rect.left + 7.5 * w, top, 4.25 * w, w, h);
  g.headerFontBase = g.panels[0].header.Height();

  const int captionRight = T(rect.right - w / 4);
  g.title = {rect.left, g.panels[0].rect.top, captionRight,
             T(g.panels[0].backs[1].top - h / 2)};
  const int widen = kind == TBarGraphKind::bkElement ? T(h / 6) : 0;
  for (int b = 1; b <= counts.Bars(); ++b) {
    const TWheelRect& back = g.panels[0].backs[b];
    g.captions[b] = {rect.left, T(back.top + h / 2) - widen, captionRight,
                     T(back.bottom - h / 2) + widen};
  }
  return g;
}

TBarHit HitBarGraph(const TBarGraphGeometry& g, int bars, int x, int y) {
  for (int person = 1; person <= 2; ++person)
    for (int b = 1; b <= bars; ++b) {
      const TWheelRect& r = g.panels[person - 1].backs[b];
      if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return {person, b};
    }
  return {};
}

}  // namespace vyn
