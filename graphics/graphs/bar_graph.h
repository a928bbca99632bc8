#pragma once
// TElement and TModality: the element and modality graphs as plain
// classes: the two charts, the counts, the title and bar captions, and the
// geometry of the last rectangle.
#include <array>
#include <string>

#include "graphics/graphs/bar_counts.h"
#include "graphics/graphs/bar_graph_layout.h"
#include "graphics/wheel/wheel_types.h"

namespace vyn {

class THoroscope;

class TBarGraph {
 public:
  explicit TBarGraph(TBarGraphKind kind);

  TBarGraphKind Kind() const { return counts_.Kind(); }
  int Bars() const { return counts_.Bars(); }

  const THoroscope* Horoscope1() const { return chart1_; }
  const THoroscope* Horoscope2() const { return chart2_; }
  // A different chart recounts.
  void SetHoroscope1(const THoroscope* chart);
  void SetHoroscope2(const THoroscope* chart);
  void Recompute() { counts_.Recompute(chart1_, chart2_); }
  const TBarCounts& Counts() const { return counts_; }

  // "ELEMENTS" / "MODALITY" and the bar names until the window gives the
  // language's texts; bar 1..Bars().
  std::string Title;
  const std::string& Caption(int bar) const { return captions_.at(bar); }
  void SetCaption(int bar, std::string caption) { captions_.at(bar) = std::move(caption); }
  TRgb BarColor(int bar) const;
  TRgb Color{255, 255, 255};

  std::string HeaderName(int person) const;

  void Layout(const TWheelRect& rect) { g_ = LayoutBarGraph(rect, counts_); }
  const TBarGraphGeometry& Geometry() const { return g_; }
  TBarHit Hit(int x, int y) const { return HitBarGraph(g_, Bars(), x, y); }

 private:
  const THoroscope* chart1_ = nullptr;
  const THoroscope* chart2_ = nullptr;
  TBarCounts counts_;
  std::array<std::string, kMaxBars + 1> captions_;
  TBarGraphGeometry g_;
};

class TElement : public TBarGraph {
 public:
  TElement() : TBarGraph(TBarGraphKind::bkElement) {}
};

class TModality : public TBarGraph {
 public:
  TModality() : TBarGraph(TBarGraphKind::bkModality) {}
};

}  // namespace vyn
