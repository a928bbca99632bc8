#include "tests/engine/ephemeris_fixture.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "engine/calendar.h"
#include "engine/ephemeris.h"
#include "platform/app_directory.h"

namespace vyn::test {
namespace fmt = ephemeris_format;

extended MinutesToRad(extended minutes) { return minutes / 60 / 180 * kPi; }

TTestEphemerisFile::TTestEphemerisFile(long records,
                                       const ValueFunction& value) {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "vyn_engine_XXXXXX.LNG")
          .string();
  const int fd = mkstemps(pattern.data(), 4);
  if (fd < 0) throw std::runtime_error("cannot create " + pattern);
  close(fd);
  path_ = pattern;

  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  for (long record = 0; record < records; ++record) {
    for (int slot = 1; slot <= fmt::kBodyCount; ++slot) {
      for (int j = 0; j < fmt::ValuesPerRecord(slot); ++j) {
        const auto v = static_cast<std::uint16_t>(
            static_cast<std::int16_t>(value(record, slot, j)));
        out.put(static_cast<char>(v & 0xFF));
        out.put(static_cast<char>(v >> 8));
      }
    }
  }
  if (!out) throw std::runtime_error("cannot write " + path_);
}

TTestEphemerisFile::~TTestEphemerisFile() {
  std::error_code ec;
  std::filesystem::remove(path_, ec);
}

TSky QuietSkyWith(std::initializer_list<std::pair<int, int>> slotMinutes) {
  TSky sky = kQuietSky;
  for (auto [slot, minutes] : slotMinutes) sky[slot] = minutes;
  return sky;
}

std::unique_ptr<TTestEphemerisFile> WriteSkies(const std::vector<TSky>& skies) {
  return std::make_unique<TTestEphemerisFile>(
      static_cast<long>(skies.size()) * kRecordsPerSky,
      [skies](long record, int slot, int) {
        return skies[record / kRecordsPerSky][slot];
      });
}

std::unique_ptr<TTestEphemerisFile> WriteSkiesWithMovingSun(
    const std::vector<TSky>& skies) {
  return std::make_unique<TTestEphemerisFile>(
      static_cast<long>(skies.size()) * kRecordsPerSky,
      [skies](long record, int slot, int) {
        return slot == 1 ? MovingSun(record)
                         : skies[record / kRecordsPerSky][slot];
      });
}

extended BirthDateOfMoment(long t) {
  constexpr long kFirstGregorianDay = 2299161;
  const long date = JulianDayToDate(kFirstGregorianDay, fmt::kEpochJD + t);
  return date / 10000.0L;
}

void ChartOnSkies::TearDown() {
  TEphemeris::Shared().Close();
  SetAppDirectory("");
}

void ChartOnSkies::UseSkies(const std::vector<TSky>& skies) {
  file_ = WriteSkies(skies);
  TEphemeris::Shared().Open(file_->Path(), TSunMotion::smUnchecked);
}

void ChartOnSkies::PlaceAtSky(THoroscope& chart, int b) {
  chart.SetBirthDate(BirthDateOfMoment(SkyMoment(b)));
}

void ChartOnSkies::SetOrbs(THoroscope& chart, int row,
                           std::initializer_list<int> points, int degrees) {
  for (int p : points) chart.SetOrb(row, p, degrees);
}

void ChartOnSkies::SetAllOrbs(THoroscope& chart, int degrees) {
  for (int row = 1; row <= kAspectKinds; ++row)
    for (int p = 1; p <= kAspectPoints; ++p) chart.SetOrb(row, p, degrees);
}

}  // namespace vyn::test
