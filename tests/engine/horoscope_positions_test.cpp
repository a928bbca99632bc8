// The time step and the positions of a chart record: Universal Time, Julian
// day, sidereal time, the bodies read from the ephemeris, their order and
// the invariants of a finished calculation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/calendar.h"
#include "engine/ephemeris.h"
#include "engine/horoscope.h"
#include "engine/houses.h"
#include "tests/engine/ephemeris_fixture.h"

namespace vyn {
namespace {
using test::ChartOnSkies;
using test::kQuietSky;
using test::MinutesToRad;
using test::TSky;

// ---- time step (no ephemeris needed) ---------------------------------------

struct TimeCase {
  const char* what;
  extended birthTime, zoneTime, summerTime;
  extended ut;
  int dayOffset;
  extended jd;  // of 15 June 2000 (JD 2451710.5 at 0h)
};

void PrintTo(const TimeCase& c, std::ostream* os) { *os << c.what; }

class TimeStepTest : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeStepTest, GivesUniversalTimeDayOffsetAndJulianDay) {
  const TimeCase& c = GetParam();
  THoroscope chart;
  chart.SetBirthDate(2000.0615L);
  chart.SetBirthTime(c.birthTime);
  chart.SetZoneTime(c.zoneTime);
  chart.SetSummerTime(c.summerTime);
  EXPECT_NEAR(chart.UT(), c.ut, 1e-12L);
  EXPECT_EQ(chart.DayOffset(), c.dayOffset);
  EXPECT_NEAR(chart.JD(), c.jd, 1e-9L);
  const long days = 36690 + c.dayOffset;  // 15 June 2000 is day 36690
  EXPECT_EQ(chart.BirthDayNumber(), days);
  EXPECT_NEAR(chart.CenturiesT(), (c.ut / 24 + days) / 36525, 1e-15L);
  EXPECT_NEAR(chart.Obliquity(), 0.40932L - 0.00022714L * chart.CenturiesT(),
              1e-18L);
}

INSTANTIATE_TEST_SUITE_P(
    Clocks, TimeStepTest,
    ::testing::Values(
        TimeCase{"SummerTimeEastOfGreenwich", 23.59L, -1, 1, 21 + 59 / 60.0L, 0,
                 2451710.5L + (21 + 59 / 60.0L) / 24},
        TimeCase{"EastZoneBeforeMidnightUT", 0.30L, -2, 0, 22.5L, -1,
                 2451709.5L + 22.5L / 24},
        TimeCase{"HalfAnHourBeforeMidnightUT", 0.30L, -1, 0, 23.5L, -1,
                 2451709.5L + 23.5L / 24},
        TimeCase{"WestZoneFlowsIntoTheNextDay", 23, 5, 0, 28, 0,
                 2451710.5L + 28.0L / 24},
        TimeCase{"WholeDayBack", 0, -12, 12, 0, -1, 2451709.5L},
        TimeCase{"NewYorkSummer", 14.35L, 5, 1, 18 + 35 / 60.0L, 0,
                 2451710.5L + (18 + 35 / 60.0L) / 24},
        TimeCase{"Greenwich", 12.30L, 0, 0, 12.5L, 0, 2451711.0L + 0.5L / 24}),
    [](const auto& testParam) { return std::string(testParam.param.what); });

TEST(TimeStep, At1900ZeroUTTheTimeIsZeroAndSiderealTimeTheEpochAngle) {
  THoroscope chart;
  chart.SetLongitude(10.30L);  // west
  EXPECT_EQ(chart.CenturiesT(), 0);
  EXPECT_EQ(chart.Obliquity(), 0.40932L);
  EXPECT_NEAR(chart.SiderealTime(), Mod2Pi(DegToRad(-10.5L) + 1.74846L), 1e-15L);
}

TEST(TimeStep, SiderealTimeIsTheMeanSiderealTimeAtTheEastLongitude) {
  THoroscope chart;
  chart.SetBirthDate(2000.0101L);
  chart.SetBirthTime(12);
  // Greenwich mean sidereal time at JD 2451545.0: 280.46061837 degrees.
  const extended gmst = 280.46061837L * kPi / 180;
  EXPECT_NEAR(std::remainder(chart.SiderealTime() - gmst, TwoPi), 0, 2e-4L);
  chart.SetLongitude(-15);  // 15 degrees east
  EXPECT_NEAR(std::remainder(chart.SiderealTime() - gmst - DegToRad(15), TwoPi),
              0, 2e-4L);
}

TEST(TimeStep, ADateBeforeTheGregorianStartIsAJulianDate) {
  THoroscope julian, gregorian;
  for (THoroscope* c : {&julian, &gregorian}) c->SetBirthDate(1700.0301L);
  julian.SetGregorianStart(1752.0914L);
  gregorian.SetGregorianStart(1582.1015L);
  EXPECT_EQ(julian.JD() - gregorian.JD(), 11);
  EXPECT_EQ(julian.BirthDayNumber() - gregorian.BirthDayNumber(), 11);
}

TEST(TimeStep, TheGregorianStartItselfIsGregorian) {
  THoroscope chart;
  chart.SetGregorianStart(1582.1015L);
  chart.SetBirthDate(1582.1015L);
  EXPECT_EQ(chart.JD(), 2299160.5L);
  EXPECT_EQ(chart.BirthDayNumber(), -115860);
  chart.SetBirthDate(1582.1004L);
  EXPECT_EQ(chart.JD(), 2299159.5L);
  EXPECT_EQ(chart.BirthDayNumber(), -115861);
}

TEST(TimeStep, BirthDateSplitsIntoYearMonthAndDay) {
  THoroscope chart;
  for (int year : {1500, 1960, 2099}) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= 31; ++day) {
        chart.SetBirthDate((year * 10000L + month * 100 + day) / 10000.0L);
        ASSERT_EQ(chart.Year(), year);
        ASSERT_EQ(chart.Month(), month) << year << "-" << month << "-" << day;
        ASSERT_EQ(chart.Day(), day) << year << "-" << month << "-" << day;
      }
    }
  }
}

