#pragma once
// The POSIX TZ rule strings that end compiled zone files, with the
// extensions of RFC 8536 (hours of rule times from -167 to 167).
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vyn::tz {

class PosixTzError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct PosixTzDate {
  enum class Kind { JulianNoLeap, ZeroBasedDay, MonthWeekDay };
  Kind kind = Kind::MonthWeekDay;
  int day = 0;    // Jn: 1..365, n: 0..365
  int month = 0;  // Mm.w.d
  int week = 0;
  int weekday = 0;
  std::int64_t time = 7200;  // seconds after local midnight
};

struct PosixTz {
  std::int64_t standardOffset = 0;  // seconds east of Greenwich
  bool hasDaylight = false;
  std::int64_t daylightOffset = 0;  // seconds east of Greenwich
  PosixTzDate start;                // read in standard time
  PosixTzDate end;                  // read in daylight time
};

// A change of UTC offset at a UTC instant.
struct OffsetChange {
  std::int64_t at = 0;
  std::int64_t utcOffset = 0;  // seconds east
};

// Throws PosixTzError on malformed text and on daylight time without rules.
PosixTz ParsePosixTz(std::string_view text);

// The changes the rule makes in the years first..last, in time order.
std::vector<OffsetChange> PosixTzChanges(const PosixTz& tz, int firstYear, int lastYear);

}  // namespace vyn::tz
