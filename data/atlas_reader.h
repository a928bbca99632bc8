#pragma once
// Reads the rows of the atlas tables (STATES, PLACES, ZONEID, ZONE,
// SUMMERID, SUMMER) with statements of its own, never through a TVynTable,
// so no window's cursor or edit buffer moves. Every row read is checked:
// a row whose values cannot be right (no latitude, an offset of days, a
// clock time past 24:00) is refused with an ETableError (deCorrupt) naming
// the table, the row's key and the field, instead of giving a plausible
// wrong answer. A missing table is an ETableError (deMissingTable) naming
// it; a damaged file one (deCorrupt) naming the table being read.
#include <cstdint>
#include <optional>
#include <string>

#include "data/lookup_statements.h"

namespace vyn {

class TVynDatabase;

struct TStateRow {
  std::string stateId, stateName;
  std::int64_t gregDate = 0;  // YYYYMMDD; 0 when the state has no date of its own
};

struct TPlaceRow {
  std::string stateId, placeName;
  long latitude = 0;   // degrees * 100 + minutes, south negative
  long longitude = 0;  // degrees * 100 + minutes, east negative
  std::string zoneRef, summerRef;
};

struct TZoneIdRow {
  std::string zoneId, zoneName;
  std::int64_t gregDate = 0;  // YYYYMMDD
};

struct TZoneRow {
  std::string zoneId;
  std::int64_t startDate = 0;  // YYYYMMDD
  int offsetMinutes = 0;       // positive west of Greenwich
  bool localMeanTime = false;
};

struct TSummerRow {
  std::string summerId;
  std::int64_t fromDate = 0;  // YYYYMMDD
  int fromMinute = 0;         // local clock time, 0..1440 (1440 = the next midnight)
  int advanceMinutes = 0;
};

// Limits of the values a row may hold. A zone offset beyond 16 hours, or a
// summer advance beyond a whole day, is a damaged row: the widest real ones
// are the mean times of Alaska before 1867 (15 h 14 min east) and the day
// repeated when a place crossed the date line (24 h).
inline constexpr int kMaxZoneOffsetMinutes = 16 * 60;
inline constexpr int kMaxSummerAdvanceMinutes = 24 * 60;

class TAtlasReader {
 public:
  explicit TAtlasReader(TVynDatabase& database) : statements_(database) {}

  std::optional<TStateRow> StateByName(const std::string& stateName);
  std::optional<TPlaceRow> PlaceByKey(const std::string& stateId,
                                      const std::string& placeName);
  std::optional<TZoneIdRow> ZoneById(const std::string& zoneId);
  std::optional<TZoneIdRow> ZoneByName(const std::string& zoneName);
  // The summer rule's id of a name, and the name of an id.
  std::optional<std::string> SummerIdOfName(const std::string& summerName);
  std::optional<std::string> SummerNameOfId(const std::string& summerId);

  // The zone's history row in force on `date` (YYYYMMDD): its last row
  // starting on or before the date.
  std::optional<TZoneRow> ZoneRowAt(const std::string& zoneId, std::int64_t date);
  // The zone's first history row.
  std::optional<TZoneRow> FirstZoneRow(const std::string& zoneId);
  // The zone's row before the one starting on `startDate`.
  std::optional<TZoneRow> ZoneRowBefore(const std::string& zoneId,
                                        std::int64_t startDate);
  // The rule's row in force at the local `date` and clock `minute` of the
  // day: its last row from a date before, or from the same date at a clock
  // time not after the minute.
  std::optional<TSummerRow> SummerRowAt(const std::string& summerId,
                                        std::int64_t date, int minute);

  void Clear() { statements_.Clear(); }

 private:
  template <class Read>
  auto Reading(const std::string& table, Read read) -> decltype(read());

  TLookupStatements statements_;
  std::optional<bool> statesHaveGregDate_;
};

}  // namespace vyn
