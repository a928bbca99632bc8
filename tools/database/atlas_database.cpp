#include "tools/database/atlas_database.h"

#include <map>
#include <stdexcept>
#include <unordered_map>
#include <utility>
#include <vector>

#include "data/data_collection.h"
#include "data/sqlite_connection.h"
#include "data/table_catalogue.h"
#include "data/table_loader.h"
#include "data/vyn_database.h"
#include "tools/database/tsv_table.h"
#include "tools/tz/atlas_zones.h"

namespace vyn::tools {
namespace {

// Where the calendar before the Gregorian one was not the Julian calendar,
// dates are read as Gregorian throughout (they are given converted).
constexpr long kGregorianThroughout = 15821015;

using TRow = std::map<std::string, TVynValue>;

// A row in the order of the table's fields; fields not given stay empty.
std::vector<TVynValue> InLayoutOrder(const TTableLayout& layout, TRow row) {
  std::vector<TVynValue> values;
  for (const TFieldDef& field : layout.Fields) {
    auto it = row.find(field.Name);
    if (it != row.end()) {
      values.push_back(std::move(it->second));
    } else {
      values.push_back(field.Kind == TFieldKind::fkText ? TVynValue("")
                                                        : TVynValue(0));
    }
  }
  return values;
}

// The catalogue's layout of a table with `extra` fields after its own.
TTableLayout LayoutWith(TTableRole role, std::vector<TFieldDef> extra) {
  TTableLayout layout = CatalogueEntry(role).Layout;
  for (TFieldDef& field : extra) layout.Fields.push_back(std::move(field));
  return layout;
}

class TLoader {
 public:
  TLoader(TVynDatabase& database, TTableRole role)
      : TLoader(database, role, CatalogueEntry(role).Layout) {}
  TLoader(TVynDatabase& database, TTableRole role, TTableLayout layout)
      : layout_(std::move(layout)),
        loader_(database, CatalogueEntry(role).InitialName, layout_) {}
  void Append(TRow row) { loader_.Append(InLayoutOrder(layout_, std::move(row))); }
  long Count() const { return loader_.Count(); }

