#include "tools/tz/atlas_lookup.h"

#include <algorithm>

namespace vyn::tz {

std::optional<ZoneRow> LookUpZoneRow(const std::vector<ZoneRow>& rows, int date) {
  const auto nearest = std::lower_bound(
      rows.begin(), rows.end(), date,
      [](const ZoneRow& row, int d) { return row.startDate < d; });
  if (nearest != rows.end() && nearest->startDate == date) return *nearest;
  if (nearest == rows.begin()) return std::nullopt;
  return *(nearest - 1);
}

int LookUpTimeDiff(const std::vector<SummerRow>& rows, int date, int hhmmss) {
  const auto nearest = std::lower_bound(
      rows.begin(), rows.end(), date,
      [](const SummerRow& row, int d) { return row.fromDate < d; });
  if (nearest != rows.end() &&
      (nearest->fromDate < date ||
       (nearest->fromDate == date && hhmmss >= nearest->fromTime * 100)))
    return nearest->timeDiff;
  if (nearest == rows.begin()) return 0;
  return (nearest - 1)->timeDiff;
}

std::optional<int> LookUpOffsetMinutes(const ZoneTables& tables, int date, int hhmmss) {
  const std::optional<ZoneRow> zone = LookUpZoneRow(tables.zone, date);
  if (!zone) return std::nullopt;
  return HoursMinutesToMinutes(LookUpTimeDiff(tables.summer, date, hhmmss)) -
         HoursMinutesToMinutes(zone->timeDelta);
}

}  // namespace vyn::tz
