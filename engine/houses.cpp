#include "engine/houses.h"

#include <cmath>
#include <cstdlib>

#include "engine/horoscope_exception.h"

namespace vyn {
namespace {

constexpr extended kPlacidusTolerance = 0.0002L;
constexpr int kPlacidusMaxRounds = 50;

extended Placidus(int house, const TSky& sky, bool& failed) {
  const int b = house - 7;
  const extended f = std::abs(b) / 3.0L - 1;
  const extended r0 = sky.theta + (b - std::abs(b)) * kPi / 6;
  extended x = r0 + f * HalfPi;
  if (b == -6) return Asc(sky, r0);
  if (f == 0) return RAToLambda(x, sky.eps);

  const extended k = Tan(sky.eps) * Tan(sky.phi);
  for (int round = 0; round < kPlacidusMaxRounds; ++round) {
    const extended s = -std::sin(x) * k;
    const extended d = x - f * ArcCos(s) - r0;
    x += d / (f * k * std::cos(x) / std::sqrt(1 - s * s) - 1);
    if (!std::isfinite(x)) break;
    if (std::fabs(d) <= kPlacidusTolerance) return RAToLambda(x, sky.eps);
  }
  failed = true;
  return 0;
}

extended Koch(int house, const TSky& sky) {
  int b = house - 1 - 12 * (house >= 10 ? 1 : 0);
  const int c = b >= 3 ? 1 : 0;
  b -= 6 * c;
  const extended semiArc =
      ArcCos(-Tan(sky.eps) * Tan(sky.phi) * std::sin(sky.theta));
  return Mod2Pi(Asc(sky, sky.theta + (b / 3.0L) * semiArc) + c * kPi);
}

extended Equal(int house, const TSky& sky) {
  return Norm1(Asc(sky, sky.theta) + (house - 1) * kHouseStep);
}

}  // namespace

extended Asc(const TSky& sky, extended s) {
  const extended y = s + HalfPi;
  const extended k = Tan(sky.phi) * Tan(sky.eps);
  const extended e = ArcTan2(-k * std::sin(y), k * std::cos(y) - 1);
  const extended r = ModPiAbs(e);
  return RAToLambda(y - r + HalfPi, sky.eps);
}

extended HouseCusp(int system, int house, const TSky& sky, bool& failed) {
  extended cusp = 0;
  switch (system) {
    case hsPlacidus: cusp = Placidus(house, sky, failed); break;
    case hsKoch: cusp = Koch(house, sky); break;
    case hsEqual: cusp = Equal(house, sky); break;
    default: throw EHoroscopeException("Invalid House System!");
  }
  if (!std::isfinite(cusp)) {
    failed = true;
    return 0;
  }
  return Mod2Pi(cusp);
}

}  // namespace vyn
