#pragma once
// Builds the search tables of the atlas ("PLACEALIAS", "STATEALIAS") from
// the committed atlas sources: every place under its own name, its other
// names and the later words of its own name; every state under its name and
// its other names, all as search keys.
#include <string>

namespace vyn {
class TVynDatabase;
}

namespace vyn::tools {

struct TSearchSources {
  std::string states;        // states.tsv
  std::string places;        // places.tsv (with Population)
  std::string placeAliases;  // place_aliases.tsv: StateID, PlaceName, Names ("|" between)
  std::string stateAliases;  // state_aliases.tsv: StateID, Alias
};

struct TSearchFigures {
  long placeKeys = 0, stateKeys = 0;
};

// Creates the tables and fills them, in the caller's transaction. Throws
// std::runtime_error naming the file and row at fault (a search name of a
// place or state the atlas does not hold, a population that is no number).
TSearchFigures LoadSearchTables(TVynDatabase& database, const TSearchSources& sources);

}  // namespace vyn::tools
