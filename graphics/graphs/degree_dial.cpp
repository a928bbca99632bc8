#include "graphics/graphs/degree_dial.h"

#include <cmath>

#include "engine/horoscope.h"

namespace vyn {

double DialValue(double longitude, int angle) {
  return longitude - std::trunc(longitude / angle) * angle;
}

std::array<int, kDialPoints + 1> DialOrder(const std::array<double, kDialPoints + 1>& values) {
  std::array<int, kDialPoints + 1> order{};
  std::array<bool, kDialPoints + 1> used{};
  auto lowestAbove = [&](double floor, bool any) {
    int best = 0;
    for (int p = 1; p <= kDialPoints; ++p)
      if (!used[p] && (any || values[p] > floor) && (!best || values[p] < values[best]))
        best = p;
    return best;
  };
  for (int k = 1; k <= kDialPoints; ++k) {
    int next = 0;
    if (k == 1) {
      next = lowestAbove(0, true);
    } else {
      const double v = values[order[k - 1]];
      for (int p = kDialPoints; p >= 1 && !next; --p)
        if (!used[p] && values[p] == v) next = p;
      if (!next) next = lowestAbove(v, false);
      if (!next) next = lowestAbove(0, true);  // never needed with real numbers
    }
    order[k] = next;
    used[next] = true;
  }
  return order;
}

void TDDial::SetAngle(int angle) {
  if (angle == angle_) return;
  angle_ = angle;
  Recompute();
}

void TDDial::SetHoroscope(const THoroscope* chart) {
  chart_ = chart;
  Recompute();
}

bool TDDial::ChartsShown() const {
  return chart_ && chart_->Active() && chart_->EphemerisOpen();
}

void TDDial::Recompute() {
  if (ChartsShown()) {
    const THoroscope* charts[] = {chart_, chart_->Partner()};
    for (int person = 0; person < 2; ++person) {
      if (!charts[person]) continue;  // no partner: the lower row keeps its values
      auto& v = persons_[person].values;
      for (int p = 1; p <= 11; ++p)
        v[p] = DialValue(static_cast<double>(charts[person]->PlanetPos(p)), angle_);
      v[12] = DialValue(static_cast<double>(charts[person]->CuspPos(1)), angle_);
      v[13] = DialValue(static_cast<double>(charts[person]->CuspPos(10)), angle_);
    }
  }
  for (TDialPerson& p : persons_) p.order = DialOrder(p.values);
}

void TDDial::SetValues(int person, const std::array<double, kDialPoints + 1>& values) {
  TDialPerson& p = persons_.at(person - 1);
  p.values = values;
  p.order = DialOrder(values);
}

std::string TDDial::Title() const {
  std::string first1, first2;
  if (chart_) {
    first1 = chart_->FirstName();
    if (chart_->Partner()) first2 = chart_->Partner()->FirstName();
  }
  return " " + angleText_ + " - " + PersonText1 + first1 + ". " + PersonText2 + first2;
}

void TDDial::Layout(const TWheelRect& r) {
  const int W = r.Width(), H = r.Height();
  g_.rect = r;
  switch (angle_) {
    case 30: angleText_ = Text30; g_.step = 2; break;
    case 60: angleText_ = Text60; g_.step = 4; break;
    case 90: angleText_ = Text90; g_.step = 6; break;
    default: break;  // keeps the text and step of the previous layout
  }
  const int x0 = r.left + W / 14;
  g_.e = W - W / 7;
  g_.band = {x0, r.top + H / 3, x0 + g_.e, r.top + 2 * (H / 3 + 3) + 7};
  const int top = g_.band.top, bottom = g_.band.bottom, B = bottom - top;
  g_.unit = std::abs(g_.e / 12);

  g_.upperTicks.clear();
  g_.lowerTicks.clear();
  const int parts = angle_ / 5;
  if (parts > 0) {
    const int gap = g_.e / parts, f = H / 3 + 3, q = f / 4;
    for (int i = 1; i <= parts - 1; ++i) {
      const int x = x0 + i * gap;
      g_.upperTicks.push_back(MakeWheelLine({x, top}, {x, top + q}));
      g_.lowerTicks.push_back(MakeWheelLine({x, top + 3 * q}, {x, top + f}));
    }
  }
  g_.tickNumberTop = top + (2 * B) / 5;
  g_.tickFontHeight = B > 40 ? B / 4 : 0;
  g_.stripeTop = top + 2 * (B / 5);
  g_.stripeBottom = bottom - 2 * (B / 5);
  g_.glyphRow1 = r.top + (top - r.top) * 2 / 3;
  g_.glyphRow2 = r.bottom - (r.bottom - bottom) * 2 / 3;
  g_.glyphFontHeight = g_.unit * 7 / 12;
  g_.titleFontHeight = g_.unit * 4 / 9;
  Spread(persons_[0], g_.glyphRow1, true);
  Spread(persons_[1], g_.glyphRow2, false);
}

// Glyphs follow the display order; a glyph too close to the one before is
// pushed after it, and one with a close follower steps back a little. The
// last point measures its gap to the first without wrapping round.
void TDDial::Spread(TDialPerson& p, int row, bool above) const {
  const double s = g_.step;
  const int x0 = g_.band.left, e = g_.e;
  const int yEnd = above ? g_.band.top : g_.band.bottom - 1;
  auto xOf = [&](double d) { return x0 + static_cast<int>(std::trunc(e * d / angle_)); };
  double previous = 0;
  for (int k = 1; k <= kDialPoints && p.order[k] != 0; ++k) {
    const int b = p.order[k];
    const int n = p.order[k == kDialPoints ? 1 : k + 1];
    const double m = k == 1 ? 18 : p.values[b] - previous;
    const double u = n ? std::abs(p.values[b] - p.values[n]) : 0;
    double shift;
    if (m >= s)
      shift = u > 2 * s / 3 ? 0 : -s / 3;
    else
      shift = u > s && m > s / 2 ? 0 : 3 * s / 4;
    const double d = shift > 0 ? previous + shift : p.values[b] + shift;
    previous = d;
    const TWheelPoint glyph{xOf(d), row};
    const TWheelPoint end{xOf(p.values[b]), yEnd};
    const int ys = above ? row + g_.unit / 4 + 2 : row - g_.unit / 4 - 2;
    // A glyph row on the band edge (very low dials): a vertical pointer.
    const int xs = end.y == glyph.y
                       ? end.x
                       : end.x + static_cast<int>(std::trunc(static_cast<double>(ys - end.y) *
                                                             (end.x - glyph.x) /
                                                             (end.y - glyph.y)));
    p.glyphs[b] = glyph;
    p.pointers[b] = MakeWheelLine({xs, ys}, end);
  }
}

}  // namespace vyn