TEST(TimeStep, WeekdayCountsFromSunday) {
  struct {
    extended date, gregorianStart;
    int weekday;
  } const cases[] = {{2000.0101L, 1522.0101L, 6}, {1900.0101L, 1522.0101L, 1},
                     {1960.0527L, 1522.0101L, 5}, {1582.1015L, 1582.1015L, 5},
                     {1582.1004L, 1582.1015L, 4}};
  for (const auto& c : cases) {
    THoroscope chart;
    chart.SetGregorianStart(c.gregorianStart);
    chart.SetBirthDate(c.date);
    EXPECT_EQ(chart.Weekday(), c.weekday) << static_cast<double>(c.date);
  }
}

// ---- bodies from the ephemeris ---------------------------------------------

class ChartPositionsTest : public ChartOnSkies {
 protected:
  void Activate(const std::vector<TSky>& skies, int b = 0) {
    UseSkies(skies);
    PlaceAtSky(chart_, b);
    chart_.SetActive(true);
  }
  // A file of 8 records whose Sun values per record the test gives (the
  // other bodies hold kQuietSky); the chart stands at 0h of day t.
  void ActivateWithSun(std::array<int, 8> sunByRecord, long t,
                       extended birthTime) {
    file_ = std::make_unique<test::TTestEphemerisFile>(
        8, [sunByRecord](long record, int slot, int) {
          return slot == 1 ? sunByRecord[record] : kQuietSky[slot];
        });
    TEphemeris::Shared().Open(file_->Path(), TSunMotion::smUnchecked);
    chart_.SetBirthDate(test::BirthDateOfMoment(t));
    chart_.SetBirthTime(birthTime);
    chart_.SetActive(true);
  }
  THoroscope chart_;
};

