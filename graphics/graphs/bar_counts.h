#pragma once
// The element and modality counts of a pair: each person's bodies counted
// by the signs they stand in, weighted by body, plus the Ascendant and the
// Midheaven by the signs of cusps 1 and 10. Elements: Air, Fire, Water,
// Earth; modalities: Cardinal, Fixed, Mutable. 50 points make 100 %.
#include <array>

namespace vyn {

class THoroscope;

enum class TBarGraphKind { bkElement, bkModality };

inline constexpr int kMaxBars = 4;
inline constexpr double kBarFullPoints = 50;

// 4 bars for the elements, 3 for the modalities.
int BarCount(TBarGraphKind kind);
// Whether sign 0..11 (0 Aries) belongs to bar 1..BarCount.
bool SignInBar(TBarGraphKind kind, int bar, int sign);
// Weight of body ordinal 0..11 (SU .. SN), of the Ascendant and of the
// Midheaven (5 for the elements, 4 for the modalities).
int BodyBarWeight(int ordinal);
int AscendantBarWeight();
int MidheavenBarWeight(TBarGraphKind kind);

class TBarCounts {
 public:
  explicit TBarCounts(TBarGraphKind kind) : kind_(kind) {}

  TBarGraphKind Kind() const { return kind_; }
  int Bars() const { return BarCount(kind_); }

  // All points anew; without both charts they stay 0.
  void Recompute(const THoroscope* chart1, const THoroscope* chart2);

  // Person 1 or 2, bar 1..Bars().
  double Points(int person, int bar) const { return points_.at(person - 1).at(bar - 1); }
  double Percent(int person, int bar) const { return percent_.at(person - 1).at(bar - 1); }

 private:
  double Count(const THoroscope& chart, int bar) const;

  TBarGraphKind kind_;
  std::array<std::array<double, kMaxBars>, 2> points_{}, percent_{};
};

}  // namespace vyn
