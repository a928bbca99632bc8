#include "data/zone_lookup.h"

#include "data/field_conversion.h"
#include "data/vyn_table.h"

namespace vyn {
namespace {

constexpr std::size_t kIdCharacters = 10;

// The id of the row named `name` in the index `index` of `ids`, or "".
std::string IdOfName(TVynTable& ids, const char* index, const std::string& name,
                     const char* id_field) {
  ids.SetIndexName(index);
  if (!ids.FindKey({name})) return {};
  return CutToCharacters(ids.FieldByName(id_field).AsString(), kIdCharacters);
}

bool OnRow(const TVynTable& table) { return !table.Bof() && !table.Eof(); }

long double Hours(const TVynTable& table, const char* field) {
  return static_cast<long double>(table.FieldByName(field).AsInteger()) / 100.0L;
}

}  // namespace

bool LocateZoneRow(TVynTable& zone_ids, TVynTable& zones,
                   const std::string& zone_name, std::int64_t date) {
  if (zone_name.empty()) return false;
  const std::string id = IdOfName(zone_ids, "Zone", zone_name, "ZoneID");
  if (id.empty()) return false;
  auto same_zone = [&] { return zones.FieldByName("ZoneID").AsString() == id; };

  zones.SetIndexName("");
  zones.FindNearest({id, static_cast<long long>(date)});
  if (OnRow(zones) && same_zone() &&
      date >= zones.FieldByName("StartDate").AsInteger())
    return true;
  zones.Prior();
  return !zones.Bof() && same_zone();
}

long double ZoneOffset(TVynTable& zone_ids, TVynTable& zones,
                       const std::string& zone_name, std::int64_t date) {
  return LocateZoneRow(zone_ids, zones, zone_name, date) ? Hours(zones, "TimeDelta")
                                                         : 0;
}

long double SummerOffset(TVynTable& summer_ids, TVynTable& summers,
                         const std::string& summer_name, std::int64_t date,
                         std::int64_t time) {
  if (summer_name.empty()) return 0;
  const std::string id = IdOfName(summer_ids, "Summer", summer_name, "SummerID");
  if (id.empty()) return 0;
  auto same_rule = [&] { return summers.FieldByName("SummerID").AsString() == id; };

  // Whether the current row of the rule has begun by the local date and time.
  auto begun = [&] {
    const std::int64_t from_date = summers.FieldByName("FromDate").AsInteger();
    const std::int64_t from_time = summers.FieldByName("FromTime").AsInteger() * 100;
    return from_date < date || (from_date == date && time >= from_time);
  };

  summers.SetIndexName("");
  summers.FindNearest({id, static_cast<long long>(date)});
  if (OnRow(summers) && same_rule() && begun()) {
    // A day may hold more than one change: the last one begun is in force.
    long double advance = Hours(summers, "TimeDiff");
    for (summers.Next(); OnRow(summers) && same_rule() && begun(); summers.Next())
      advance = Hours(summers, "TimeDiff");
    return advance;
  }
  summers.Prior();
  if (!summers.Bof() && same_rule()) return Hours(summers, "TimeDiff");
  return 0;
}

long double GregorianStartOf(TVynTable& states, TVynTable& places,
                             TVynTable& zone_ids, const std::string& state,
                             const std::string& place, long double birth_date) {
  if (birth_date > kGregorianEverywhere || state.empty() || place.empty())
    return kDefaultGregorianStart;
  states.SetIndexName("");
  if (!states.FindKey({state})) return kDefaultGregorianStart;
  places.SetIndexName("");
  if (!places.FindKey({states.FieldByName("StateID").AsString(), place}))
    return kDefaultGregorianStart;
  zone_ids.SetIndexName("");
  if (!zone_ids.FindKey({places.FieldByName("ZoneRef").AsString()}))
    return kDefaultGregorianStart;
  return static_cast<long double>(zone_ids.FieldByName("GregDate").AsInteger()) /
         10000.0L;
}

}  // namespace vyn
