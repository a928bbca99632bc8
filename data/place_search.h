#pragma once
// Finding a birth place as a user types it: "munich", "München",
// "muenchen", "Bombay", "St Petersburg", "Portland, Maine", "Cambridge, MA".
//
// Two search tables beside the atlas hold every name under its search key
// (SearchKey): "PLACEALIAS" the places' own names, their other names (English,
// local and historical spellings) and the later words of their own names,
// each with the place's population; "STATEALIAS" the states' names and their
// other names (a country's regions under the country's name, "Turkey",
// "MA"). Matching a key is exact or a prefix, so one indexed range per
// spelling answers a search.
//
// Candidates rank by how closely the text matches (the whole name exactly,
// then the start of the name, then a later word exactly, then the start of a
// later word), then by population, a place's own name counting ten times
// its population against the other names of other places ("Venice" is
// Venice, Italy, not Dayton, Ohio, once called Venice; "Bombay" is still
// Mumbai, not Bombay, New York), then by state and place name.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/table_layout.h"

namespace vyn {

class TDataCollection;

inline constexpr std::string_view kPlaceAliasTable = "PLACEALIAS";
inline constexpr std::string_view kStateAliasTable = "STATEALIAS";

// What a row of "PLACEALIAS" holds under its key.
enum class TAliasKind { akName = 0, akOtherName = 1, akLaterWords = 2 };

// "PLACEALIAS": Alias (the search key), StateID, PlaceName, Kind
// (TAliasKind), Population; index "Alias". The rows are added in key order,
// one per key and place (a primary key would double the table's size).
const TTableLayout& PlaceAliasLayout();
// "STATEALIAS": Alias (the search key), StateID; primary key (Alias, StateID).
const TTableLayout& StateAliasLayout();

// The form under which names are stored and looked up: FoldText (lower case,
// no accents), apostrophes and full stops dropped, other punctuation and
// runs of blanks one blank, none at the ends. "Kuril'sk" -> "kurilsk",
// "Washington, D.C." -> "washington dc", "Saint-Étienne" -> "saint etienne".
std::string SearchKey(std::string_view text);

// The later words of a key: "new york city" -> "york city", "city".
std::vector<std::string> LaterWords(const std::string& key);

struct TAliasKey {
  std::string key;
  TAliasKind kind = TAliasKind::akName;
};

// The keys a place is found under: its own name, its other names, the later
// words of its own name; each key once, with the first of these kinds it has.
std::vector<TAliasKey> PlaceAliasKeys(std::string_view name,
                                      const std::vector<std::string>& otherNames);

struct TPlaceCandidate {
  std::string stateId, state, place;
  long latitude = 0;   // degrees * 100 + minutes, north positive
  long longitude = 0;  // degrees * 100 + minutes, west positive
  std::string zone;    // the zone's name
  std::int64_t population = 0;
};

// At most `limit` places matching `text`, best first. "PLACE, STATE" keeps
// the places of the states whose name or other name is STATE (exactly, else
// as the start of one); a STATE that names no state is ignored. Empty text
// or a limit below 1 gives no candidates. Errors of the table store
// propagate.
std::vector<TPlaceCandidate> SearchPlaces(TDataCollection& atlas, std::string_view text,
                                          int limit);

struct TStateCandidate {
  std::string stateId, state;
};

// At most `limit` states for a state name the atlas may not hold, best
// first: those named `text` exactly (by name or other name: "Germany" gives
// every "Germany - ..." region), then those of which it is the start of a
// name, then those whose name is within two typing errors of it; states of
// one closeness in alphabetical order.
std::vector<TStateCandidate> NearestStates(TDataCollection& atlas, std::string_view text,
                                           int limit);

}  // namespace vyn
