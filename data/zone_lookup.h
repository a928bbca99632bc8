#pragma once
// The zone offset, summer-time advance and first Gregorian date of a place,
// looked up in the zone and summer-time histories through the atlas reader:
// no table's cursor, index or edit buffer changes. Missing rows give the
// defaults; damaged rows, dates and times that are not dates and times, and
// errors of the table store throw.
#include <cstdint>
#include <string>

namespace vyn {

class TVynTable;
class TAtlasReader;
struct TStateRow;
struct TPlaceRow;

inline constexpr long double kDefaultGregorianStart = 1522.0101L;
// From this date on every country counts the Gregorian calendar.
inline constexpr long double kGregorianEverywhere = 1930.0101L;

// The offset (H.MM, positive west) of the zone named `zone_name` at `date`
// (YYYYMMDD): the "TimeDelta" / 100 of the zone's last history row starting
// on or before the date; 0 when there is none or the name is empty.
long double ZoneOffset(TAtlasReader& atlas, const std::string& zone_name,
                       std::int64_t date);

// The summer-time advance (H.MM) of the rule named `summer_name` at the local
// `date` (YYYYMMDD) and clock `time` (HHMMSS): the "TimeDiff" / 100 of the
// rule's history row in force; 0 when there is none or the name is empty.
long double SummerOffset(TAtlasReader& atlas, const std::string& summer_name,
                         std::int64_t date, std::int64_t time);

// The first Gregorian date (YYYY.MMDD) of the region of the place `place` in
// the state `state` for a birth on `birth_date` (YYYY.MMDD): 1522.0101 for
// births after 1930.0101 (with no look-up), empty names or missing rows,
// else the region's own date (RegionGregorianStart).
long double GregorianStartOf(TAtlasReader& atlas, const std::string& state,
                             const std::string& place, long double birth_date);

// The first Gregorian date (YYYYMMDD) of a place's region: the state's own
// date when it has one, else that of the place's zone; 0 when neither is known.
std::int64_t RegionGregorianStart(TAtlasReader& atlas, const TStateRow& state,
                                  const TPlaceRow& place);

// Positions `zones` on the history row of the zone named `zone_name` in
// force at `date` (YYYYMMDD). This moves the cursors of both tables: new
// code reads TAtlasReader::ZoneRowAt instead.
bool LocateZoneRow(TVynTable& zone_ids, TVynTable& zones,
                   const std::string& zone_name, std::int64_t date);

}  // namespace vyn
