#pragma once
// The Swiss Ephemeris body of each ephemeris slot 1..11 (index 0 unused):
// Sun to Pluto and the mean lunar node, as the ephemeris file tabulates
// them and the benchmarks compare them.
#include <swephexp.h>

#include <array>

#include "engine/ephemeris_format.h"

namespace vyn::tools {

struct TSwissBody {
  int sweBody;
  const char* name;
};

inline constexpr std::array<TSwissBody, ephemeris_format::kBodyCount + 1>
    kSwissBodies = {{
        {-1, ""},
        {SE_SUN, "Sun"},
        {SE_MOON, "Moon"},
        {SE_MERCURY, "Mercury"},
        {SE_VENUS, "Venus"},
        {SE_MARS, "Mars"},
        {SE_JUPITER, "Jupiter"},
        {SE_SATURN, "Saturn"},
        {SE_URANUS, "Uranus"},
        {SE_NEPTUNE, "Neptune"},
        {SE_PLUTO, "Pluto"},
        {SE_MEAN_NODE, "North Node"},
    }};

}  // namespace vyn::tools
