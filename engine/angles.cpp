#include "engine/angles.h"

#include <cmath>

namespace vyn {

extended Int(extended x) { return std::trunc(x); }
extended Frac(extended x) { return x - std::trunc(x); }

extended DMToDec(extended x) { return Frac(x) / 0.6L + Int(x); }
extended DecToDM(extended x) { return Frac(x) * 0.6L + Int(x); }

extended HMSToDec(extended x) {
  const extended a = std::fabs(x);
  const extended value = a * 2.7777777777777777778L -
                         Int(a) * 0.6666666666666666667L -
                         Int(a * 100 + 0.00004L) / 90;
  return x < 0 ? -value : value;
}

extended DegToRad(extended x) { return x * kDegreeFactor; }
extended RadToDeg(extended x) { return x / kDegreeFactor; }

extended Tan(extended x) {
  const extended c = std::cos(x);
  return c == 0 ? 0 : std::sin(x) / c;
}

extended ArcSin(extended x) {
  if (x == 1) return HalfPi;  // the quotient below would divide by zero
  if (x == -1) return -HalfPi;
  return std::atan(x / std::sqrt(1 - x * x));
}

extended ArcCos(extended x) { return HalfPi - ArcSin(x); }

extended ArcTan2(extended x, extended y) {
  if (y == 0) return x < 0 ? kPi : 0;
  return (y < 0 ? kPi : 0) + HalfPi + std::atan(-x / y);
}

extended Norm1(extended x) {
  if (x < 0) return x + TwoPi;
  if (x > TwoPi) return x - TwoPi;
  return x;
}

extended Mod2Pi(extended x) { return Norm1(x - Int(x / TwoPi) * TwoPi); }

extended ModPiAbs(extended x) { return std::fabs(x - Int(x / kPi) * kPi); }

extended RAToLambda(extended a, extended eps) {
  return ArcTan2(std::cos(a), std::sin(a) / std::cos(eps));
}

}  // namespace vyn
