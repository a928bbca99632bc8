#pragma once
// Checks the atlas rows against compiled zone files: at sample instants of
// every zone name (each change from 1850 to 2100, the second before it,
// the middle between changes, and the instants where a row of the tables
// starts), the offset the program derives from the rows by the local clock
// is compared with the compiled UTC offset rounded to the minute.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/tz/atlas_zones.h"
#include "tools/tz/tz_source.h"

namespace vyn::tz {

// How the look-ups fared on a set of samples.
struct LookupTally {
  std::int64_t samples = 0;
  std::int64_t matches = 0;
  // The local time occurs twice (clocks set back) and the rows give the
  // other reading: the one before the change.
  std::int64_t repeatedEarlierReading = 0;
  std::int64_t repeatedLaterReading = 0;
  // Within a minute of a change whose local moment has seconds.
  std::int64_t roundedMoment = 0;
  std::int64_t unexplained = 0;

  LookupTally& operator+=(const LookupTally& other);
};

struct CheckFigures {
  int zoneNames = 0;            // zones and links checked
  std::int64_t transitions = 0; // compiled changes with local time in the range
  // Samples where the computed history (exact seconds) differs from the
  // compiled offset: faults of the rule expansion.
  std::int64_t historyMismatches = 0;
  LookupTally standardTime;     // outside local mean time
  LookupTally localMeanTime;    // on ZONE rows flagged LMT
  // Local times that a change skips (clocks set forward), sampled at the
  // start, middle and end of the gap; the rows give them the offset after
  // the change.
  std::int64_t skippedSamples = 0;
  std::int64_t skippedGivenNewOffset = 0;
  std::vector<std::string> examples;  // the first unexplained cases

  bool Passed() const {
    return historyMismatches == 0 && standardTime.unexplained == 0 &&
           localMeanTime.unexplained == 0;
  }
};

// Reads the compiled file of every atlas name under zoneDirectory; throws
// TzifError when one is missing or unreadable.
CheckFigures CheckAtlas(const TzSource& source, const Atlas& atlas,
                        const std::string& zoneDirectory);

}  // namespace vyn::tz
