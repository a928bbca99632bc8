#pragma once
// The angles a wheel shows, taken from a chart record: body, cusp, sign and
// axis angles in radians as frame angles before the wheel's extra rotation
// (the Ascendant at π, so that it lies at the left), and the chart's own
// aspects between them. Arrays are numbered from 1 as the chart numbers its
// slots; element 0 is unused.
#include <array>
#include <vector>

#include "engine/angles.h"

namespace vyn {

class THoroscope;

// One aspect line of the chart's own list: its two aspect points (bodies
// 1..12, 13 Ascendant, 14 Midheaven), the aspect kind 0..12 and the frame
// angles of both points.
struct TWheelAspect {
  int first = 0;
  int second = 0;
  int kind = 0;
  extended firstAngle = 0;
  extended secondAngle = 0;
};

struct TWheelAngles {
  std::array<extended, 13> A{};  // body slots 1..12
  std::array<extended, 13> P{};  // degree within the sign, D.MM
  std::array<extended, 14> D{};  // house cusps 1..13, increasing from π
  std::array<extended, 14> C{};  // sign starts 1..13 (C[13] = C[1] + 2π)
  std::array<extended, 5> E{};   // axes: 1 Ascendant, 2 IC, 3 Descendant, 4 Midheaven
  std::array<int, 13> O{};       // body slots in ascending longitude
  extended w = 0;                // the chart's wheel rotation (2π − cusp 1), 0 without one
  extended e = 0;                // longitude to frame angle: π − cusp 1
  std::vector<TWheelAspect> aspects;
};

// The skeleton without a chart: no bodies, equal signs and houses of 30°
// from the left, the axes at the four quarters.
TWheelAngles DefaultWheelAngles();

// The angles of a calculated chart (active, ephemeris open).
TWheelAngles WheelAnglesOf(const THoroscope& chart);

}  // namespace vyn
