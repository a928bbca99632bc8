#include "graphics/graphs/compatibility.h"

#include <QString>

#include "engine/horoscope.h"

namespace vyn {

TCompatibility::TCompatibility() {
  captions_ = {{{"", ""},
                {"Romance", "Riches"},
                {"ErosEnterprise", "Enterprise"},
                {"Warmth", "Respect"},
                {"Mentality", "Ideas"},
                {"Support", "Security"},
                {"Togetherness", ""},
                {"Family", "Career"}}};
  Layout({0, 0, 100, 100});
}

void TCompatibility::SetHoroscope1(const THoroscope* chart) {
  if (chart == chart1_) return;
  chart1_ = chart;
  Recompute();
}

void TCompatibility::SetHoroscope2(const THoroscope* chart) {
  if (chart == chart2_) return;
  chart2_ = chart;
  Recompute();
}

void TCompatibility::SetCaptions(int row, std::string upper, std::string lower) {
  captions_.at(row) = {std::move(upper), std::move(lower)};
}

std::string TCompatibility::HeaderName(int person) const {
  const THoroscope* chart = person == 1 ? chart1_ : chart2_;
  if (!chart) return {};
  return QString::fromStdString(chart->FirstName() + " " + chart->LastName())
      .toUpper()
      .toStdString();
}

}  // namespace vyn
