// Checks of the generated ephemeris file against the Swiss Ephemeris and
// against what the bodies can physically do.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "engine/ephemeris_format.h"

namespace vyn {
namespace {

namespace format = ephemeris_format;

constexpr const char* kEphemerisDirectory = "/usr/share/libswe/ephe";

// Swiss Ephemeris body of slot 1..11 (index 0 unused).
constexpr int kSweBody[format::kBodyCount + 1] = {
    -1, SE_SUN, SE_MOON, SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER,
    SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MEAN_NODE};

class EphemerisFileTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::ifstream in(std::filesystem::path(VYN_TEST_APP_DIR) / "VYN.LNG",
                     std::ios::binary);
    bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    swe_set_ephe_path(kEphemerisDirectory);
  }
  static void TearDownTestSuite() {
    swe_close();
    bytes_.clear();
  }
  void SetUp() override {
    ASSERT_GE(bytes_.size(), std::size_t{format::kRecordBytes})
        << "no generated VYN.LNG in " << VYN_TEST_APP_DIR;
  }

  static int RecordCount() { return static_cast<int>(bytes_.size() / format::kRecordBytes); }

  // Stored value j of a body slot in a record, as the reader decodes it.
  static int Stored(int record, int slot, int j) {
    const std::size_t at = static_cast<std::size_t>(record) * format::kRecordBytes +
                           format::FirstByte(slot) + 2 * j;
    return static_cast<std::int16_t>(bytes_[at] | (bytes_[at + 1] << 8));
  }

  // round(longitude * 60) mod 21600 at the value's moment, from the library.
  static int Expected(int record, int slot, int j) {
    const double jd = static_cast<double>(format::kEpochJD) +
                      format::kRecordDays * record + format::kStepDays[slot] * j;
    double position[6] = {};
    char message[AS_MAXCH] = "";
    const int32 used = swe_calc_ut(jd, kSweBody[slot], SEFLG_SWIEPH, position, message);
    EXPECT_TRUE(used >= 0 && (used & SEFLG_SWIEPH)) << "JD " << jd << ": " << message;
    const long minutes = std::lround(position[0] * 60.0);
    return static_cast<int>((minutes % 21600 + 21600) % 21600);
  }

  static int RecordOfYearStart(int year) {
    const double jd = swe_julday(year, 1, 1, 0.0, SE_GREG_CAL);
    return static_cast<int>((jd - static_cast<double>(format::kEpochJD)) / format::kRecordDays);
  }

  static std::vector<std::uint8_t> bytes_;
};

std::vector<std::uint8_t> EphemerisFileTest::bytes_;

TEST_F(EphemerisFileTest, HoldsWholeRecordsThroughTheYearsInUseWithMargin) {
  EXPECT_EQ(bytes_.size() % format::kRecordBytes, 0u) << bytes_.size() << " bytes";
  struct Reach {
    const char* what;
    int year;
    int recordsAfter;  // beyond the record holding 1 January 0h of the year
  };
  // Interpolation at a moment reads the two records after its own.
  const Reach reaches[] = {
      {"end of the year window 1500..2100", 2101, 2},
      {"2102-01-01 plus four records of margin", 2102, 4},
  };
  for (const Reach& reach : reaches)
    EXPECT_LT(RecordOfYearStart(reach.year) + reach.recordsAfter, RecordCount())
        << reach.what;
}

TEST_F(EphemerisFileTest, EveryValueIsAnArcMinuteOfTheCircle) {
  int outside = 0;
  for (int record = 0; record < RecordCount(); ++record)
    for (int slot = 1; slot <= format::kBodyCount; ++slot)
      for (int j = 0; j < format::ValuesPerRecord(slot); ++j) {
        const int value = Stored(record, slot, j);
        if (value >= 0 && value < format::kArcMinutesPerCircle) continue;
        if (++outside <= 5)
          ADD_FAILURE() << "record " << record << " slot " << slot << " value " << j
                        << " holds " << value;
      }
  EXPECT_EQ(outside, 0);
}

TEST_F(EphemerisFileTest, SampledRecordsMatchSwissEphemeris) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> anyRecord(0, RecordCount() - 1);
  std::vector<int> records = {0, RecordCount() - 1};
  for (int i = 0; i < 300; ++i) records.push_back(anyRecord(random));

  int mismatches = 0;
  for (int record : records)
    for (int slot = 1; slot <= format::kBodyCount; ++slot)
      for (int j = 0; j < format::ValuesPerRecord(slot); ++j) {
        const int expected = Expected(record, slot, j);
        const int stored = Stored(record, slot, j);
        if (stored == expected) continue;
        if (++mismatches <= 5)
          ADD_FAILURE() << "record " << record << " slot " << slot << " value " << j
                        << ": stored " << stored << ", Swiss Ephemeris " << expected;
      }
  EXPECT_EQ(mismatches, 0);
}

// Over the whole file, in time order (so across record boundaries too), each
// body moves from one tabulated moment to the next by an amount it can: the
// Sun and the Moon always forward, the mean node always backward at an
// almost constant rate, the planets within their greatest direct and
// retrograde motions. Values of another body or at a wrong offset break this.
TEST_F(EphemerisFileTest, ConsecutiveValuesMoveAsTheBodyCan) {
  struct Motion {
    int slot;
    int least;  // arc minutes per tabulation step, negative is retrograde
    int most;
  };
  const Motion motions[] = {
      {1, 1800, 1990},  {2, 1350, 1900}, {3, -420, 600}, {4, -330, 640},
      {5, -220, 420},   {6, -140, 250},  {7, -175, 275}, {8, -95, 135},
      {9, -62, 82},     {10, -65, 90},   {11, -104, -99},
  };
  for (const Motion& motion : motions) {
    const int perRecord = format::ValuesPerRecord(motion.slot);
    int previous = Stored(0, motion.slot, 0);
    int failures = 0;
    for (int n = 1; n < RecordCount() * perRecord; ++n) {
      const int record = n / perRecord, j = n % perRecord;
      const int value = Stored(record, motion.slot, j);
      int step = (value - previous) % 21600;
      if (step > 10800) step -= 21600;
      if (step <= -10800) step += 21600;
      if ((step < motion.least || step > motion.most) && ++failures <= 3)
        ADD_FAILURE() << "slot " << motion.slot << " moves " << step
                      << "' into record " << record << " value " << j;
      previous = value;
    }
    EXPECT_EQ(failures, 0) << "slot " << motion.slot;
  }
}

}  // namespace
}  // namespace vyn
