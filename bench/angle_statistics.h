#pragma once
// Error statistics of angles: differences folded onto the circle, maximum,
// mean and percentiles of absolute errors.
#include <cstddef>
#include <vector>

namespace vyn::bench {

// a - b in degrees, folded into [-180, 180).
double AngleDifferenceDegrees(double a, double b);

inline constexpr double kPi = 3.14159265358979323846;
inline double RadiansToDegrees(double r) { return r * (180.0 / kPi); }

// Absolute errors collected one by one.
class TErrorSample {
 public:
  void Add(double absoluteError);
  std::size_t Count() const { return values_.size(); }
  double Max() const;
  double Mean() const;
  // The p-th percentile (0 < p <= 100), nearest rank; 0 when empty.
  double Percentile(double p) const;

 private:
  std::vector<double> values_;
  double sum_ = 0;
  double max_ = 0;
};

}  // namespace vyn::bench
