#pragma once
// A birth place of the atlas resolved for a local birth date and clock time:
// its coordinates, the zone offset and summer-time advance in force, the
// first Gregorian date of its region, and the clock changes that make the
// birth time ambiguous.
//
// Before a zone kept a standard time, its history holds local mean time;
// a birth place then keeps the mean time of its own longitude, not that of
// the zone's reference city, on the same side of the date line as the
// zone's own mean time, and until the moment the zone's history ends it.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/clock_change.h"

namespace vyn {

class TDataCollection;

// What the atlas lacks when it cannot resolve a birth place.
enum class TAtlasMissing { amState, amPlace };

// A state or place that the atlas does not hold; Missing() tells which, so
// callers need not read the message.
class EAtlasError : public std::runtime_error {
 public:
  EAtlasError(TAtlasMissing missing, const std::string& message)
      : std::runtime_error(message), missing_(missing) {}
  TAtlasMissing Missing() const { return missing_; }

 private:
  TAtlasMissing missing_;
};

struct TBirthPlace {
  std::string stateName, stateId, placeName;
  long latitude = 0;   // degrees * 100 + minutes, south negative
  long longitude = 0;  // degrees * 100 + minutes, east negative
  std::string zoneName, summerName;
  long double zoneTime = 0;    // H.MM to add to standard time for UT
  long double summerTime = 0;  // H.MM advance
  long double gregorianStart = 0;  // YYYY.MMDD, the region's own first Gregorian day
  bool localMeanTime = false;  // the zone kept no standard time yet
  // A local time skipped or repeated by a clock change near the birth.
  std::vector<TClockChange> clockChanges;
};

// Throws EAtlasError naming the state or place when the atlas lacks it;
// EDatabaseError (deBadValue) for a date that is not YYYYMMDD or a time that
// is not HHMMSS; ETableError (deCorrupt) naming the table and row for a
// damaged row (no latitude, a zone reference that names no zone, an offset
// out of range); other errors of the table store propagate. No table's
// cursor moves.
TBirthPlace ResolveBirthPlace(TDataCollection& atlas, const std::string& state,
                              const std::string& place, std::int64_t date,
                              std::int64_t time);

// The mean time offset in minutes (positive west) of a longitude in the
// table form degrees * 100 + minutes (east negative), to the nearest minute.
// Throws EDatabaseError (deBadValue) for a longitude beyond 180 degrees.
int MeanTimeMinutes(long longitude);
// The same as H.MM.
long double MeanTimeOffset(long longitude);

}  // namespace vyn