 private:
  TTableLayout layout_;
  TTableLoader loader_;
};

long ToLong(const std::string& text, const std::string& what) {
  try {
    std::size_t used = 0;
    const long value = std::stol(text, &used);
    if (used == text.size()) return value;
  } catch (const std::exception&) {
  }
  throw std::runtime_error(what + ": not a whole number: \"" + text + "\"");
}

// First Gregorian date per country code.
std::unordered_map<std::string, long> GregorianDates(const std::string& path) {
  const TTsvTable table = TTsvTable::Read(path);
  const std::size_t code = table.Column("CountryCode");
  const std::size_t start = table.Column("GregorianStart");
  const std::size_t prior = table.Column("PriorCalendar");
  std::unordered_map<std::string, long> dates;
  for (const auto& row : table.Rows())
    dates[row[code]] = row[prior] == "julian" ? ToLong(row[start], path)
                                              : kGregorianThroughout;
  return dates;
}

// The first Gregorian date of each state: the state's own reform where its
// region changed at another time than its country (state_gregorian.tsv, by
// state name), else its country's. A row naming no state of states.tsv, or a
// state whose country has no date, is refused.
std::unordered_map<std::string, long> StateGregorianDates(
    const TTsvTable& states, const std::unordered_map<std::string, long>& countryDates,
    const std::string& ownDatesPath, long& ownCount) {
  const std::size_t id = states.Column("StateID");
  const std::size_t name = states.Column("StateName");
  const std::size_t code = states.Column("CountryCode");
  std::unordered_map<std::string, std::string> idOfName;
  std::unordered_map<std::string, long> dates;
  for (const auto& row : states.Rows()) {
    const auto country = countryDates.find(row[code]);
    if (country == countryDates.end())
      throw std::runtime_error("state \"" + row[name] + "\": country code " + row[code] +
                               " has no row in gregorian.tsv");
    dates[row[id]] = country->second;
    idOfName[row[name]] = row[id];
  }
  const TTsvTable own = TTsvTable::Read(ownDatesPath);
  const std::size_t ownName = own.Column("StateName");
  const std::size_t ownStart = own.Column("GregorianStart");
  ownCount = 0;
  for (const auto& row : own.Rows()) {
    const auto stateId = idOfName.find(row[ownName]);
    if (stateId == idOfName.end())
      throw std::runtime_error(ownDatesPath + ": state \"" + row[ownName] +
                               "\" is not in states.tsv");
    const long start = ToLong(row[ownStart], ownDatesPath + ": GregorianStart");
    if (start != dates[stateId->second]) ++ownCount;
    dates[stateId->second] = start;
  }
  return dates;
}

// The country most of a zone's places lie in, per zone name.
std::unordered_map<std::string, std::string> ZoneCountries(
    const TTsvTable& states, const TTsvTable& places) {
  std::unordered_map<std::string, std::string> countryOfState;
  for (const auto& row : states.Rows())
    countryOfState[row[states.Column("StateID")]] =
        row[states.Column("CountryCode")];
  std::unordered_map<std::string, std::map<std::string, long>> counts;
  for (const auto& row : places.Rows())
    ++counts[row[places.Column("ZoneName")]]
            [countryOfState[row[places.Column("StateID")]]];
  std::unordered_map<std::string, std::string> result;
  for (const auto& [zone, byCountry] : counts) {
    auto best = byCountry.begin();
    for (auto it = byCountry.begin(); it != byCountry.end(); ++it)
      if (it->second > best->second) best = it;
    result[zone] = best->first;
  }
  return result;
}

void LoadZones(TVynDatabase& database, const tz::Atlas& atlas,
               const std::unordered_map<std::string, std::string>& zoneCountry,
               const std::unordered_map<std::string, long>& gregorian,
               TAtlasFigures& figures) {
  TLoader ids(database, TTableRole::trZoneIds), zones(database, TTableRole::trZones),
      summerIds(database, TTableRole::trSummerIds),
      summers(database, TTableRole::trSummers);
  for (const tz::AtlasZone& zone : atlas.zones) {
    long gregDate = kGregorianThroughout;
    if (auto c = zoneCountry.find(zone.zoneName); c != zoneCountry.end())
      if (auto g = gregorian.find(c->second); g != gregorian.end())
        gregDate = g->second;
    ids.Append({{"ZoneID", zone.zoneId}, {"ZoneName", zone.zoneName},
                {"GregDate", gregDate}});
    summerIds.Append({{"SummerID", zone.zoneId}, {"SummerName", zone.zoneName}});
    for (const tz::ZoneRow& row : zone.tables.zone)
      zones.Append({{"ZoneID", zone.zoneId}, {"StartDate", row.startDate},
                    {"TimeDelta", row.timeDelta},
                    {"LMT", row.localMeanTime ? 1 : 0}});
    for (const tz::SummerRow& row : zone.tables.summer)
      summers.Append({{"SummerID", zone.zoneId}, {"FromDate", row.fromDate},
                      {"FromTime", row.fromTime}, {"TimeDiff", row.timeDiff}});
  }
  figures.zones = ids.Count();
  figures.zoneRows = zones.Count();
  figures.summerRows = summers.Count();
}

void LoadStates(TVynDatabase& database, const TTsvTable& states,
                const std::unordered_map<std::string, long>& gregorian,
                TAtlasFigures& figures) {
  // "GregDate" beside the catalogue's fields: the program reads it where a
  // database has it, and databases made before it keep working without.
  const std::string& table = CatalogueEntry(TTableRole::trStates).InitialName;
  database.Connection().Execute("ALTER TABLE \"" + table +
                                "\" ADD COLUMN \"GregDate\" INTEGER");
  TLoader loader(database, TTableRole::trStates,
                 LayoutWith(TTableRole::trStates, {{"GregDate", TFieldKind::fkInteger}}));
  for (const auto& row : states.Rows()) {
    const std::string& id = row[states.Column("StateID")];
    TRow values{{"StateID", id},
                {"StateName", row[states.Column("StateName")]},
                {"GregDate", gregorian.at(id)}};
    for (const char* bound :
         {"MaxLatitude", "MinLatitude", "MaxLongitude", "MinLongitude"})
      values[bound] = ToLong(row[states.Column(bound)], bound);
    loader.Append(std::move(values));
  }
  figures.states = loader.Count();
}

void LoadPlaces(TVynDatabase& database, const TTsvTable& places,
                const tz::Atlas& atlas, TAtlasFigures& figures) {
  std::unordered_map<std::string, std::string> idOfZone;
  for (const tz::AtlasZone& zone : atlas.zones) idOfZone[zone.zoneName] = zone.zoneId;
  TLoader loader(database, TTableRole::trPlaces);
  for (const auto& row : places.Rows()) {
    const std::string& zoneName = row[places.Column("ZoneName")];
    const auto id = idOfZone.find(zoneName);
    if (id == idOfZone.end())
      throw std::runtime_error("place \"" + row[places.Column("PlaceName")] +
                               "\": zone " + zoneName + " is not in the zone source");
    loader.Append({{"StateID", row[places.Column("StateID")]},
                   {"PlaceName", row[places.Column("PlaceName")]},
                   {"Latitude", ToLong(row[places.Column("Latitude")], "Latitude")},
                   {"Longitude", ToLong(row[places.Column("Longitude")], "Longitude")},
                   {"ZoneRef", id->second},
                   {"SummerRef", id->second}});
  }
  figures.places = loader.Count();
}

}  // namespace

TAtlasFigures LoadAtlas(TDataCollection& collection, const TAtlasSources& sources) {
  const tz::Atlas atlas = tz::BuildAtlas(tz::LoadTzSource(sources.tzdata));
  const TTsvTable states = TTsvTable::Read(sources.states);
  const TTsvTable places = TTsvTable::Read(sources.places);

  TVynDatabase& database = collection.Database();
  TAtlasFigures figures;
  figures.tzVersion = atlas.version;
  const auto countryDates = GregorianDates(sources.gregorian);
  LoadZones(database, atlas, ZoneCountries(states, places), countryDates, figures);
  LoadStates(database, states,
             StateGregorianDates(states, countryDates, sources.stateGregorian,
                                 figures.statesWithOwnReform),
             figures);
  LoadPlaces(database, places, atlas, figures);
  return figures;
}

}  // namespace vyn::tools
