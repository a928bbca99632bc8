#include "graphics/wheel/wheel_geometry.h"

#include <cmath>

namespace vyn {
namespace {

namespace wr = wheel_radius;

constexpr extended kDegree = kPi / 180;

int Rounded(double x) { return static_cast<int>(std::lround(x)); }

// The largest centred square: sides made even first.
void FitSquare(TWheelGeometry& g) {
  const TWheelRect& r = g.rect;
  int w = r.Width(), h = r.Height();
  if (w % 2 != 0) --w;
  if (h % 2 != 0) --h;
  if (w == h) g.square = {r.left, r.top, r.left + w, r.top + h};
  else if (w < h) g.square = {r.left, r.top + (h - w) / 2, r.left + w, r.top + (h - w) / 2 + w};
  else g.square = {r.left + (w - h) / 2, r.top, r.left + (w - h) / 2 + h, r.top + h};
  g.R = g.square.Width() / 2;
  g.centre = {g.square.left + g.R, g.square.top + g.R};
}

TWheelLine Radial(const TWheelGeometry& g, double from, double to, extended theta) {
  return MakeWheelLine(g.At(from, theta), g.At(to, theta));
}

TSignPolygon SignSegment(const TWheelGeometry& g, extended s, extended t, double outer,
                         double inner) {
  TSignPolygon polygon;
  for (int k = 0; k <= 30; ++k) {
    const extended theta = s + k * (t - s) / 30;
    polygon[k] = g.At(outer, theta);
    polygon[61 - k] = g.At(inner, theta);
  }
  return polygon;
}

void LayoutSigns(TWheelGeometry& g, const TWheelAngles& a) {
  for (int i = 1; i <= 12; ++i) {
    const extended s = a.C[i] + g.rot, t = a.C[i + 1] + g.rot;
    g.signs[i] = SignSegment(g, s, t, wr::kSignOuter, wr::kZodiacInner);
    g.signGlyphs[i] = g.At(0.865, (s + t) / 2);
    if (g.dualMode) g.innerSigns[i] = SignSegment(g, s, t, wr::kInnerSingle, wr::kInnerDouble);
  }
}

// Every fifth tick (whole multiples of 5°) is longer.
void LayoutTicks(const TWheelGeometry& g, TTickSet& ticks, extended start, double from,
                 double fifthFrom, double to) {
  for (int d = 0; d < 360; ++d)
    ticks[d] = Radial(g, d % 5 == 0 ? fifthFrom : from, to, start + d * kDegree);
}

void LayoutGlyphs(const TWheelGeometry& g, TChartRing& ring, const TGlyphPlaces& places,
                  extended rot) {
  for (int slot = 1; slot <= 12; ++slot) {
    const TGlyphPlace& place = places[slot];
    ring.levels[slot] = place.level;
    ring.glyphs[slot] = g.At(place.radius, place.angle + rot);
    ring.pointers[slot] =
        MakeWheelLine(g.At(place.pointerFromRadius, place.pointerFromAngle + rot),
                      g.At(place.pointerToRadius, place.pointerToAngle + rot));
  }
}

void LayoutChartLines(const TWheelGeometry& g, TChartRing& ring, const TWheelAngles& a,
                      extended rot, double cuspFrom, double cuspTo, double axisFrom,
                      double axisTo) {
  for (int h = 1; h <= 13; ++h) ring.cusps[h] = Radial(g, cuspFrom, cuspTo, a.D[h] + rot);
  for (int i = 1; i <= 4; ++i) ring.axes[i] = Radial(g, axisFrom, axisTo, a.E[i] + rot);
}

// n(f): the pixel length of f·R as the wheel measures it. A product that
// should be whole (0.09 of 400) is not cut to the pixel below by rounding.
int PixelLength(const TWheelGeometry& g, double f) {
  constexpr double kRounding = 1e-9;
  return static_cast<int>(Trunc(g.square.left + g.R + f * g.R + kRounding)) - g.centre.x;
}

void LayoutFontHeights(TWheelGeometry& g) {
  g.houseFontHeight = Rounded(0.85 * PixelLength(g, 0.05));
  g.signFontHeight = Rounded(0.85 * PixelLength(g, 0.09));
  g.bodyFontHeight = Rounded(1.1 * PixelLength(g, 13.0 / 120));
}

}  // namespace

TWheelPoint TWheelGeometry::At(double r, extended theta) const {
  return {static_cast<int>(Trunc(r * std::cos(theta) * R + square.left + R)),
          static_cast<int>(Trunc(-r * std::sin(theta) * R + square.top + R))};
}

TWheelRect TWheelGeometry::Ring(double r) const {
  return {static_cast<int>(Trunc(centre.x - r * R)), static_cast<int>(Trunc(centre.y - r * R)),
          static_cast<int>(Trunc(centre.x + r * R)), static_cast<int>(Trunc(centre.y + r * R))};
}

double TWheelGeometry::InnerRadius() const {
  return dualMode ? wr::kInnerDouble : wr::kInnerSingle;
}

TWheelGeometry LayoutWheel(const TWheelLayoutInput& input) {
  TWheelGeometry g;
  const TWheelAngles& a = *input.angles;
  g.rect = input.rect;
  g.dualMode = input.innerAngles != nullptr;
  g.rot = input.rot;
  FitSquare(g);
  LayoutSigns(g, a);
  const extended tickStart = a.w + g.rot;
  if (g.dualMode) {
    const TWheelAngles& b = *input.innerAngles;
    // Both charts share one zodiac: the inner chart turns by the difference
    // of the sign starts.
    g.rot2 = a.C[1] - b.C[1] + g.rot;
    LayoutTicks(g, g.ticks2, tickStart, 0.41, 0.43, wr::kInnerSingle);
    LayoutTicks(g, g.ticks3, tickStart, wr::kInnerChartOuter, wr::kInnerChartInner,
                wr::kRelationDisc);
    LayoutGlyphs(g, g.outer, SpreadGlyphs(a, false), g.rot);
    LayoutGlyphs(g, g.inner, SpreadGlyphs(b, true), g.rot2);
    LayoutChartLines(g, g.outer, a, g.rot, wr::kZodiacInner, wr::kRelationDisc,
                     wr::kRelationDisc, 0.94);
    LayoutChartLines(g, g.inner, b, g.rot2, wr::kInnerChartInner, wr::kInnerDouble,
                     wr::kInnerSingle, 0.635);
  } else {
    LayoutTicks(g, g.ticks1, tickStart, 0.81, 0.79, wr::kZodiacInner);
    LayoutGlyphs(g, g.outer, PlaceGlyphsOnLevels(a), g.rot);
    LayoutChartLines(g, g.outer, a, g.rot, wr::kZodiacInner, wr::kInnerSingle,
                     wr::kInnerSingle, 0.94);
    for (int h = 1; h <= 12; ++h)
      g.houseNumbers[h] = g.At(0.425, (a.D[h] + a.D[h + 1]) / 2 + g.rot);
  }
  for (const TWheelAspect& aspect : a.aspects)
    g.aspects.push_back({MakeWheelLine(g.At(wr::kInnerSingle, aspect.firstAngle + g.rot),
                                       g.At(wr::kInnerSingle, aspect.secondAngle + g.rot)),
                         aspect.kind, aspect.first, aspect.second});
  LayoutFontHeights(g);
  return g;
}

}  // namespace vyn
