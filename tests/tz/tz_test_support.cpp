#include "tests/tz/tz_test_support.h"

#include <fstream>
#include <stdexcept>

#include "tests/support/temp_directory.h"
#include "tools/tz/civil_date.h"
#include "tools/tz/tzif_file.h"
#include "tools/tz/zic_compiler.h"

namespace vyn::tz::test {

std::int64_t Utc(int year, int month, int day, int hour, int minute, int second) {
  return DaysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
}

const TzSource& CommittedSource() {
  static const TzSource source = LoadTzSource(VYN_TZ_SOURCE_FILE);
  return source;
}

const Atlas& CommittedAtlas() {
  static const Atlas atlas = BuildAtlas(CommittedSource());
  return atlas;
}

const AtlasZone& AtlasZoneNamed(const std::string& name) {
  for (const AtlasZone& zone : CommittedAtlas().zones)
    if (zone.zoneName == name) return zone;
  throw std::invalid_argument("no atlas zone " + name);
}

std::vector<OffsetChange> ZicHistory(const std::string& snippet, const std::string& zoneName,
                                     int lastYear) {
  const vyn::testing::TTempDirectory directory("vyn_tz_snippet");
  const std::string file = directory.File("snippet.zi");
  std::ofstream(file) << snippet;
  const CompiledZoneDirectory compiled(file, FindZic());
  return OffsetHistory(LoadTzif((compiled.Path() / zoneName).string()), lastYear);
}

}  // namespace vyn::tz::test