TEST_F(ChartPositionsTest, BodiesTakeTheStoredLongitudes) {
  Activate({kQuietSky});
  for (int slot = 1; slot <= 11; ++slot)
    EXPECT_EQ(chart_.PlanetRad(slot), MinutesToRad(kQuietSky[slot])) << slot;
  for (int slot : {1, 2, 11, 12}) EXPECT_FALSE(chart_.IsRetrograde(slot)) << slot;
  EXPECT_NEAR(chart_.PlanetRad(12), MinutesToRad(kQuietSky[11] - 10800), 1e-15L);
  for (int slot : {-1, 0, 19, 40}) EXPECT_EQ(chart_.PlanetRad(slot), 0) << slot;
}

TEST_F(ChartPositionsTest, PlanetPosIsDegreesAndMinutes) {
  Activate({test::QuietSkyWith({{1, test::Minutes(10, 30)},
                                {2, test::Minutes(359, 59)},
                                {11, test::Minutes(100, 15)}})});
  EXPECT_NEAR(chart_.PlanetPos(1), 10.30L, 1e-6L);
  EXPECT_NEAR(chart_.PlanetPos(2), 359.59L, 1e-6L);
  EXPECT_NEAR(chart_.PlanetPos(11), 100.15L, 1e-6L);
  EXPECT_NEAR(chart_.PlanetPos(12), 280.15L, 1e-6L);
}

TEST_F(ChartPositionsTest, SouthNodeIsOppositeTheNorthNodeWithinTheCircle) {
  Activate({test::QuietSkyWith({{11, test::Minutes(300)}})});
  EXPECT_NEAR(chart_.PlanetRad(12), MinutesToRad(test::Minutes(120)), 1e-15L);
}

TEST_F(ChartPositionsTest, RetrogradeFlagsComeFromTheEphemerisForMercuryToPluto) {
  file_ = std::make_unique<test::TTestEphemerisFile>(
      8, [](long record, int slot, int j) {
        const long moment = record * 32 + j * ephemeris_format::kStepDays[slot];
        return 15000 + 100 * slot - 3 * static_cast<int>(moment);
      });
  TEphemeris::Shared().Open(file_->Path(), TSunMotion::smUnchecked);
  PlaceAtSky(chart_, 0);
  chart_.SetBirthTime(7.20L);
  chart_.SetActive(true);
  for (int slot = 1; slot <= 12; ++slot)
    EXPECT_EQ(chart_.IsRetrograde(slot), slot >= 3 && slot <= 10) << slot;
  EXPECT_FALSE(chart_.IsRetrograde(13));
}

TEST_F(ChartPositionsTest, ABodyJustBelowZeroDegreesComesOutJustBelowTwoPi) {
  // The Sun moves back 20' per 32 days through 0 degrees: 10' at t = 96,
  // 21590' (-10') at t = 128; at t = 120 it stands 5' before 0.
  ActivateWithSun({50, 30, 30, 10, 21590, 21570, 21570, 21570}, 120, 0);
  EXPECT_NEAR(chart_.PlanetRad(1), TwoPi - MinutesToRad(5), 1e-9L);
  EXPECT_LT(chart_.PlanetRad(1), TwoPi);
}

TEST_F(ChartPositionsTest, PlanetPosStaysBelow360ForAnAngleJustUnderTwoPi) {
  // The Sun at 0' moving back 1' per 32 days; one minute after t = 96 it
  // stands 2e-5' before 0 degrees, which reads as 360 degrees and a hair
  // more with the fixed degree factor.
  ActivateWithSun({2, 1, 1, 0, 21599, 21598, 21597, 21596}, 96, 0.01L);
  EXPECT_LT(chart_.PlanetRad(1), TwoPi);
  EXPECT_GT(chart_.PlanetRad(1), TwoPi - 1e-8L);
  EXPECT_GE(chart_.PlanetPos(1), 0);
  EXPECT_LT(chart_.PlanetPos(1), 360);
  EXPECT_EQ(chart_.SignOfBody(plSun), siAries);
  EXPECT_TRUE(chart_.BodiesInSign(siAries) & PlanetBit(plSun));
}

