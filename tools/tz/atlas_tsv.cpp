#include "tools/tz/atlas_tsv.h"

#include <stdexcept>

namespace vyn::tz {
namespace {

void AppendLine(std::string& text, std::initializer_list<std::string> fields) {
  bool first = true;
  for (const std::string& field : fields) {
    if (field.find_first_of("\t\n") != std::string::npos)
      throw std::invalid_argument("tab or newline in atlas field \"" + field + "\"");
    if (!first) text.push_back('\t');
    text += field;
    first = false;
  }
  text.push_back('\n');
}

}  // namespace

std::vector<std::pair<std::string, std::string>> AtlasTsvFiles(const Atlas& atlas) {
  std::string zoneIds, zones, summerIds, summers;
  AppendLine(zoneIds, {"ZoneID", "ZoneName"});
  AppendLine(zones, {"ZoneID", "StartDate", "TimeDelta", "LMT"});
  AppendLine(summerIds, {"SummerID", "SummerName"});
  AppendLine(summers, {"SummerID", "FromDate", "FromTime", "TimeDiff"});
  for (const AtlasZone& zone : atlas.zones) {
    AppendLine(zoneIds, {zone.zoneId, zone.zoneName});
    AppendLine(summerIds, {zone.zoneId, zone.zoneName});
    for (const ZoneRow& row : zone.tables.zone)
      AppendLine(zones, {zone.zoneId, std::to_string(row.startDate),
                         std::to_string(row.timeDelta), row.localMeanTime ? "1" : "0"});
    for (const SummerRow& row : zone.tables.summer)
      AppendLine(summers, {zone.zoneId, std::to_string(row.fromDate),
                           std::to_string(row.fromTime), std::to_string(row.timeDiff)});
  }
  return {{"ZONEID.tsv", zoneIds},
          {"ZONE.tsv", zones},
          {"SUMMERID.tsv", summerIds},
          {"SUMMER.tsv", summers}};
}

}  // namespace vyn::tz
