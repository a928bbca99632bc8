#include "tools/tz/clock_history.h"

#include <algorithm>

namespace vyn::tz {
namespace {

ClockPeriod Unfolded(const Period& period) {
  ClockPeriod clock;
  clock.start = period.start;
  clock.localMeanTime = period.localMeanTime;
  clock.standardOffset = period.standardOffset + (period.daylight ? 0 : period.save);
  clock.summer = period.daylight ? period.save : 0;
  return clock;
}

// Folds the negative stretch of periods [begin, end) of one zone line.
void FoldLine(std::vector<ClockPeriod>& clock, std::size_t begin, std::size_t end) {
  std::size_t first = end, last = end;
  for (std::size_t i = begin; i < end; ++i) {
    if (clock[i].summer >= 0) continue;
    if (first == end) first = i;
    last = i;
  }
  if (first == end) return;
  std::int64_t lowest = 0;
  for (std::size_t i = first; i <= last; ++i) lowest = std::min(lowest, clock[i].summer);
  for (std::size_t i = first; i <= last; ++i) {
    clock[i].standardOffset += lowest;
    clock[i].summer -= lowest;
  }
}

}  // namespace

std::vector<ClockPeriod> FoldToClockPeriods(const std::vector<Period>& periods) {
  std::vector<ClockPeriod> clock;
  clock.reserve(periods.size());
  for (const Period& period : periods) clock.push_back(Unfolded(period));
  for (std::size_t begin = 0; begin < periods.size();) {
    std::size_t end = begin + 1;
    while (end < periods.size() && periods[end].zoneLine == periods[begin].zoneLine) ++end;
    FoldLine(clock, begin, end);
    begin = end;
  }
  std::vector<ClockPeriod> merged;
  for (const ClockPeriod& period : clock) {
    if (!merged.empty()) {
      ClockPeriod same = period;
      same.start = merged.back().start;
      if (same == merged.back()) continue;
    }
    merged.push_back(period);
  }
  return merged;
}

}  // namespace vyn::tz
