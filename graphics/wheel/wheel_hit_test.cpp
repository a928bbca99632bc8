#include "graphics/wheel/wheel_hit_test.h"

#include <cmath>

namespace vyn {
namespace {

namespace wr = wheel_radius;

constexpr double kAxisTolerance = 2.5;
constexpr double kLineTolerance = 1.5;
constexpr extended kAriesPointWidth = 0.05;

using THit = std::optional<TWheelHit>;

class THitTester {
 public:
  THitTester(const TWheelHitInput& input, int x, int y)
      : in_(input), g_(*input.geometry), x_(x), y_(y), dx_(x - g_.centre.x),
        dy_(y - g_.centre.y) {}

  THit Find() const {
    if (g_.dualMode) {
      if (Inside(wr::kInnerDouble)) return AspectTest();
      if (Inside(wr::kInnerChartInner)) return BodyTest(true);
      if (Inside(wr::kInnerChartOuter) || Inside(wr::kZodiacInner)) return BodyTest(false);
    } else {
      if (Inside(wr::kInnerSingle)) return AspectTest();
      if (Inside(wr::kHouseRing)) return First(AxisTest(false), HouseTest());
      if (Inside(wr::kInnerChartInner) || Inside(wr::kZodiacInner)) return BodyTest(false);
    }
    if (Inside(wr::kZodiacOuter)) return SignTest();
    return AxisTest(false);
  }

 private:
  static THit First(THit a, THit b) { return a ? a : b; }
  bool Inside(double r) const { return InsideRing(g_, r, x_, y_); }

  THit AspectTest() const {
    if (!in_.showAspects) return std::nullopt;
    int best = 0;
    double bestDistance = 0;
    for (std::size_t k = 0; k < g_.aspects.size(); ++k) {
      const double distance = g_.aspects[k].line.Distance(x_, y_);
      if (best == 0 || distance < bestDistance) {
        best = static_cast<int>(k) + 1;
        bestDistance = distance;
      }
    }
    if (best == 0 || bestDistance >= kLineTolerance) return std::nullopt;
    return TWheelHit{htAspect, best, false};
  }

  // Whether the press lies on the half of the wheel the line's outer end
  // points to.
  bool SameSide(const TWheelLine& line) const {
    const long long ox = line.to.x - g_.centre.x, oy = line.to.y - g_.centre.y;
    return ox * dx_ + oy * dy_ > 0;
  }

  THit AxisTest(bool inner) const {
    const TChartRing& ring = inner ? g_.inner : g_.outer;
    for (int i = 1; i <= 4; ++i)
      if (ring.axes[i].Distance(x_, y_) < kAxisTolerance && SameSide(ring.axes[i]))
        return TWheelHit{htAxis, i, inner};
    return std::nullopt;
  }

  THit GlyphTest(bool inner) const {
    if (!(inner ? in_.innerChart : in_.outerChart)) return std::nullopt;
    const TChartRing& ring = inner ? g_.inner : g_.outer;
    const long long h = g_.bodyFontHeight;
    int best = 0;
    long long bestSquare = 0;
    for (int slot = 1; slot <= 12; ++slot) {
      const long long gx = ring.glyphs[slot].x - x_, gy = ring.glyphs[slot].y - y_;
      const long long square = gx * gx + gy * gy;
      // 2·distance ≤ H
      if (4 * square <= h * h && (best == 0 || square < bestSquare)) {
        best = slot;
        bestSquare = square;
      }
    }
    if (best == 0) return std::nullopt;
    return TWheelHit{htPlanet, best, inner};
  }

  // Cusp lines 1..6 run through the centre: the side of the press tells
  // cusp h from the opposite cusp h + 6.
  THit CuspTest() const {
    for (int h = 1; h <= 6; ++h) {
      const TWheelLine& line = g_.outer.cusps[h];
      if (line.Distance(x_, y_) < kLineTolerance)
        return TWheelHit{htCusp, SameSide(line) ? h : h + 6, false};
    }
    return std::nullopt;
  }

  THit BodyTest(bool inner) const {
    if (THit hit = GlyphTest(inner)) return hit;
    if (g_.dualMode)
      if (THit hit = AxisTest(true)) return hit;
    if (THit hit = AxisTest(false)) return hit;
    if (THit hit = CuspTest()) return hit;
    return HouseTest();
  }

  // The press angle minus the rotation, brought into [start, start + 2π).
  extended PressAngle(extended start) const {
    extended phi = std::atan2(static_cast<extended>(-dy_), static_cast<extended>(dx_));
    phi -= g_.rot;
    while (phi < start) phi += TwoPi;
    while (phi >= start + TwoPi) phi -= TwoPi;
    return phi;
  }

  THit HouseTest() const {
    const TWheelAngles& a = *in_.angles;
    const extended phi = PressAngle(a.D[1]);
    for (int h = 1; h <= 12; ++h)
      if (a.D[h] <= phi && phi < a.D[h + 1]) return TWheelHit{htHouse, h, false};
    return std::nullopt;
  }

  THit SignTest() const {
    if (THit hit = AxisTest(false)) return hit;
    const TWheelAngles& a = *in_.angles;
    const extended phi = PressAngle(a.C[1]);
    for (int i = 1; i <= 12; ++i) {
      if (!(a.C[i] <= phi && phi < a.C[i + 1])) continue;
      if ((i == 1 && phi - a.C[1] < kAriesPointWidth) ||
          (i == 12 && a.C[13] - phi < kAriesPointWidth))
        return TWheelHit{htAriesPoint, 0, false};
      return TWheelHit{htSign, i, false};
    }
    return std::nullopt;
  }

  const TWheelHitInput& in_;
  const TWheelGeometry& g_;
  int x_, y_;
  long long dx_, dy_;
};

}  // namespace

bool InsideRing(const TWheelGeometry& geometry, double r, int x, int y) {
  const double dx = x - geometry.centre.x, dy = y - geometry.centre.y;
  const long long d = static_cast<long long>(std::sqrt(dx * dx + dy * dy));
  return 2 * d < geometry.Ring(r).Width();
}

std::optional<TWheelHit> FindWheelHit(const TWheelHitInput& input, int x, int y) {
  return THitTester(input, x, y).Find();
}

}  // namespace vyn
