#pragma once
// A zone history as the atlas tables hold it: a standard offset and a
// summer-time advance that is never negative.
#include <cstdint>
#include <vector>

#include "tools/tz/zone_history.h"

namespace vyn::tz {

struct ClockPeriod {
  std::int64_t start = kBeginningOfTime;  // UTC seconds
  std::int64_t standardOffset = 0;        // seconds east of Greenwich
  std::int64_t summer = 0;                // seconds, >= 0
  bool localMeanTime = false;

  std::int64_t UtcOffset() const { return standardOffset + summer; }
  friend bool operator==(const ClockPeriod&, const ClockPeriod&) = default;
};

// Turns zic periods into clock periods:
// - a save that does not count as daylight time belongs to standard time;
// - negative daylight saving (Irish winter time, Namibian winter time 1994
//   to 2017, Moroccan Ramadan time) is folded into the standard offset:
//   within one zone line, from the first period with a negative save to the
//   last, the standard offset is lowered by the most negative save of that
//   stretch and every save raised by the same amount, so the summer part
//   stays >= 0 and the total offset is unchanged; outside that stretch the
//   line's own standard offset holds.
// Consecutive periods that end up equal are merged.
std::vector<ClockPeriod> FoldToClockPeriods(const std::vector<Period>& periods);

}  // namespace vyn::tz
