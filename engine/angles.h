#pragma once
// Angle and number-form conversions of the chart engine. All work in
// extended precision; Int, Frac and Trunc truncate toward zero.
#include <numbers>

namespace vyn {

using extended = long double;

inline constexpr extended kPi = std::numbers::pi_v<long double>;
inline constexpr extended HalfPi = kPi / 2;
inline constexpr extended TwoPi = 2 * kPi;
inline constexpr extended kDegreeFactor = 0.0174532925L;
inline constexpr extended kHouseStep = 0.52359877559829887307L;  // pi/6

extended Int(extended x);   // integer part, toward zero
extended Frac(extended x);  // x - Int(x)
inline long long Trunc(extended x) { return static_cast<long long>(x); }

extended DMToDec(extended x);   // D.MM to decimal
extended DecToDM(extended x);   // decimal to D.MM
extended HMSToDec(extended x);  // D.MMSS to decimal
extended DegToRad(extended x);
extended RadToDeg(extended x);

extended Tan(extended x);     // 0 where cos x is 0
extended ArcSin(extended x);  // NaN beyond [-1, 1]
extended ArcCos(extended x);
// The angle in [0, 2pi) whose cosine has the sign of x and sine that of y.
extended ArcTan2(extended x, extended y);
extended Norm1(extended x);     // one step of 2pi toward [0, 2pi]
extended Mod2Pi(extended x);
extended ModPiAbs(extended x);
// Ecliptic longitude of the ecliptic point with right ascension a.
extended RAToLambda(extended a, extended eps);

}  // namespace vyn
