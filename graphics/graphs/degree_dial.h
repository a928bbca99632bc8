#pragma once
// The degree dial as a plain class: a band standing for an arc of `Angle`
// degrees (30, 60 or 90) on which every point of two charts stands at its
// longitude reduced modulo the angle, the first person's above the band and
// the second person's below. Points of the two people at the same place of
// the band are a multiple of the angle apart. Values and display orders
// come from Recompute; Layout places the band, the ticks, the glyphs and
// their pointers for a rectangle; drawing only reads the result.
#include <array>
#include <string>
#include <vector>

#include "graphics/wheel/wheel_types.h"

namespace vyn {

class THoroscope;

// Points 1..11 the bodies SU .. NN, 12 the Ascendant, 13 the Midheaven.
inline constexpr int kDialPoints = 13;

struct TDialPerson {
  std::array<double, kDialPoints + 1> values{};  // 1..13, in [0, Angle)
  std::array<int, kDialPoints + 1> order{};      // 1..13 point numbers; 0 before Recompute
  std::array<TWheelPoint, kDialPoints + 1> glyphs{};
  std::array<TWheelLine, kDialPoints + 1> pointers{};
};

struct TDialGeometry {
  TWheelRect rect;       // the layout rectangle
  TWheelRect band;       // x0, top, right, bottom
  int e = 0;             // band width
  int unit = 0;          // glyph unit U
  double step = 4;       // spreading step s
  std::vector<TWheelLine> upperTicks, lowerTicks;
  int tickNumberTop = 0;
  int tickFontHeight = 0;  // 0: the font is left as it is (a low band)
  int glyphRow1 = 0, glyphRow2 = 0;
  int glyphFontHeight = 0, titleFontHeight = 0;
  int stripeTop = 0, stripeBottom = 0;
};

class TDDial {
 public:
  int Angle() const { return angle_; }
  // A different angle recomputes with the chart held.
  void SetAngle(int angle);

  // The first person's chart; the second is its partner. Stored and
  // recomputed on every call, also with the chart already held, so that a
  // changed chart shows its new positions.
  const THoroscope* Horoscope() const { return chart_; }
  void SetHoroscope(const THoroscope* chart);

  // Values from the charts when the chart is active with its ephemeris
  // open (the old values stay otherwise), then the display orders.
  void Recompute();
  // Whether the charts can be shown: assigned, active, ephemeris open.
  bool ChartsShown() const;

  // The dial's name for each angle and the words before each first name in
  // the title; empty unless the owner fills them.
  std::string Text30, Text60, Text90, PersonText1, PersonText2;
  // " " + angle text + " - " + PersonText1 + first name 1 + ". " +
  // PersonText2 + first name 2, as of the last layout.
  std::string Title() const;

  void Layout(const TWheelRect& rect);
  const TDialGeometry& Geometry() const { return g_; }
  const TDialPerson& Person(int person) const { return persons_.at(person - 1); }

  // Drawing: fill the background first, in `Color`.
  bool Opaque = false;
  TRgb Color{255, 255, 255};

  // Values of a person as given (skies written by hand); the orders are
  // rebuilt.
  void SetValues(int person, const std::array<double, kDialPoints + 1>& values);

 private:
  void Spread(TDialPerson& p, int row, bool above) const;

  int angle_ = 60;
  const THoroscope* chart_ = nullptr;
  std::array<TDialPerson, 2> persons_;
  TDialGeometry g_;
  std::string angleText_;
};

// The display order of 13 values: ascending; of equal values the
// lowest-numbered point first, then the others from the highest number down.
std::array<int, kDialPoints + 1> DialOrder(const std::array<double, kDialPoints + 1>& values);

// A D.MM longitude reduced modulo the angle, on the number as it stands.
double DialValue(double longitude, int angle);

}  // namespace vyn
