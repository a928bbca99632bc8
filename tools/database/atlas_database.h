#pragma once
// Builds the shipped tables of a new database: the schema of every table,
// and the atlas of states, places, time zones and summer-time histories.
#include <string>

namespace vyn {
class TVynDatabase;
}

namespace vyn::tools {

struct TAtlasSources {
  std::string tzdata;     // zic source, tzdata.zi
  std::string states;     // states.tsv
  std::string places;     // places.tsv
  std::string gregorian;  // gregorian.tsv
};

struct TAtlasFigures {
  std::string tzVersion;
  long zones = 0, zoneRows = 0, summerRows = 0;
  long states = 0, places = 0;
};

// Creates the schema and loads the atlas in one transaction; on any error
// nothing of the atlas is kept. Throws std::runtime_error naming the source
// or table at fault.
TAtlasFigures BuildAtlasDatabase(TVynDatabase& database,
                                 const TAtlasSources& sources);

}  // namespace vyn::tools
