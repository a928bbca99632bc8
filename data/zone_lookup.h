#pragma once
// The zone offset, summer-time advance and first Gregorian date of a place,
// looked up in the zone and summer-time histories. Each look-up sets the
// current index of the tables it uses (the named index or the primary key)
// and leaves it so. Missing rows give the defaults; errors of the table
// store propagate.
#include <cstdint>
#include <string>

namespace vyn {

class TVynTable;

inline constexpr long double kDefaultGregorianStart = 1522.0101L;
// From this date on every country counts the Gregorian calendar.
inline constexpr long double kGregorianEverywhere = 1930.0101L;

// Positions `zones` on the history row of the zone named `zone_name` in
// force at `date` (YYYYMMDD): the zone's last row starting on or before the
// date. False when there is none or the name is empty.
bool LocateZoneRow(TVynTable& zone_ids, TVynTable& zones,
                   const std::string& zone_name, std::int64_t date);

// The offset (H.MM, positive west) of the zone named `zone_name` at `date`
// (YYYYMMDD): the "TimeDelta" / 100 of the zone's last history row starting
// on or before the date; 0 when there is none or the name is empty.
long double ZoneOffset(TVynTable& zone_ids, TVynTable& zones,
                       const std::string& zone_name, std::int64_t date);

// The summer-time advance (H.MM) of the rule named `summer_name` at the local
// `date` (YYYYMMDD) and clock `time` (HHMMSS): the "TimeDiff" / 100 of the
// rule's history row in force; 0 when there is none or the name is empty.
long double SummerOffset(TVynTable& summer_ids, TVynTable& summers,
                         const std::string& summer_name, std::int64_t date,
                         std::int64_t time);

// The first Gregorian date (YYYY.MMDD) of the region of the place `place` in
// the state `state` for a birth on `birth_date` (YYYY.MMDD): the "GregDate"
// of the place's zone, or 1522.0101 for births after 1930.0101 (with no
// look-up), empty names or missing rows.
long double GregorianStartOf(TVynTable& states, TVynTable& places,
                             TVynTable& zone_ids, const std::string& state,
                             const std::string& place, long double birth_date);

}  // namespace vyn
