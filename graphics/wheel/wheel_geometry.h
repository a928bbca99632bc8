#pragma once
// Everything a wheel draws and hit-tests, in integer pixels for one
// rectangle: the square and radius, ring rectangles, sign segments, ticks,
// house numbers, cusp and axis lines, body glyphs with their pointers,
// aspect lines and the font heights. Computed once per rectangle or chart
// change; painting and hit testing only read it.
#include <array>
#include <vector>

#include "graphics/wheel/glyph_placement.h"
#include "graphics/wheel/wheel_angles.h"
#include "graphics/wheel/wheel_types.h"

namespace vyn {

// Radii of the rings, as fractions of the wheel radius R.
namespace wheel_radius {
inline constexpr double kZodiacOuter = 0.915;  // outline of the zodiac ring
inline constexpr double kSignOuter = 0.91;     // outer arc of a sign segment
inline constexpr double kZodiacInner = 0.82;   // base disc, inner edge of the zodiac
inline constexpr double kTickRing = 0.78;      // single wheel: inside the ticks
inline constexpr double kRelationDisc = 0.62;  // double wheel: the outer chart's disc
inline constexpr double kInnerChartOuter = 0.6;
inline constexpr double kInnerChartInner = 0.58;
inline constexpr double kHouseRing = 0.45;     // single wheel: grey house ring
inline constexpr double kInnerSingle = 0.4;    // Rin of a single wheel
inline constexpr double kInnerDouble = 0.36;   // Rin of a double wheel
}  // namespace wheel_radius

// The glyphs, pointers, cusp and axis lines of one chart.
struct TChartRing {
  std::array<TWheelPoint, 13> glyphs{};   // body slots 1..12
  std::array<TWheelLine, 13> pointers{};  // from the true position to the glyph
  std::array<int, 13> levels{};           // single wheel: 1..3
  std::array<TWheelLine, 14> cusps{};     // 1..13
  std::array<TWheelLine, 5> axes{};       // 1 Ascendant, 2 IC, 3 Descendant, 4 Midheaven
};

// The 62 points of a sign segment: 31 along the outer arc, then 31 back
// along the inner arc.
using TSignPolygon = std::array<TWheelPoint, 62>;

struct TWheelAspectLine {
  TWheelLine line;
  int kind = 0;
  int first = 0;   // aspect points: bodies 1..12, 13 Ascendant, 14 Midheaven
  int second = 0;
};

using TTickSet = std::array<TWheelLine, 360>;

struct TWheelGeometry {
  TWheelRect rect;     // the rectangle laid out
  TWheelRect square;   // the largest centred square in it
  int R = 0;           // wheel radius: half the square's side
  TWheelPoint centre;
  bool dualMode = false;
  extended rot = 0;    // extra rotation of the (outer) chart
  extended rot2 = 0;   // extra rotation of the inner chart
  std::array<TSignPolygon, 13> signs{};       // 1..12
  std::array<TWheelPoint, 13> signGlyphs{};   // 1..12
  std::array<TSignPolygon, 13> innerSigns{};  // double wheel: 1..12
  std::array<TWheelPoint, 13> houseNumbers{};  // single wheel: 1..12
  TChartRing outer;
  TChartRing inner;   // double wheel
  std::vector<TWheelAspectLine> aspects;
  TTickSet ticks1{};  // single wheel
  TTickSet ticks2{};  // double wheel, outside the inner sign ring
  TTickSet ticks3{};  // double wheel, inner edge of the outer chart
  int houseFontHeight = 0;
  int signFontHeight = 0;
  int bodyFontHeight = 0;  // H

  // The point at radius r (fraction of R) and frame angle θ.
  TWheelPoint At(double r, extended theta) const;
  // The bounding rectangle of the ring of radius r.
  TWheelRect Ring(double r) const;
  // The radius of the innermost ring: 0.36 on a double wheel, else 0.4.
  double InnerRadius() const;
};

struct TWheelLayoutInput {
  TWheelRect rect;
  const TWheelAngles* angles = nullptr;       // the wheel's own chart
  const TWheelAngles* innerAngles = nullptr;  // set on a double wheel
  extended rot = 0;
};

TWheelGeometry LayoutWheel(const TWheelLayoutInput& input);

}  // namespace vyn
