#include "graphics/graphs/bar_counts.h"

#include <algorithm>

#include "engine/horoscope.h"

namespace vyn {
namespace {

constexpr std::array<int, 12> kBodyWeights = {10, 10, 6, 6, 6, 4, 4, 1, 1, 1, 2, 2};
// First sign of each element bar: Air from Gemini, Fire from Aries, Water
// from Cancer, Earth from Taurus; the others follow every fourth sign.
constexpr std::array<int, 4> kElementStart = {2, 0, 3, 1};

}  // namespace

int BarCount(TBarGraphKind kind) { return kind == TBarGraphKind::bkElement ? 4 : 3; }

bool SignInBar(TBarGraphKind kind, int bar, int sign) {
  if (bar < 1 || bar > BarCount(kind) || sign < 0 || sign > 11) return false;
  if (kind == TBarGraphKind::bkElement) return sign % 4 == kElementStart[bar - 1];
  return sign % 3 == bar - 1;
}

int BodyBarWeight(int ordinal) { return ordinal >= 0 && ordinal < 12 ? kBodyWeights[ordinal] : 0; }
int AscendantBarWeight() { return 10; }
int MidheavenBarWeight(TBarGraphKind kind) { return kind == TBarGraphKind::bkElement ? 5 : 4; }

double TBarCounts::Count(const THoroscope& chart, int bar) const {
  TPlanetSet bodies = 0, cusps = 0;
  for (int sign = 0; sign < 12; ++sign)
    if (SignInBar(kind_, bar, sign)) {
      bodies |= chart.BodiesInSign(sign);
      cusps |= chart.CuspsInSign(sign);
    }
  double points = 0;
  for (int ordinal = 0; ordinal < 12; ++ordinal)
    if (bodies & PlanetBit(ordinal)) points += BodyBarWeight(ordinal);
  if (cusps & PlanetBit(0)) points += AscendantBarWeight();
  if (cusps & PlanetBit(9)) points += MidheavenBarWeight(kind_);
  return points;
}

void TBarCounts::Recompute(const THoroscope* chart1, const THoroscope* chart2) {
  points_ = {};
  percent_ = {};
  if (!chart1 || !chart2) return;
  const THoroscope* charts[] = {chart1, chart2};
  for (int person = 0; person < 2; ++person)
    for (int bar = 1; bar <= Bars(); ++bar) {
      const double points = Count(*charts[person], bar);
      points_[person][bar - 1] = points;
      percent_[person][bar - 1] = std::min(100.0, points * 100 / kBarFullPoints);
    }
}

}  // namespace vyn
