#include "bench/angle_statistics.h"

#include <algorithm>
#include <cmath>

namespace vyn::bench {

double AngleDifferenceDegrees(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d < -180) d += 360;
  if (d >= 180) d -= 360;
  return d;
}

void TErrorSample::Add(double absoluteError) {
  values_.push_back(absoluteError);
  sum_ += absoluteError;
  max_ = std::max(max_, absoluteError);
}

double TErrorSample::Max() const { return max_; }

double TErrorSample::Mean() const {
  return values_.empty() ? 0 : sum_ / static_cast<double>(values_.size());
}

double TErrorSample::Percentile(double p) const {
  if (values_.empty()) return 0;
  std::vector<double> sorted = values_;
  const auto rank = static_cast<std::size_t>(
      std::ceil(p / 100 * static_cast<double>(sorted.size())));
  const auto k = std::clamp<std::size_t>(rank, 1, sorted.size()) - 1;
  std::nth_element(sorted.begin(), sorted.begin() + static_cast<long>(k),
                   sorted.end());
  return sorted[k];
}

}  // namespace vyn::bench
