#pragma once
// The atlas rows as tab-separated text, one file per table, each with a
// header line of the table's field names:
//   ZONEID.tsv    ZoneID  ZoneName
//   ZONE.tsv      ZoneID  StartDate  TimeDelta  LMT (0 or 1)
//   SUMMERID.tsv  SummerID  SummerName
//   SUMMER.tsv    SummerID  FromDate  FromTime  TimeDiff
// Rows are in the order of the tables' keys.
#include <string>
#include <utility>
#include <vector>

#include "tools/tz/atlas_zones.h"

namespace vyn::tz {

// (file name, contents) for each table.
std::vector<std::pair<std::string, std::string>> AtlasTsvFiles(const Atlas& atlas);

}  // namespace vyn::tz
