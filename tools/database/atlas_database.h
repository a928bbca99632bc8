#pragma once
// Loads the shipped atlas into a new database: states, places, time zones
// and their summer-time histories.
#include <string>

namespace vyn {
class TDataCollection;
}

namespace vyn::tools {

struct TAtlasSources {
  std::string tzdata;     // zic source, tzdata.zi
  std::string states;     // states.tsv
  std::string places;     // places.tsv
  std::string gregorian;  // gregorian.tsv
  std::string stateGregorian;  // state_gregorian.tsv: regions with a reform of their own
};

struct TAtlasFigures {
  std::string tzVersion;
  long zones = 0, zoneRows = 0, summerRows = 0;
  long states = 0, places = 0;
  long statesWithOwnReform = 0;  // states whose date is not their country's
};

// Loads the atlas into the collection's tables, which must exist; runs in
// the caller's transaction. Throws std::runtime_error naming the source or
// table at fault.
TAtlasFigures LoadAtlas(TDataCollection& collection, const TAtlasSources& sources);

}  // namespace vyn::tools