// ---- longitude order -------------------------------------------------------

struct OrderCase {
  const char* what;
  TSky sky;
  std::vector<int> order;  // empty: any ascending order
};

void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.what; }

class LongitudeOrderTest : public ChartPositionsTest,
                           public ::testing::WithParamInterface<OrderCase> {};

TEST_P(LongitudeOrderTest, SortsSlotsByLongitudeKeepingSlotOrderOnEqualOnes) {
  Activate({GetParam().sky});
  std::vector<int> order;
  for (int k = 1; k <= 12; ++k) order.push_back(chart_.SortedBody(k));
  std::vector<int> sorted = order;
  std::sort(sorted.begin(), sorted.end());
  std::vector<int> all(12);
  std::iota(all.begin(), all.end(), 1);
  ASSERT_EQ(sorted, all) << "not a permutation of the slots";
  for (int k = 1; k < 12; ++k) {
    const extended here = chart_.PlanetRad(order[k - 1]);
    const extended next = chart_.PlanetRad(order[k]);
    EXPECT_LE(here, next) << "entry " << k;
    if (here == next) {
      EXPECT_LT(order[k - 1], order[k]) << "entry " << k;
    }
  }
  if (!GetParam().order.empty()) {
    EXPECT_EQ(order, GetParam().order);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Skies, LongitudeOrderTest,
    ::testing::Values(
        OrderCase{"DistinctLongitudes", kQuietSky, {1, 3, 2, 4, 5, 6, 12, 7, 8, 9, 10, 11}},
        // A shell sort's gap-6 swap would carry the Sun past Mercury here.
        OrderCase{"SunAndMercuryTogetherAfterSaturn",
                  test::QuietSkyWith({{1, 6000}, {3, 6000}, {7, 3000}}),
                  {2, 7, 4, 5, 1, 3, 6, 12, 8, 9, 10, 11}},
        OrderCase{"GroupsOfEqualLongitudes",
                  {0, 6000, 3000, 6000, 3000, 9000, 6000, 12000, 3000, 15000,
                   6000, 18000},
                  {2, 4, 8, 1, 3, 6, 10, 12, 5, 7, 9, 11}},
        OrderCase{"AllTogether",
                  {0, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500},
                  {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}}),
    [](const auto& testParam) { return std::string(testParam.param.what); });

// ---- invariants of a finished calculation ----------------------------------

struct Place {
  extended latitude, longitude, birthTime;
};

void PrintTo(const Place& p, std::ostream* os) {
  *os << static_cast<double>(p.latitude) << " " << static_cast<double>(p.longitude)
      << " at " << static_cast<double>(p.birthTime);
}

class ChartInvariantsTest
    : public ChartPositionsTest,
      public ::testing::WithParamInterface<std::tuple<int, Place>> {};

TEST_P(ChartInvariantsTest, HoldAfterEveryCalculation) {
  const auto [system, place] = GetParam();
  UseSkies({kQuietSky});
  PlaceAtSky(chart_, 0);
  chart_.SetLatitude(place.latitude);
  chart_.SetLongitude(place.longitude);
  chart_.SetBirthTime(place.birthTime);
  chart_.SetHouseSystem(system);
  chart_.SetActive(true);
  ASSERT_EQ(chart_.HouseSystem(), system);

  for (int slot = 1; slot <= 18; ++slot) {
    EXPECT_GE(chart_.PlanetRad(slot), 0) << "slot " << slot;
    EXPECT_LT(chart_.PlanetRad(slot), TwoPi) << "slot " << slot;
    EXPECT_GE(chart_.PlanetPos(slot), 0) << "slot " << slot;
    EXPECT_LT(chart_.PlanetPos(slot), 360) << "slot " << slot;
  }
  EXPECT_NEAR(std::remainder(chart_.PlanetRad(12) - chart_.PlanetRad(11) - kPi, TwoPi),
              0, 1e-15L);
  for (int h = 0; h <= 13; ++h) {
    EXPECT_GE(chart_.CuspRad(h), 0) << "cusp " << h;
    EXPECT_LT(chart_.CuspRad(h), TwoPi) << "cusp " << h;
    EXPECT_LT(chart_.CuspPos(h), 360) << "cusp " << h;
  }
  for (int h = 1; h <= 6; ++h)
    EXPECT_NEAR(std::remainder(chart_.CuspRad(h + 6) - chart_.CuspRad(h) - kPi, TwoPi),
                0, 1e-15L) << "cusp " << h;
  EXPECT_EQ(chart_.CuspRad(0), chart_.CuspRad(12));
  EXPECT_EQ(chart_.CuspRad(13), chart_.CuspRad(1));
  // Cusps 1, 2, 3 and 10, 11, 12 are the cusp slots.
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(chart_.CuspRad(10 + i), chart_.PlanetRad(13 + i));
    EXPECT_EQ(chart_.CuspRad(1 + i), chart_.PlanetRad(16 + i));
  }
  EXPECT_EQ(chart_.WheelRotation(), TwoPi - chart_.CuspRad(1));
  if (system == hsPlacidus) {
    EXPECT_NEAR(chart_.CuspRad(10),
                Mod2Pi(RAToLambda(chart_.SiderealTime(), chart_.Obliquity())),
                1e-15L);
  }
  if (system == hsEqual) {
    EXPECT_NEAR(std::remainder(chart_.CuspRad(2) - chart_.CuspRad(1) - kPi / 6, TwoPi),
                0, 1e-15L);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Places, ChartInvariantsTest,
    ::testing::Combine(::testing::Values(hsPlacidus, hsKoch, hsEqual),
                       ::testing::Values(Place{0, 0, 0}, Place{51.30L, 0.07L, 6.15L},
                                         Place{-33.52L, -151.13L, 13.40L},
                                         Place{64.08L, 21.56L, 21.05L},
                                         Place{-54.48L, 68.18L, 3.33L},
                                         Place{40.43L, 74.00L, 23.59L})));

// ---- signs -----------------------------------------------------------------

TEST_F(ChartPositionsTest, SignsOfBodiesAndCusps) {
  Activate({test::QuietSkyWith({{1, test::Minutes(29, 59)},
                                {2, test::Minutes(30)},
                                {3, test::Minutes(359, 59)}})});
  EXPECT_EQ(chart_.SignOfBody(plSun), siAries);
  EXPECT_EQ(chart_.SignOfBody(plMoon), siTaurus);
  EXPECT_EQ(chart_.SignOfBody(plMercury), siPisces);
  // 12 reads the Midheaven (slot 13), 15 the Ascendant (slot 16).
  EXPECT_EQ(chart_.SignOfBody(12), static_cast<int>(chart_.PlanetPos(13) / 30));
  EXPECT_EQ(chart_.SignOfBody(15), static_cast<int>(chart_.PlanetPos(16) / 30));
  TPlanetSet bodies = 0;
  TPlanetSet cusps = 0;
  for (int sign = 0; sign < 12; ++sign) {
    const TPlanetSet inSign = chart_.BodiesInSign(sign);
    EXPECT_EQ(bodies & inSign, 0u) << "a body in two signs";
    bodies |= inSign;
    for (int slot = 1; slot <= 12; ++slot)
      EXPECT_EQ((inSign & PlanetBit(slot - 1)) != 0,
                chart_.SignOfBody(slot - 1) == sign) << "slot " << slot;
    cusps |= chart_.CuspsInSign(sign);
    for (int h = 1; h <= 12; ++h) {
      if (static_cast<int>(chart_.CuspPos(h) / 30) == sign) {
        EXPECT_TRUE(chart_.CuspsInSign(sign) & PlanetBit(h - 1)) << "cusp " << h;
      }
    }
  }
  EXPECT_EQ(bodies, 0xFFFu);
  EXPECT_EQ(cusps, 0xFFFu);
}

}  // namespace
}  // namespace vyn
