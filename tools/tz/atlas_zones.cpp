#include "tools/tz/atlas_zones.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "tools/tz/zone_history.h"

namespace vyn::tz {

std::vector<ClockPeriod> ClockHistoryOf(const Zone& zone, const TzSource& source) {
  return FoldToClockPeriods(BuildZoneHistory(zone, source, kLastExpandedYear));
}

Atlas BuildAtlas(const TzSource& source, const TableRange& range) {
  Atlas atlas;
  atlas.version = source.version;
  atlas.zoneCount = static_cast<int>(source.zones.size());
  atlas.linkCount = static_cast<int>(source.links.size());
  std::map<std::string, ZoneTables> tablesOfZone;
  for (const Zone& zone : source.zones) {
    TableStatistics statistics;
    tablesOfZone[zone.name] = BuildZoneTables(ClockHistoryOf(zone, source), range, &statistics);
    for (const RoundedZoneRow& row : statistics.roundedStandardRows)
      atlas.roundedStandardRows.push_back({zone.name, row});
    atlas.statistics += statistics;
  }
  std::sort(atlas.roundedStandardRows.begin(), atlas.roundedStandardRows.end(),
            [](const NamedRoundedRow& a, const NamedRoundedRow& b) {
              return std::tie(a.zoneName, a.row.startDate) < std::tie(b.zoneName, b.row.startDate);
            });

  std::vector<std::pair<std::string, std::string>> names;  // name, target
  for (const Zone& zone : source.zones) names.emplace_back(zone.name, zone.name);
  for (const Link& link : source.links)
    names.emplace_back(link.name, source.ResolveName(link.name)->name);
  std::sort(names.begin(), names.end());
  if (kFirstZoneId + names.size() > 10000)
    throw TzSourceError("more zone names than four-digit ids");
  int id = kFirstZoneId;
  for (const auto& [name, target] : names)
    atlas.zones.push_back({std::to_string(id++), name, target, tablesOfZone.at(target)});
  return atlas;
}

}  // namespace vyn::tz
