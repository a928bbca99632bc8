#include "data/zone_lookup.h"

#include <cmath>

#include "data/atlas_reader.h"
#include "data/database_error.h"
#include "data/field_conversion.h"
#include "data/lookup_arguments.h"
#include "data/vyn_table.h"

namespace vyn {
namespace {

constexpr std::size_t kIdCharacters = 10;

// Minutes as H.MM.
long double HoursMinutes(int minutes) {
  const int magnitude = std::abs(minutes);
  const long double hm = magnitude / 60 + (magnitude % 60) / 100.0L;
  return minutes < 0 ? -hm : hm;
}

}  // namespace

long double ZoneOffset(TAtlasReader& atlas, const std::string& zone_name,
                       std::int64_t date) {
  if (zone_name.empty()) return 0;
  CheckLookupDate(date, "Zone offset of \"" + zone_name + "\"");
  const auto zone = atlas.ZoneByName(zone_name);
  if (!zone) return 0;
  const auto row = atlas.ZoneRowAt(CutToCharacters(zone->zoneId, kIdCharacters), date);
  return row ? HoursMinutes(row->offsetMinutes) : 0;
}

long double SummerOffset(TAtlasReader& atlas, const std::string& summer_name,
                         std::int64_t date, std::int64_t time) {
  if (summer_name.empty()) return 0;
  const std::string what = "Summer offset of \"" + summer_name + "\"";
  CheckLookupDate(date, what);
  CheckLookupTime(time, what);
  const auto id = atlas.SummerIdOfName(summer_name);
  if (!id) return 0;
  const auto row =
      atlas.SummerRowAt(CutToCharacters(*id, kIdCharacters), date, MinuteOfDay(time));
  return row ? HoursMinutes(row->advanceMinutes) : 0;
}

std::int64_t RegionGregorianStart(TAtlasReader& atlas, const TStateRow& state,
                                  const TPlaceRow& place) {
  if (state.gregDate != 0) return state.gregDate;
  const auto zone = atlas.ZoneById(place.zoneRef);
  return zone ? zone->gregDate : 0;
}

long double GregorianStartOf(TAtlasReader& atlas, const std::string& state,
                             const std::string& place, long double birth_date) {
  if (!std::isfinite(birth_date))
    throw EDatabaseError(TDataErrorKind::deBadValue,
                         "Gregorian start of \"" + place + "\": the birth date is not a number");
  if (birth_date > kGregorianEverywhere || state.empty() || place.empty())
    return kDefaultGregorianStart;
  const auto stateRow = atlas.StateByName(state);
  if (!stateRow) return kDefaultGregorianStart;
  const auto placeRow = atlas.PlaceByKey(stateRow->stateId, place);
  if (!placeRow) return kDefaultGregorianStart;
  const std::int64_t start = RegionGregorianStart(atlas, *stateRow, *placeRow);
  return start != 0 ? static_cast<long double>(start) / 10000.0L : kDefaultGregorianStart;
}

bool LocateZoneRow(TVynTable& zone_ids, TVynTable& zones,
                   const std::string& zone_name, std::int64_t date) {
  if (zone_name.empty()) return false;
  zone_ids.SetIndexName("Zone");
  if (!zone_ids.FindKey({zone_name})) return false;
  const std::string id =
      CutToCharacters(zone_ids.FieldByName("ZoneID").AsString(), kIdCharacters);
  auto same_zone = [&] { return zones.FieldByName("ZoneID").AsString() == id; };
  zones.SetIndexName("");
  zones.FindNearest({id, static_cast<long long>(date)});
  if (!zones.Bof() && !zones.Eof() && same_zone() &&
      date >= zones.FieldByName("StartDate").AsInteger())
    return true;
  zones.Prior();
  return !zones.Bof() && same_zone();
}

}  // namespace vyn
