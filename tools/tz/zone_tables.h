#pragma once
// One zone's rows of the atlas tables "ZONE" and "SUMMER", made from its
// clock history so that the program's look-ups by local date (ZONE) and by
// local date and clock time (SUMMER) give the offset in force:
//   UT = local clock + TimeDelta - TimeDiff.
//
// Representation rules:
// - Offsets are whole minutes, rounded to the nearest minute (half a minute
//   upwards); so are the local moments of changes.
// - A change takes effect at the local clock time just before it (a change
//   at 02:00 wall clock has FromTime 0200). Local times that a change skips
//   get the new offset; local times that a change repeats get the reading
//   before the change (the earlier one).
// - ZONE rows start at local midnight. When the standard offset changes at
//   another time of day, the ZONE row of that day carries the standard
//   offset that holds for the greater part of the day (on a tie the later
//   one), as long as the summer-time column can make up the difference
//   without going negative; otherwise the lower standard offset. SUMMER rows
//   then carry the difference for the rest of that day: e.g. a move from
//   +3 to +2 at 02:00 gets a ZONE row on that day and a 1-hour SUMMER row
//   from 00:00 to 02:00; a move from +2 to +3 at 23:00 keeps the day on +2,
//   with a 1-hour SUMMER row from 23:00 and the ZONE row on the next day.
// - Every local date carries at most one SUMMER row before 24:00, because
//   the SUMMER look-up takes the first row of a date. A change at midnight
//   on a date that has another change is written as FromTime 2400 of the
//   previous date, which the look-up reads as that midnight.
// - ZONE rows of a period of local mean time have the flag LMT. On the day
//   a zone leaves local mean time, the ZONE row carries the new standard
//   time whenever the SUMMER rows can bridge the mean-time hours before the
//   change, so the program's own mean time of the birth place replaces the
//   offset only on hours of mean time; where the zone's mean time was
//   behind its new standard time that bridge would be negative, and the day
//   stays a mean-time day whose hours after the change carry the bridge.
#include <cstdint>
#include <vector>

#include "tools/tz/clock_history.h"

namespace vyn::tz {

struct ZoneRow {
  int startDate = 0;   // YYYYMMDD
  int timeDelta = 0;   // hours * 100 + minutes, positive west of Greenwich
  bool localMeanTime = false;
  friend bool operator==(const ZoneRow&, const ZoneRow&) = default;
};

struct SummerRow {
  int fromDate = 0;  // YYYYMMDD
  int fromTime = 0;  // HHMM, 0000..2400
  int timeDiff = 0;  // hours * 100 + minutes of advance, >= 0
  friend bool operator==(const SummerRow&, const SummerRow&) = default;
};

struct ZoneTables {
  std::vector<ZoneRow> zone;      // ordered by startDate
  std::vector<SummerRow> summer;  // ordered by (fromDate, fromTime)
};

// A ZONE row of standard time whose offset had seconds.
struct RoundedZoneRow {
  int startDate = 0;
  std::int64_t exactSeconds = 0;  // east of Greenwich
};

// Figures about how the rows were made, summed over zones.
struct TableStatistics {
  int zoneRows = 0;
  int localMeanTimeRows = 0;
  int summerRows = 0;
  // ZONE rows whose standard offset had seconds (rounded to the minute).
  int roundedZoneRows = 0;
  int roundedLocalMeanTimeRows = 0;
  // SUMMER rows whose moment or amount had seconds.
  int roundedSummerRows = 0;
  // Changes whose local moments fell into one minute after rounding.
  int changesMergedByRounding = 0;
  // Standard-offset changes away from local midnight, and of those the ones
  // whose ZONE row starts on the day after the change.
  int standardChangesWithinDay = 0;
  int zoneRowsOnDayAfter = 0;
  // Midnight changes written as 2400 of the previous date.
  int rowsAt2400 = 0;
  // Dates left with two SUMMER rows before 24:00 (the look-up reads only
  // the first of them).
  int datesWithTwoSummerRows = 0;
  // Days flagged LMT that also hold hours of standard time (bridged).
  int localMeanTimeDaysWithStandardHours = 0;
  std::vector<RoundedZoneRow> roundedStandardRows;

  TableStatistics& operator+=(const TableStatistics& other);
};

struct TableRange {
  int firstDate = 18500101;  // the first ZONE row starts here
  int endDate = 21010101;    // exclusive
};

ZoneTables BuildZoneTables(const std::vector<ClockPeriod>& history,
                           const TableRange& range = {},
                           TableStatistics* statistics = nullptr);

// Minutes east of Greenwich <-> the tables' hours * 100 + minutes forms.
int TimeDeltaFromMinutesEast(int minutesEast);
int HoursMinutesToMinutes(int hhmm);  // keeps the sign: -530 -> -330

}  // namespace vyn::tz
