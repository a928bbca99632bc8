#pragma once
// Shared helpers of the time zone tests: instants, the committed source
// and its atlas, and snippets compiled with zic.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/tz/atlas_zones.h"
#include "tools/tz/posix_tz.h"
#include "tools/tz/tz_source.h"

namespace vyn::tz::test {

// UTC seconds of a civil date and time.
std::int64_t Utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// The committed tzdata.zi and its atlas, built once.
const TzSource& CommittedSource();
const Atlas& CommittedAtlas();
const AtlasZone& AtlasZoneNamed(const std::string& name);

// The UTC offset history zic compiles from the snippet for the zone, up to
// the end of lastYear.
std::vector<OffsetChange> ZicHistory(const std::string& snippet, const std::string& zoneName,
                                     int lastYear = 2030);

}  // namespace vyn::tz::test
