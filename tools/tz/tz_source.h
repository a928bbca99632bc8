#pragma once
// The time zone source in zic input format (the tzdata.zi form and the
// long form alike): rule lines, zone lines with their continuation lines,
// and link lines, parsed into plain values. Times are in seconds.
#include <cstdint>
#include <limits>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vyn::tz {

// A line of the source that cannot be read; the message names the line
// number and the field.
class TzSourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Which clock a time of day is read on: the local wall clock, local
// standard time (without daylight saving) or universal time.
enum class ClockKind { Wall, Standard, Universal };

struct TimeOfDay {
  std::int64_t seconds = 0;  // from 00:00; may be negative or past 24:00
  ClockKind clock = ClockKind::Wall;
};

// The ON field of a rule and the day of an UNTIL: a fixed day of the
// month, the last given weekday of the month, or the first given weekday on
// or after (the last on or before) a day of the month.
enum class DayKind { Fixed, WeekdayOnOrAfter, WeekdayOnOrBefore };

struct DayOfMonth {
  DayKind kind = DayKind::Fixed;
  int day = 1;      // 1..31; for "lastSun" the month's length (February: 29)
  int weekday = 0;  // 0 = Sunday .. 6 = Saturday
  bool last = false;  // written as "lastXxx"
};

// An amount added to standard time (SAVE of a rule, RULES of a zone line),
// with whether the result counts as daylight-saving time.
struct SaveAmount {
  std::int64_t seconds = 0;
  bool daylight = false;
};

constexpr int kMinimumYear = std::numeric_limits<int>::min();
constexpr int kMaximumYear = std::numeric_limits<int>::max();

struct RuleLine {
  int fromYear = 0;  // kMinimumYear for "minimum"
  int toYear = 0;    // kMaximumYear for "maximum"
  int month = 1;
  DayOfMonth on;
  TimeOfDay at;
  SaveAmount save;
  int lineNumber = 0;
};

struct ZoneLine {
  enum class Rules { Standard, Fixed, Named };
  std::int64_t standardOffset = 0;  // seconds east of Greenwich
  Rules rules = Rules::Standard;
  SaveAmount fixedSave;      // for Rules::Fixed
  std::string ruleName;      // for Rules::Named
  std::string format;
  bool hasUntil = false;
  int untilYear = 0;
  int untilMonth = 1;
  DayOfMonth untilDay;
  TimeOfDay untilTime;
  int lineNumber = 0;
};

struct Zone {
  std::string name;
  std::vector<ZoneLine> lines;  // the last one has no UNTIL
};

struct Link {
  std::string target;
  std::string name;
  int lineNumber = 0;
};

struct TzSource {
  std::string version;  // from a leading "# version 2025b" comment, else ""
  std::vector<Zone> zones;
  std::map<std::string, std::vector<RuleLine>> rules;
  std::vector<Link> links;

  const Zone* FindZone(std::string_view name) const;
  // The zone a name stands for: the zone itself or the end of its link
  // chain; nullptr when the name is unknown.
  const Zone* ResolveName(std::string_view name) const;
};

// Parses the whole text. Throws TzSourceError on the first line it cannot
// read, on a zone without its continuation lines, on duplicate zone names,
// on a zone naming an unknown rule set and on a link to an unknown name.
TzSource ParseTzSource(std::string_view text);

// Reads and parses a file; a file that cannot be read throws
// std::runtime_error naming the path.
TzSource LoadTzSource(const std::string& path);

// Field readers, exposed for tests: each throws TzSourceError on malformed
// text (the message names what was expected).
TimeOfDay ParseTimeOfDay(std::string_view field);
std::int64_t ParseSignedDuration(std::string_view field);
SaveAmount ParseSaveAmount(std::string_view field);
int ParseMonthName(std::string_view field);
DayOfMonth ParseDayOfMonth(std::string_view field, int monthForLast);

}  // namespace vyn::tz
