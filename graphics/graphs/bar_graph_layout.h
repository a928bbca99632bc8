#pragma once
// Geometry of the element and modality graphs for a rectangle: two panels
// (first person left, second right) with one bar per element or modality,
// the title and the bar captions between the panels; and which bar a point
// is on.
#include <array>

#include "graphics/graphs/bar_counts.h"
#include "graphics/wheel/wheel_types.h"

namespace vyn {

struct TBarPanel {
  TWheelRect rect, header;
  std::array<TWheelRect, kMaxBars + 1> backs{};  // bars 1..n, full length (press areas)
  std::array<TWheelRect, kMaxBars + 1> bars{};   // by the percentages
};

struct TBarGraphGeometry {
  TWheelRect rect;
  double w = 0, h = 0;
  std::array<TBarPanel, 2> panels;
  TWheelRect title;
  std::array<TWheelRect, kMaxBars + 1> captions{};
  int headerFontBase = 0;  // header height
};

TBarGraphGeometry LayoutBarGraph(const TWheelRect& rect, const TBarCounts& counts);

struct TBarHit {
  int person = 0;  // 0: no bar
  int bar = 0;
  friend bool operator==(const TBarHit&, const TBarHit&) = default;
};
// The first bar background holding the point: left panel first, bars in
// order.
TBarHit HitBarGraph(const TBarGraphGeometry& g, int bars, int x, int y);

}  // namespace vyn
