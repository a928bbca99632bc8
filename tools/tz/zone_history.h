#pragma once
// The history of one zone as zic computes it from the source: the
// standard offset and the daylight-saving amount in force from each
// instant on, with the zone line that sets them.
#include <cstdint>
#include <limits>
#include <vector>

#include "tools/tz/tz_source.h"

namespace vyn::tz {

constexpr std::int64_t kBeginningOfTime = std::numeric_limits<std::int64_t>::min();

struct Period {
  std::int64_t start = kBeginningOfTime;  // UTC seconds since 1970-01-01
  std::int64_t standardOffset = 0;        // seconds east of Greenwich
  std::int64_t save = 0;                  // seconds added to standard time
  bool daylight = false;                  // the save counts as summer time
  bool localMeanTime = false;             // a zone line with the format "LMT"
  int zoneLine = 0;                       // index into Zone::lines

  std::int64_t UtcOffset() const { return standardOffset + save; }
};

// Periods in time order; the first starts at kBeginningOfTime. Computed
// with zic's rules: each zone line starts at the previous line's UNTIL
// (read with the offsets in force just before it), named rules are
// applied year by year up to the line's UNTIL, a line starts with the
// save of the latest rule change of its set before its start, and a
// change whose local time does not come after the previous change's local
// time replaces that change. Rules are expanded up to the end of lastYear.
std::vector<Period> BuildZoneHistory(const Zone& zone, const TzSource& source,
                                     int lastYear);

// The local seconds (since 1970-01-01 00:00 on the local clock) of a rule's
// day and time in a year, before any offset is applied; throws
// TzSourceError for February 29 in a common year.
std::int64_t RuleLocalSeconds(int year, int month, const DayOfMonth& day,
                              std::int64_t timeOfDay);

}  // namespace vyn::tz
