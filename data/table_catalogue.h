#pragma once
// The catalogue of the tables in the database "VYN32": for each table its
// role, its name at creation, the prefix of its language-dependent name, the
// key chosen at creation and its layout (fields, primary key, named indexes).
#include <string>
#include <vector>

#include "data/table_layout.h"

namespace vyn {

enum class TTableRole {
  trNames,           // NAME: people
  trCurrentNames,    // CurrNAME: the people in the main window's chart slots
  trInterpretation,  // bkrlat + country: interpretation texts
  trTips,            // Tips + country: tips of the day
  trOrbSets,         // ORBIS + country: orb set names
  trGroups,          // GROUPS: group names
  trGroupMembers,    // NAMEGRPS: group membership
  trZoneIds,         // ZONEID: time zones
  trZones,           // ZONE: time-zone history
  trSummerIds,       // SUMMERID: summer-time rules
  trSummers,         // SUMMER: summer-time history
  trOrbDefinitions,  // ORBDEF + country: orb definitions
  trPlaces,          // PLACES: places
  trStates,          // STATES: countries and states
  trHelp,            // HELP + country: help texts
  trSecondHelp,      // KHLP + country: second help table
};

struct TCatalogueEntry {
  TTableRole Role;
  std::string InitialName;
  bool InitialNameTakesCountry = false;  // InitialName + the country at creation
  std::string LanguagePrefix;  // name = prefix + country code; "" = fixed name
  std::string SearchKey;       // leading fields of the index set at creation
  TTableLayout Layout;
};

// Every table, in the order the collection creates them.
const std::vector<TCatalogueEntry>& TableCatalogue();

const TCatalogueEntry& CatalogueEntry(TTableRole role);

// The table's name when the collection is created for `country`.
std::string InitialTableName(const TCatalogueEntry& entry, const std::string& country);

}  // namespace vyn
