#include "graphics/graphs/bar_graph.h"

#include <QString>

#include "engine/horoscope.h"

namespace vyn {
namespace {

constexpr std::array<TRgb, 4> kElementColors = {
    TRgb{255, 255, 92}, TRgb{240, 0, 0}, TRgb{64, 210, 250}, TRgb{0, 145, 72}};
constexpr std::array<TRgb, 3> kModalityColors = {TRgb{255, 0, 0}, TRgb{128, 32, 32},
                                                 TRgb{128, 255, 0}};

}  // namespace

TBarGraph::TBarGraph(TBarGraphKind kind) : counts_(kind) {
  if (kind == TBarGraphKind::bkElement) {
    Title = "ELEMENTS";
    captions_ = {"", "Air", "Fire", "Water", "Earth"};
  } else {
    Title = "MODALITY";
    captions_ = {"", "Cardinal", "Fixed", "Mutable", ""};
  }
  Layout({0, 0, 100, 100});
}

void TBarGraph::SetHoroscope1(const THoroscope* chart) {
  if (chart == chart1_) return;
  chart1_ = chart;
  Recompute();
}

void TBarGraph::SetHoroscope2(const THoroscope* chart) {
  if (chart == chart2_) return;
  chart2_ = chart;
  Recompute();
}

TRgb TBarGraph::BarColor(int bar) const {
  if (Kind() == TBarGraphKind::bkElement) return kElementColors.at(bar - 1);
  return kModalityColors.at(bar - 1);
}

std::string TBarGraph::HeaderName(int person) const {
  const THoroscope* chart = person == 1 ? chart1_ : chart2_;
  if (!chart) return {};
  return QString::fromStdString(chart->FirstName() + " " + chart->LastName())
      .toUpper()
      .toStdString();
}

}  // namespace vyn
