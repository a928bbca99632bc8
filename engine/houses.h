#pragma once
// The angles and the house cusps of a chart under three house systems.
#include "engine/angles.h"

namespace vyn {

enum THouseSystem : int { hsPlacidus = 0, hsKoch = 1, hsEqual = 2 };

// The sky of one chart: local sidereal time (right ascension of the
// Midheaven), geographic latitude and obliquity of the ecliptic, radians.
struct TSky {
  extended theta = 0;
  extended phi = 0;
  extended eps = 0;
};

// Ecliptic longitude rising in the east for the sidereal angle s.
extended Asc(const TSky& sky, extended s);

// Cusp of house h (1..12 as used for the houses 10, 11, 12, 1, 2, 3), in
// [0, 2pi). A cusp that cannot be computed (an invalid operation, or a
// Placidus iteration that does not settle) sets `failed` and gives 0.
// Throws EHoroscopeException "Invalid House System!" for an unknown system.
extended HouseCusp(int system, int house, const TSky& sky, bool& failed);

// The house whose cusp a position slot 13..18 holds: 10, 11, 12, 1, 2, 3.
constexpr int HouseOfCuspSlot(int slot) {
  return slot <= 15 ? slot - 3 : slot - 15;
}

}  // namespace vyn
