#pragma once
// The program's look-ups on one zone's rows, step by step as the table
// collection performs them with find-nearest and one step back.
#include <optional>
#include <vector>

#include "tools/tz/zone_tables.h"

namespace vyn::tz {

// The ZONE row in force on a local date (YYYYMMDD): the row with that start
// date, else the one before the first later row; none before the first row.
std::optional<ZoneRow> LookUpZoneRow(const std::vector<ZoneRow>& rows, int date);

// TimeDiff in force at a local date and clock time (HHMMSS): find-nearest
// on (date) lands on the first row of that date or later; that row is used
// when it is on the date and time >= FromTime * 100, else the row before
// it; 0 when there is none.
int LookUpTimeDiff(const std::vector<SummerRow>& rows, int date, int hhmmss);

// The UTC offset in minutes east that the program derives from the rows at
// a local date and clock time (UT = local + TimeDelta - TimeDiff), or none
// when the date precedes the zone's first row.
std::optional<int> LookUpOffsetMinutes(const ZoneTables& tables, int date, int hhmmss);

}  // namespace vyn::tz
