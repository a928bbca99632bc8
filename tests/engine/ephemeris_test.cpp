// The ephemeris reader on small files whose values the tests choose.
#include "engine/ephemeris.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "engine/horoscope_exception.h"
#include "tests/engine/ephemeris_fixture.h"

namespace vyn {
namespace {
namespace fmt = ephemeris_format;
using test::MinutesToRad;
using test::TTestEphemerisFile;

constexpr extended kRadTolerance = 1e-15L;
constexpr const char* kAllBodies = "11111111111";

extended JDOf(extended t) { return fmt::kEpochJD + t; }

// A distinct, non-linear value for each body and moment (days after the
// epoch), far from 0 degrees so that no unwrapping takes place.
int Curved(int slot, long moment) {
  return 1000 * slot + static_cast<int>((7 * moment * moment + 13 * moment) % 500);
}

// A file of `records` records holding body(slot, moment) at each moment.
std::unique_ptr<TTestEphemerisFile> FileOf(
    long records, const std::function<int(int slot, long moment)>& body) {
  return std::make_unique<TTestEphemerisFile>(
      records, [body](long record, int slot, int j) {
        return body(slot, record * fmt::kRecordDays + j * fmt::kStepDays[slot]);
      });
}

// The cubic through (0, y0) .. (3, y3) at x, in Lagrange's basis form.
extended Cubic(const std::array<extended, 4>& y, extended x) {
  extended sum = 0;
  for (int k = 0; k < 4; ++k) {
    extended term = y[k];
    for (int j = 0; j < 4; ++j)
      if (j != k) term *= (x - j) / (k - j);
    sum += term;
  }
  return sum;
}

class EphemerisReaderTest : public ::testing::Test {
 protected:
  void OpenCurved(long records = 16) {
    file_ = FileOf(records, Curved);
    ephemeris_.Open(file_->Path(), TSunMotion::smUnchecked);
  }
  TBodyReadings Read(extended t, const char* mask = kAllBodies) {
    TBodyReadings out;
    ephemeris_.ReadBodies(mask, JDOf(t), out);
    return out;
  }

