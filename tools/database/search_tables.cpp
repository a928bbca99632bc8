#include "tools/database/search_tables.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>
#include <stdexcept>
#include <tuple>

#include "data/place_search.h"
#include "data/table_loader.h"
#include "data/vyn_database.h"
#include "data/vyn_table.h"
#include "tools/database/tsv_table.h"

namespace vyn::tools {
namespace {

struct TKeyRow {
  std::string key, stateId, placeName;
  TAliasKind kind = TAliasKind::akName;
  long long population = 0;
  bool operator<(const TKeyRow& o) const {
    return std::tie(key, stateId, placeName) < std::tie(o.key, o.stateId, o.placeName);
  }
};

using TPlaceId = std::pair<std::string, std::string>;  // StateID, PlaceName

long long Population(const std::string& text, const std::string& where) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    throw std::runtime_error(where + ": Population \"" + text + "\" is not a whole number");
  return std::stoll(text);
}

std::vector<std::string> SplitNames(const std::string& names) {
  std::vector<std::string> list;
  std::size_t start = 0;
  for (std::size_t bar; (bar = names.find('|', start)) != std::string::npos; start = bar + 1)
    list.push_back(names.substr(start, bar - start));
  list.push_back(names.substr(start));
  return list;
}

// The other names of the places, by place.
std::map<TPlaceId, std::vector<std::string>> OtherNames(const std::string& path) {
  const TTsvTable aliases = TTsvTable::Read(path);
  const std::size_t state = aliases.Column("StateID"), place = aliases.Column("PlaceName"),
                    names = aliases.Column("Names");
  std::map<TPlaceId, std::vector<std::string>> result;
  for (const auto& row : aliases.Rows()) result[{row[state], row[place]}] = SplitNames(row[names]);
  return result;
}

// Within one state a name means the place that bears it: another place's
// other name that is the own name of a place of the same state is dropped
// (Delhi's "New Delhi" beside New Delhi itself).
void DropNamesOwnedInTheirState(std::vector<TKeyRow>& rows) {
  std::set<std::pair<std::string, std::string>> owned;  // StateID, key
  for (const TKeyRow& row : rows)
    if (row.kind == TAliasKind::akName) owned.insert({row.stateId, row.key});
  std::erase_if(rows, [&](const TKeyRow& row) {
    return row.kind == TAliasKind::akOtherName && owned.contains({row.stateId, row.key});
  });
}

// The keys of every place, in key order.
std::vector<TKeyRow> PlaceKeys(const TSearchSources& sources) {
  const TTsvTable places = TTsvTable::Read(sources.places);
  std::map<TPlaceId, std::vector<std::string>> otherNames = OtherNames(sources.placeAliases);
  const std::size_t state = places.Column("StateID"), name = places.Column("PlaceName"),
                    population = places.Column("Population");
  static const std::vector<std::string> kNone;
  std::vector<TKeyRow> rows;
  long line = 1;
  for (const auto& row : places.Rows()) {
    ++line;
    const long long people =
        Population(row[population], sources.places + ":" + std::to_string(line));
    const auto other = otherNames.find({row[state], row[name]});
    for (TAliasKey& key : PlaceAliasKeys(row[name], other == otherNames.end() ? kNone : other->second))
      rows.push_back({std::move(key.key), row[state], row[name], key.kind, people});
    if (other != otherNames.end()) otherNames.erase(other);
  }
  if (!otherNames.empty())
    throw std::runtime_error(sources.placeAliases + ": names of " +
                             std::to_string(otherNames.size()) + " places not in " + sources.places +
                             ", such as " + otherNames.begin()->first.first + " \"" +
                             otherNames.begin()->first.second + "\"");
  DropNamesOwnedInTheirState(rows);
  std::sort(rows.begin(), rows.end());
  return rows;
}

// The keys of every state: its name and its other names.
std::set<std::pair<std::string, std::string>> StateKeys(const TSearchSources& sources) {
  const TTsvTable states = TTsvTable::Read(sources.states);
  const TTsvTable aliases = TTsvTable::Read(sources.stateAliases);
  std::set<std::string> ids;
  std::set<std::pair<std::string, std::string>> keys;
  for (const auto& row : states.Rows()) {
    ids.insert(row[states.Column("StateID")]);
    keys.insert({SearchKey(row[states.Column("StateName")]), row[states.Column("StateID")]});
  }
  long line = 1;
  for (const auto& row : aliases.Rows()) {
    ++line;
    const std::string& id = row[aliases.Column("StateID")];
    if (!ids.contains(id))
      throw std::runtime_error(sources.stateAliases + ":" + std::to_string(line) +
                               ": no state " + id + " in " + sources.states);
    const std::string key = SearchKey(row[aliases.Column("Alias")]);
    if (!key.empty()) keys.insert({key, id});
  }
  return keys;
}

}  // namespace

TSearchFigures LoadSearchTables(TVynDatabase& database, const TSearchSources& sources) {
  const std::string placeTable(kPlaceAliasTable), stateTable(kStateAliasTable);
  TVynTable(database, placeTable, PlaceAliasLayout()).CreateTable();
  TVynTable(database, stateTable, StateAliasLayout()).CreateTable();

  TSearchFigures figures;
  // Rows in key order, so the index grows at its end.
  TTableLoader places(database, placeTable, PlaceAliasLayout());
  for (const TKeyRow& row : PlaceKeys(sources))
    places.Append({row.key, row.stateId, row.placeName, static_cast<long long>(row.kind),
                   row.population});
  figures.placeKeys = places.Count();
  TTableLoader states(database, stateTable, StateAliasLayout());
  for (const auto& [key, id] : StateKeys(sources)) states.Append({key, id});
  figures.stateKeys = states.Count();
  return figures;
}

}  // namespace vyn::tools
