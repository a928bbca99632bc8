#pragma once
// A birth place of the atlas resolved for a local birth date and clock time:
// its coordinates, the zone offset and summer-time advance in force, the
// first Gregorian date of its region, and warnings about clock changes.
//
// Before a zone kept a standard time, its history holds local mean time;
// a birth place then keeps the mean time of its own longitude, not that of
// the zone's reference city.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace vyn {

class TDataCollection;

// A state or place that the atlas does not hold.
class EAtlasError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TBirthPlace {
  std::string stateName, stateId, placeName;
  long latitude = 0;   // degrees * 100 + minutes, south negative
  long longitude = 0;  // degrees * 100 + minutes, east negative
  std::string zoneName, summerName;
  long double zoneTime = 0;    // H.MM to add to standard time for UT
  long double summerTime = 0;  // H.MM advance
  long double gregorianStart = 0;  // YYYY.MMDD
  bool localMeanTime = false;  // the zone kept no standard time yet
  std::vector<std::string> warnings;  // a skipped or repeated local time
};

// Throws EAtlasError naming the state or place when the atlas lacks it;
// errors of the table store propagate.
TBirthPlace ResolveBirthPlace(TDataCollection& atlas, const std::string& state,
                              const std::string& place, std::int64_t date,
                              std::int64_t time);

// The mean time offset (H.MM, positive west) of a longitude in the table
// form degrees * 100 + minutes (east negative), to the nearest minute.
long double MeanTimeOffset(long longitude);

}  // namespace vyn