  std::unique_ptr<TTestEphemerisFile> file_;
  TEphemeris ephemeris_;
};

TEST_F(EphemerisReaderTest, OnARecordBoundaryEveryBodyReadsItsStoredValue) {
  OpenCurved();
  const long r = 5;
  const TBodyReadings out = Read(32 * r);
  for (int slot = 1; slot <= fmt::kBodyCount; ++slot)
    EXPECT_NEAR(out.radians[slot], MinutesToRad(Curved(slot, 32 * r)),
                kRadTolerance)
        << "slot " << slot;
}

// Which four tabulated moments a body's value comes from; the moments are
// offsets in days from the start of record r = 5.
struct InterpolationCase {
  const char* what;
  int slot;
  extended offset;  // t = 32r + offset
  std::array<long, 4> points;
  extended x;
};

void PrintTo(const InterpolationCase& c, std::ostream* os) { *os << c.what; }

class InterpolationTest
    : public EphemerisReaderTest,
      public ::testing::WithParamInterface<InterpolationCase> {};

TEST_P(InterpolationTest, UsesTheFourPointsAroundTheMoment) {
  const InterpolationCase& c = GetParam();
  OpenCurved();
  const long base = 32 * 5;
  std::array<extended, 4> y;
  for (int k = 0; k < 4; ++k) y[k] = Curved(c.slot, base + c.points[k]);
  const TBodyReadings out = Read(base + c.offset);
  EXPECT_NEAR(out.radians[c.slot], MinutesToRad(Cubic(y, c.x)), 1e-12L);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, InterpolationTest,
    ::testing::Values(
        // S = 16: tb = 32r + 16, points 32r, 32r + 16, 32r + 32, 32r + 48.
        InterpolationCase{"Jupiter", 6, 20, {0, 16, 32, 48}, 1.25L},
        // S = 2 at the last value of a record (j = 15): y2 and y3 are the
        // first two values of the next record.
        InterpolationCase{"MoonAtLastValue", 2, 31, {28, 30, 32, 34}, 1.5L},
        InterpolationCase{"Sun", 1, 8, {-32, 0, 32, 64}, 1.25L},
        InterpolationCase{"Mercury", 3, 31, {24, 28, 32, 36}, 1.75L},
        InterpolationCase{"Venus", 4, 30, {16, 24, 32, 40}, 1.75L},
        InterpolationCase{"Mars", 5, 2, {-8, 0, 8, 16}, 1.25L},
        InterpolationCase{"Pluto", 10, 16, {-32, 0, 32, 64}, 1.5L},
        InterpolationCase{"NorthNode", 11, 24, {-32, 0, 32, 64}, 1.75L}),
    [](const auto& testParam) { return std::string(testParam.param.what); });

struct UnwrapCase {
  const char* what;
  std::array<extended, 4> in, out;
};

void PrintTo(const UnwrapCase& c, std::ostream* os) { *os << c.what; }

class UnwrapTest : public ::testing::TestWithParam<UnwrapCase> {};

TEST_P(UnwrapTest, MovesEachValueNextToItsCorrectedPredecessor) {
  std::array<extended, 4> y = GetParam().in;
  UnwrapArcMinutes(y);
  EXPECT_EQ(y, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Values, UnwrapTest,
    ::testing::Values(
        UnwrapCase{"ForwardThroughZero",
                   {21570, 21590, 10, 30}, {21570, 21590, 21610, 21630}},
        UnwrapCase{"BackwardThroughZero",
                   {30, 10, 21590, 21570}, {30, 10, -10, -30}},
        UnwrapCase{"FirstValueNeverChanges",
                   {10, 21590, 21570, 21550}, {10, -10, -30, -50}},
        UnwrapCase{"ChainsOnTheCorrectedValue",
                   {21000, 300, 900, 1500}, {21000, 21900, 22500, 23100}},
        UnwrapCase{"HalfACircleStays",
                   {0, 10800, 21600, 10800}, {0, 10800, 21600, 10800}}),
    [](const auto& testParam) { return std::string(testParam.param.what); });

// The Sun passing 0 degrees, 20' per 32 days: 21590' in record 5, 10' in
// record 6 (the points 21590 and 21610 once unwrapped).
int SunThroughZero(int slot, long moment) {
  if (slot != 1) return Curved(slot, moment);
  const long record = moment / 32;
  return static_cast<int>(((21590 + 20 * (record - 5)) % 21600 + 21600) % 21600);
}

TEST_F(EphemerisReaderTest, PassesSmoothlyThroughZeroDegrees) {
  file_ = FileOf(16, SunThroughZero);
  ephemeris_.Open(file_->Path(), TSunMotion::smUnchecked);
  struct {
    extended offset;
    extended minutes;
  } const cases[] = {{0, 21590}, {8, 21595}, {24, 5}, {32, 10}};
  for (const auto& c : cases)
    EXPECT_NEAR(Read(32 * 5 + c.offset).radians[1], MinutesToRad(c.minutes),
                1e-12L)
        << "t = 32r + " << c.offset;
  EXPECT_NEAR(Read(32 * 5 + 16).radians[1], 0, 1e-12L);
}

TEST_F(EphemerisReaderTest, ABodyGoingBackThroughZeroGivesANegativeAngle) {
  file_ = FileOf(8, [](int slot, long moment) {
    static constexpr int kValues[] = {90, 70, 50, 30, 10, 21590, 21570, 21550};
    return slot == 3 ? kValues[moment / 32 % 8] : Curved(slot, moment);
  });
  ephemeris_.Open(file_->Path(), TSunMotion::smUnchecked);
  // Mercury (S = 4) at t = 32r + 31 reads 10', 10' (record 4) and 21590',
  // 21590' (record 5), unwrapped to -10': the result lies just below 0.
  const TBodyReadings out = Read(32 * 4 + 31);
  EXPECT_LT(out.radians[3], 0);
  EXPECT_GT(out.radians[3], MinutesToRad(-10));
}

struct MaskCase {
  const char* what;
  const char* mask;
  std::vector<int> filled;
};

void PrintTo(const MaskCase& c, std::ostream* os) { *os << c.what; }

class MaskTest : public EphemerisReaderTest,
                 public ::testing::WithParamInterface<MaskCase> {};

TEST_P(MaskTest, FillsOnlyTheBodiesAskedFor) {
  OpenCurved();
  constexpr extended kUntouched = 99;
  TBodyReadings out;
  out.radians.fill(kUntouched);
  out.retrograde.fill(true);
  ephemeris_.ReadBodies(GetParam().mask, JDOf(32 * 5), out);
  for (int slot = 1; slot <= fmt::kBodyCount; ++slot) {
    const bool asked = std::find(GetParam().filled.begin(),
                                 GetParam().filled.end(),
                                 slot) != GetParam().filled.end();
    if (asked) {
      EXPECT_NEAR(out.radians[slot], MinutesToRad(Curved(slot, 32 * 5)),
                  kRadTolerance) << "slot " << slot;
      if (slot == 1 || slot == 2 || slot == 11) {
        EXPECT_FALSE(out.retrograde[slot]) << "slot " << slot;
      }
    } else {
      EXPECT_EQ(out.radians[slot], kUntouched) << "slot " << slot;
      EXPECT_TRUE(out.retrograde[slot]) << "slot " << slot;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Masks, MaskTest,
    ::testing::Values(MaskCase{"OnlyFirst", "10000000000", {1}},
                      MaskCase{"OnlyLast", "00000000001", {11}},
                      MaskCase{"OtherCharactersAreNotOne", "1x0 1y00002", {1, 5}},
                      MaskCase{"ShortMask", "011", {2, 3}},
                      MaskCase{"All", kAllBodies,
                               {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}}),
    [](const auto& testParam) { return std::string(testParam.param.what); });

TEST_F(EphemerisReaderTest, SunMoonAndNodeAreNeverRetrograde) {
  // Every body moving backward by 3' a day.
  file_ = FileOf(16, [](int slot, long moment) {
    return 15000 + 100 * slot - 3 * static_cast<int>(moment);
  });
  ephemeris_.Open(file_->Path(), TSunMotion::smUnchecked);
  TBodyReadings out;
  out.retrograde.fill(true);
  ephemeris_.ReadBodies(kAllBodies, JDOf(32 * 5 + 7.3L), out);
  for (int slot = 1; slot <= fmt::kBodyCount; ++slot) {
    const bool tested = slot >= 3 && slot <= 10;
    EXPECT_EQ(out.retrograde[slot], tested) << "slot " << slot;
  }
}

TEST_F(EphemerisReaderTest, BodiesMovingForwardAreDirect) {
  file_ = FileOf(16, [](int slot, long moment) {
    return 1000 + 100 * slot + 3 * static_cast<int>(moment);
  });
  ephemeris_.Open(file_->Path(), TSunMotion::smUnchecked);
  TBodyReadings out;
  out.retrograde.fill(true);
  ephemeris_.ReadBodies(kAllBodies, JDOf(32 * 5 + 7.3L), out);
  for (int slot = 1; slot <= fmt::kBodyCount; ++slot)
    EXPECT_FALSE(out.retrograde[slot]) << "slot " << slot;
}

// Each body turns round at day 32 * 5 + 13.3: forward before, backward after.
// The flag compares the value a little later (the body's look-ahead, in
// units of 0.0005 day) with the value now, so it turns a little before the
// station, and the earlier the longer the look-ahead. Moments outside
// records 4 to 7 are never read by the sweep.
int Station(int, long moment) {
  if (moment < 32 * 4 || moment >= 32 * 8) return 3000;
  const double u = moment - (32 * 5 + 13.3);
  return 10000 - static_cast<int>(std::lround(u * u));
}

TEST_F(EphemerisReaderTest, RetrogradeFlagLooksAheadByEachBodysInterval) {
  file_ = FileOf(16, Station);
  ephemeris_.Open(file_->Path(), TSunMotion::smUnchecked);
  constexpr int kLookAhead[] = {0, 0, 0, 40, 16, 25, 36, 49, 64, 999, 100};
  std::array<bool, 11> seenDirect{}, seenRetrograde{};
  for (extended t = 32 * 5; t < 32 * 6; t += 0.002L) {
    const TBodyReadings out = Read(t);
    for (int slot = 3; slot <= 10; ++slot) {
      const int s = fmt::kStepDays[slot];
      const long tb = static_cast<long>(std::floor(t / s)) * s;
      std::array<extended, 4> y;
      for (int k = 0; k < 4; ++k) y[k] = Station(slot, tb + (k - 1) * s);
      const extended x = (t - tb + s) / s;
      const extended ahead = x + kLookAhead[slot] * 0.0005L / s;
      ASSERT_EQ(out.retrograde[slot], Cubic(y, ahead) < Cubic(y, x))
          << "slot " << slot << " at t = " << t;
      (out.retrograde[slot] ? seenRetrograde : seenDirect)[slot] = true;
    }
  }
  for (int slot = 3; slot <= 10; ++slot)
    EXPECT_TRUE(seenDirect[slot] && seenRetrograde[slot])
        << "the sweep passes no station of slot " << slot;
}

TEST_F(EphemerisReaderTest, ReadsFromTheFirst32DaysUpToTheLastFullWindow) {
  OpenCurved(16);
  EXPECT_EQ(ephemeris_.FirstJD(), fmt::kEpochJD + 32);
  EXPECT_EQ(ephemeris_.EndJD(), fmt::kEpochJD + 32 * 14);
  TBodyReadings out;
  for (extended t : {32.0L, 100.0L, 32 * 14 - 0.001L})
    EXPECT_NO_THROW(ephemeris_.ReadBodies(kAllBodies, JDOf(t), out))
        << "t = " << t;
}

TEST_F(EphemerisReaderTest, RefusesMomentsOutsideTheFileNamingItsRange) {
  OpenCurved(16);
  for (extended t : {0.0L, 31.999L, -100.0L, 32 * 14.0L, 32 * 15.5L, 32 * 100.0L}) {
    TBodyReadings out;
    try {
      ephemeris_.ReadBodies(kAllBodies, JDOf(t), out);
      ADD_FAILURE() << "no exception at t = " << t;
    } catch (const EHoroscopeException& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find(file_->Path()), std::string::npos) << message;
      // First day 32 after 1499-12-11 (Julian); last day 447.
      EXPECT_NE(message.find("1500-01-12 to 1501-03-02"), std::string::npos)
          << message;
    }
  }
}

TEST(EphemerisWithoutFile, RefusesToReadWithTheDosErrorOfAClosedHandle) {
  TEphemeris never;
  TBodyReadings out;
  try {
    never.ReadBodies(kAllBodies, JDOf(100), out);
    FAIL() << "no exception";
  } catch (const EHoroscopeException& e) {
    EXPECT_STREQ(e.what(), "Invalid file handle. DOS Error 1");
  }
}

TEST_F(EphemerisReaderTest, AClosedFileCannotBeRead) {
  OpenCurved();
  ephemeris_.Close();
  EXPECT_FALSE(ephemeris_.IsOpen());
  TBodyReadings out;
  try {
    ephemeris_.ReadBodies(kAllBodies, JDOf(100), out);
    FAIL() << "no exception";
  } catch (const EHoroscopeException& e) {
    EXPECT_STREQ(e.what(), "Invalid file handle. DOS Error 1");
  }
}

TEST(EphemerisOpen, AMissingFileIsAGeneralErrorNamingThePath) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "vyn_no_such_dir/VYN.LNG").string();
  TEphemeris ephemeris;
  try {
    ephemeris.Open(path);
    FAIL() << "no exception";
  } catch (const EHoroscopeException& e) {
    FAIL() << "a chart engine failure instead of a general one: " << e.what();
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()), "File " + path + " not found!");
  }
  EXPECT_FALSE(ephemeris.IsOpen());
}

