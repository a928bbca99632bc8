#include "graphics/graphs/compatibility_layout.h"

#include <cmath>

namespace vyn {
namespace {

int T(double v) { return static_cast<int>(std::trunc(v)); }
int R(double v) { return static_cast<int>(std::lround(v)); }

bool Inside(const TWheelRect& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

void LayoutPanel(TCompPanel& panel, double left, double top, double right, double bottom,
                 double w, double h, const TPersonScores& scores) {
  panel.rect = {T(left), T(top), T(right), T(bottom)};
  panel.header = {panel.rect.left, panel.rect.top, panel.rect.right, T(top + h)};
  const int barLeft = T(left + w / 8), barRight = T(right - w / 8);
  const double perCent = (barRight - barLeft) / 100.0;
  for (int r = 1; r <= kScoreCount; ++r) {
    const int s = kRowScoreIndex[r];
    const int rowTop = T(top + (r * h / 2 + h + 2 * h * (r - 1)));
    TCompBarRow& row = panel.rows[r];
    const int harmonyBottom = rowTop + T(h + 1);
    const int tensionTop = harmonyBottom - 1;
    const int tensionBottom = tensionTop + T(h);
    row.harmonyBack = {barLeft, rowTop, barRight, harmonyBottom};
    row.tensionBack = {barLeft, tensionTop, barRight, tensionBottom};
    row.harmonyBar = {barLeft, rowTop, barLeft + T(perCent * scores.harmonyPercent[s]),
                      harmonyBottom};
    row.tensionBar = {barLeft, tensionTop, barLeft + T(perCent * scores.tensionPercent[s]),
                      tensionBottom};
    row.barArea = {barLeft, rowTop, barRight, tensionBottom};
  }
}

}  // namespace

TCompGeometry LayoutCompatibility(const TWheelRect& rect, const TCompatibilityScores& scores) {
  TCompGeometry g;
  g.rect = rect;
  const double W = rect.Width(), H = rect.Height();
  const double w = W / 12, h = H / 24;
  g.w = w;
  g.h = h;
  const double x0 = rect.left + w / 4, y0 = rect.top + h, x1 = x0 + 4 * w - 1, y1 = y0 + 19 * h;
  const double X0 = rect.left + 7.5 * w + 2, X1 = X0 + 4.25 * w;
  LayoutPanel(g.panels[0], x0, y0, x1, y1, w, h, scores.Person(1));
  LayoutPanel(g.panels[1], X0, y0, X1, y1, w, h, scores.Person(2));

  const double right = rect.right;
  for (int r = 1; r <= kScoreCount; ++r) {
    const TCompBarRow& row = g.panels[0].rows[r];
    const int top = row.harmonyBack.top, bottom = row.tensionBack.bottom;
    g.leftGlyphButtons[r] = {R(right / 2.8), top, R(right / 2.47), bottom};
    g.areaButtons[r] = {R(right / 2.45), top, R(right / 1.74), bottom};
    g.rightGlyphButtons[r] = {R(right / 1.73), top, R(right / 1.605), bottom};
    const int middle = (top + bottom) / 2;
    g.leftGlyphs[r] = {T(x1 + w / 3), middle};
    g.rightGlyphs[r] = {T(X0 - w / 3), middle};
  }

  const int left = T(rect.left + w / 4), top = T(y1 + h), height = T(h);
  const int full = T(11 * w);
  g.harmonyBack = {left, top, left + full, top + height};
  g.tensionBack = {left, top + height - 1, left + full, top + 2 * height - 1};
  g.harmonyBar = {left, top, left + T(11 * w / 100 * scores.OverallHarmony()), top + height};
  g.tensionBar = {left, g.tensionBack.top, left + T(11 * w / 100 * scores.OverallTension()),
                  g.tensionBack.bottom};
  g.overallFrame = {left - 2, top - 2, left + full + 2, g.tensionBack.bottom + 2};
  return g;
}

TCompHit HitCompatibility(const TCompGeometry& g, int x, int y) {
  for (int r = 1; r <= kScoreCount; ++r)
    for (int person = 1; person <= 2; ++person) {
      const TCompBarRow& row = g.panels[person - 1].rows[r];
      if (Inside(row.harmonyBack, x, y)) return {TCompPart::cpBar, person, r, 1};
      if (Inside(row.tensionBack, x, y)) return {TCompPart::cpBar, person, r, 2};
    }
  if (Inside(g.harmonyBack, x, y)) return {TCompPart::cpOverall, 1, 0, 1};
  if (Inside(g.tensionBack, x, y)) return {TCompPart::cpOverall, 1, 0, 2};
  for (int r = 1; r <= kScoreCount; ++r) {
    if (Inside(g.areaButtons[r], x, y)) return {TCompPart::cpAreaButton, 1, r, 0};
    if (Inside(g.leftGlyphButtons[r], x, y)) return {TCompPart::cpGlyphButton, 1, r, 0};
    if (Inside(g.rightGlyphButtons[r], x, y)) return {TCompPart::cpGlyphButton, 2, r, 0};
  }
  return {};
}

TBarPress PressOf(const TCompHit& hit) {
  switch (hit.part) {
    case TCompPart::cpBar: return {hit.person, hit.row, hit.section, "Graph"};
    case TCompPart::cpOverall: return {1, 0, 0, hit.section == 1 ? "Harmony" : "Tension"};
    case TCompPart::cpAreaButton: return {1, hit.row, 0, "Center Button"};
    case TCompPart::cpGlyphButton: return {hit.person, hit.row, 0, "Planet Symbol"};
    case TCompPart::cpNone: break;
  }
  return {};
}

TCompHover HoverOf(const TCompHit& hit) {
  switch (hit.part) {
    case TCompPart::cpBar: return {true, hit.row, hit.person};
    case TCompPart::cpAreaButton: return {true, hit.row, 10};
    case TCompPart::cpGlyphButton: return {true, hit.person * 100 + hit.row, 0};
    case TCompPart::cpOverall:
    case TCompPart::cpNone: break;
  }
  return {};
}

}  // namespace vyn
