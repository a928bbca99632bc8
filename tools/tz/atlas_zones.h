#pragma once
// The zone and summer-time histories of the atlas, one entry per zone name
// of the source: every zone and every link (a link gets its own id and a
// copy of its target's rows, since places name zones by their names).
//
// Ids are four-digit numbers from "1001" in the byte order of the names;
// the summer-time rule of a zone has the zone's id and the zone's name.
#include <string>
#include <vector>

#include "tools/tz/clock_history.h"
#include "tools/tz/tz_source.h"
#include "tools/tz/zone_tables.h"

namespace vyn::tz {

// Rules are expanded one year past the tables' range, so that a stretch
// of folded negative saves does not end at the edge of the range.
constexpr int kLastExpandedYear = 2102;
constexpr int kFirstZoneId = 1001;

struct AtlasZone {
  std::string zoneId;    // also the SummerID
  std::string zoneName;  // also the SummerName
  std::string target;    // the zone whose history this is (== zoneName for zones)
  ZoneTables tables;
};

struct NamedRoundedRow {
  std::string zoneName;
  RoundedZoneRow row;
};

struct Atlas {
  std::string version;              // of the source, e.g. "2025b"
  std::vector<AtlasZone> zones;     // ordered by zoneName
  TableStatistics statistics;       // over zones proper, not links
  std::vector<NamedRoundedRow> roundedStandardRows;  // by zone, then date
  int zoneCount = 0;                // zone lines' zones
  int linkCount = 0;
};

// The clock history of a zone of the source, folded.
std::vector<ClockPeriod> ClockHistoryOf(const Zone& zone, const TzSource& source);

// Builds the rows of every zone and link; throws TzSourceError when the
// source has more names than four-digit ids.
Atlas BuildAtlas(const TzSource& source, const TableRange& range = {});

}  // namespace vyn::tz