TEST(EphemerisOpen, AFileShorterThanFourRecordsIsRefused) {
  TTestEphemerisFile shortFile(3, [](long, int, int) { return 0; });
  TEphemeris ephemeris;
  EXPECT_THROW(ephemeris.Open(shortFile.Path()), std::runtime_error);
  EXPECT_FALSE(ephemeris.IsOpen());
}

TEST(EphemerisOpen, OpeningAnotherFileReplacesTheFirst) {
  TTestEphemerisFile first(8, [](long, int, int) { return 600; });
  TTestEphemerisFile second(8, [](long, int, int) { return 1200; });
  TEphemeris ephemeris;
  ephemeris.Open(first.Path(), TSunMotion::smUnchecked);
  ephemeris.Open(second.Path(), TSunMotion::smUnchecked);
  EXPECT_EQ(ephemeris.Path(), second.Path());
  TBodyReadings out;
  ephemeris.ReadBodies(kAllBodies, JDOf(96), out);
  EXPECT_NEAR(out.radians[1], MinutesToRad(1200), kRadTolerance);
}

TEST(EphemerisShared, IsOneObjectForTheWholeProgram) {
  EXPECT_EQ(&TEphemeris::Shared(), &TEphemeris::Shared());
}

}  // namespace
}  // namespace vyn
