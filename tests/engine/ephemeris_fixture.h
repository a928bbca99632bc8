#pragma once
// Small ephemeris files written by the tests themselves, and the chart
// set-up that reads them through the ephemeris shared by all chart records.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/angles.h"
#include "engine/ephemeris_format.h"
#include "engine/horoscope.h"
#include "tests/support/temp_directory.h"

namespace vyn::test {

// Arc minutes of a longitude given in degrees and minutes.
constexpr int Minutes(int degrees, int minutes = 0) {
  return degrees * 60 + minutes;
}

// Radians of a whole number of arc minutes, as the ephemeris reader makes
// them from a stored value.
extended MinutesToRad(extended minutes);

using vyn::testing::TTempDirectory;

// A temporary ephemeris file; value(record, slot, j) is value j of body slot
// 1..11 in the record. The file is removed with the object.
class TTestEphemerisFile {
 public:
  using ValueFunction = std::function<int(long record, int slot, int j)>;
  TTestEphemerisFile(long records, const ValueFunction& value);
  ~TTestEphemerisFile();
  TTestEphemerisFile(const TTestEphemerisFile&) = delete;
  TTestEphemerisFile& operator=(const TTestEphemerisFile&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// Longitudes in arc minutes of body slots 1..11 (index 0 unused). Every
// tabulated moment of a sky's records holds the same values, so a chart at
// any moment of the sky reads these longitudes.
using TSky = std::array<int, ephemeris_format::kBodyCount + 1>;

// No two points of this sky (South Node included) are a multiple of 15
// degrees apart, and all longitudes differ.
inline constexpr TSky kQuietSky = {0,     431,   2303,  1297,  3169,  5873,
                                   8587,  11309, 14021, 16753, 19487, 21119};

// A sky that differs from kQuietSky in the slots given.
TSky QuietSkyWith(std::initializer_list<std::pair<int, int>> slotMinutes);

inline constexpr long kRecordsPerSky = 8;

// Sky b fills records 8b to 8b + 7.
std::unique_ptr<TTestEphemerisFile> WriteSkies(const std::vector<TSky>& skies);

// As WriteSkies, but the Sun advances one degree a day from 0 degrees at the
// epoch, as the check at open requires of a real table; the skies' Sun
// values are not used.
std::unique_ptr<TTestEphemerisFile> WriteSkiesWithMovingSun(
    const std::vector<TSky>& skies);

// Arc minutes of that Sun in a record.
constexpr int MovingSun(long record) {
  return static_cast<int>(record * ephemeris_format::kRecordDays * 60 %
                          ephemeris_format::kArcMinutesPerCircle);
}

// Days after the epoch of the moment used for sky b: a record boundary in
// the middle of its records, so every body reads its stored value exactly.
constexpr long SkyMoment(int b) { return kRecordsPerSky * 32 * b + 96; }

// BirthDate (YYYY.MMDD, Julian calendar) of 0h UT on day t after the epoch.
extended BirthDateOfMoment(long t);

// Chart tests on an ephemeris of the test's own skies. The file is the one
// shared by all chart records while the test runs, and is closed after it.
class ChartOnSkies : public ::testing::Test {
 protected:
  void TearDown() override;

  // Writes the skies and opens them as the shared ephemeris.
  void UseSkies(const std::vector<TSky>& skies);
  // Birth date at sky b, 0h UT (the other inputs stay as they are).
  static void PlaceAtSky(THoroscope& chart, int b);
  // Sets the orb of a row for the points given.
  static void SetOrbs(THoroscope& chart, int row,
                      std::initializer_list<int> points, int degrees);
  // Every orb of every row and point.
  static void SetAllOrbs(THoroscope& chart, int degrees);

  std::unique_ptr<TTestEphemerisFile> file_;
};

}  // namespace vyn::test
