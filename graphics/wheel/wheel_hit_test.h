#pragma once
// Which element of a laid-out wheel a press falls on. Reads the geometry and
// angles only; selecting and reporting the element is the wheel's work.
#include <optional>

#include "graphics/wheel/wheel_angles.h"
#include "graphics/wheel/wheel_geometry.h"

namespace vyn {

// What a press reports, with the meaning of its reference number.
enum TWheelHitType : int {
  htPlanet = 0,      // body slot 1..12
  htSign = 1,        // sign 1..12, 1 Aries
  htHouse = 2,       // house 1..12
  htCusp = 3,        // house cusp 1..12
  htAspect = 4,      // entry number in the chart's own aspect list
  htAxis = 5,        // 1 Ascendant, 2 IC, 3 Descendant, 4 Midheaven
  htAriesPoint = 6,  // 0
  htLeftClick = 7,   // 0: plain left press on a double wheel, after the element
  htRightClick = 8,  // 0: plain right press
};

struct TWheelHit {
  TWheelHitType type = htPlanet;
  int ref = 0;
  bool inner = false;  // a body or axis of the inner chart of a double wheel
};

struct TWheelHitInput {
  const TWheelGeometry* geometry = nullptr;
  const TWheelAngles* angles = nullptr;  // the wheel's own (outer) chart
  bool showAspects = false;  // aspect lines are drawn (and can be hit)
  bool innerChart = false;   // a double wheel whose inner chart shows its glyphs
  bool outerChart = false;   // the wheel's own chart shows its glyphs
};

// The element under (x, y), or nothing. Rings are told apart by distance
// from the centre; within a ring, glyphs come before axes, cusp lines and
// houses, and the zodiac ring tells the Aries point (within 0.05 rad of 0°
// Aries) from the signs.
std::optional<TWheelHit> FindWheelHit(const TWheelHitInput& input, int x, int y);

// Whether (x, y) lies inside the ring of radius r: twice the whole-pixel
// distance from the centre is below the ring rectangle's width.
bool InsideRing(const TWheelGeometry& geometry, double r, int x, int y);

}  // namespace vyn
