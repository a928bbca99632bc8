#include "graphics/wheel/wheel_angles.h"

#include "engine/horoscope.h"
#include "engine/houses.h"

namespace vyn {
namespace {

constexpr extended kSign = kPi / 6;

void SetEqualSigns(TWheelAngles& angles) {
  for (int i = 1; i <= 12; ++i) angles.C[i] = angles.w + kPi + (i - 1) * kSign;
  angles.C[13] = angles.C[1] + TwoPi;
}

}  // namespace

TWheelAngles DefaultWheelAngles() {
  TWheelAngles angles;
  for (int i = 1; i <= 12; ++i) angles.O[i] = i;
  for (int i = 1; i <= 13; ++i) angles.D[i] = kPi + (i - 1) * kSign;
  SetEqualSigns(angles);
  for (int i = 1; i <= 4; ++i) angles.E[i] = kPi + (i - 1) * HalfPi;
  return angles;
}

TWheelAngles WheelAnglesOf(const THoroscope& chart) {
  TWheelAngles angles;
  angles.w = chart.WheelRotation();
  angles.e = kPi - chart.CuspRad(1);
  for (int i = 1; i <= 12; ++i) {
    const extended pos = chart.PlanetPos(i);
    angles.P[i] = pos - 30 * Int(pos / 30);
    angles.A[i] = chart.PlanetRad(i) + angles.e;
    angles.O[i] = chart.SortedBody(i);
  }
  // The cusps increase from D[1] = π around the whole circle.
  for (int i = 1; i <= 13; ++i) {
    angles.D[i] = chart.CuspRad(i) + angles.e;
    if (i > 1 && angles.D[i] < angles.D[i - 1]) angles.D[i] += TwoPi;
  }
  SetEqualSigns(angles);
  angles.E[1] = kPi;
  angles.E[3] = TwoPi;
  if (chart.HouseSystem() != hsEqual) {
    angles.E[2] = angles.D[4];
    angles.E[4] = angles.D[10];
  } else {
    angles.E[2] = 3 * HalfPi;
    angles.E[4] = HalfPi;
  }
  for (int n = 1; n <= chart.AspectCount(); ++n) {
    TWheelAspect aspect;
    extended orb = 0;
    chart.GetAspect(n, aspect.first, aspect.second, aspect.kind, orb);
    aspect.firstAngle = chart.AspectPointRad(aspect.first) + angles.e;
    aspect.secondAngle = chart.AspectPointRad(aspect.second) + angles.e;
    angles.aspects.push_back(aspect);
  }
  return angles;
}

}  // namespace vyn
