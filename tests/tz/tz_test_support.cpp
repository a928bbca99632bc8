#include "tests/tz/tz_test_support.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

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
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("vyn-tz-snippet-" + std::to_string(getpid()) + ".zi");
  std::ofstream(file) << snippet;
  try {
    const CompiledZoneDirectory compiled(file.string(), FindZic());
    std::filesystem::remove(file);
    return OffsetHistory(LoadTzif((compiled.Path() / zoneName).string()), lastYear);
  } catch (...) {
    std::filesystem::remove(file);
    throw;
  }
}

}  // namespace vyn::tz::test
