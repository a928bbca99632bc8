// The houses of a chart record: the switch to Equal houses, sun-sign houses
// for an unknown birth time, and which house holds a longitude.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "engine/horoscope.h"
#include "engine/houses.h"
#include "tests/engine/ephemeris_fixture.h"

namespace vyn {
namespace {
using test::ChartOnSkies;
using test::kQuietSky;

struct PolarCase {
  const char* what;
  extended date, latitude;
  int houseSystem;
};

void PrintTo(const PolarCase& c, std::ostream* os) { *os << c.what; }

class PolarSwitchTest : public ::testing::TestWithParam<PolarCase> {};

TEST_P(PolarSwitchTest, QuadrantHousesNeedLatitudePlusObliquityBelow90Degrees) {
  THoroscope chart;  // the time step runs without the ephemeris
  chart.SetBirthDate(GetParam().date);
  chart.SetLatitude(GetParam().latitude);
  EXPECT_EQ(chart.HouseSystem(), GetParam().houseSystem)
      << "obliquity " << chart.Obliquity() * 180 / kPi;
}

INSTANTIATE_TEST_SUITE_P(
    Latitudes, PolarSwitchTest,
    ::testing::Values(
        // Near 2000 the obliquity is 23.44 degrees: the limit is 66.56.
        PolarCase{"Below2000", 2000.0101L, 66.33L, hsPlacidus},
        PolarCase{"Above2000", 2000.0101L, 66.34L, hsEqual},
        PolarCase{"SouthAbove2000", 2000.0101L, -66.34L, hsEqual},
        // In 1500 it is 23.50 degrees, so 66.33 (66.55) lies beyond.
        PolarCase{"Below2000Above1500", 1500.0316L, 66.33L, hsEqual},
        PolarCase{"Pole", 2000.0101L, 90, hsEqual},
        PolarCase{"Equator", 2000.0101L, 0, hsPlacidus}),
    [](const auto& testParam) { return std::string(testParam.param.what); });

class ChartHousesTest : public ChartOnSkies {
 protected:
  void Activate(extended latitude, const test::TSky& sky = kQuietSky,
                extended birthTime = 9.40L) {
    UseSkies({sky});
    PlaceAtSky(chart_, 0);
    chart_.SetBirthTime(birthTime);
    chart_.SetLatitude(latitude);
    chart_.OnChange = [this](THoroscope&) { ++changes_; };
    chart_.SetActive(true);
    changes_ = 0;
  }
  extended CuspStep(int h) const {
    return std::remainder(chart_.CuspRad(h + 1) - chart_.CuspRad(h), TwoPi);
  }
  THoroscope chart_;
  int changes_ = 0;
};

TEST_F(ChartHousesTest, APolarChartKeepsEqualHousesUntilACallerChangesThem) {
  Activate(70);
  EXPECT_EQ(chart_.HouseSystem(), hsEqual);
  for (int h = 1; h < 12; ++h) EXPECT_NEAR(CuspStep(h), kPi / 6, 1e-15L) << h;
  chart_.SetLatitude(50);
  EXPECT_EQ(chart_.HouseSystem(), hsEqual);
  chart_.SetHouseSystem(hsPlacidus);
  EXPECT_EQ(chart_.HouseSystem(), hsPlacidus);
  EXPECT_NEAR(chart_.CuspRad(10),
              Mod2Pi(RAToLambda(chart_.SiderealTime(), chart_.Obliquity())), 1e-15L);
}

class FailedCuspTest : public ChartHousesTest,
                       public ::testing::WithParamInterface<int> {};

TEST_P(FailedCuspTest, QuadrantHousesAsked70DegreesNorthTurnSilentlyToEqual) {
  // A birth time whose sidereal time lies near 90 degrees: there even the
  // Midheaven's semi-arc of Koch's houses cannot be computed.
  THoroscope probe;
  PlaceAtSky(probe, 0);
  int hour = 0;
  while (hour < 24 && std::sin(probe.SiderealTime()) < 0.9L) probe.SetBirthTime(++hour);
  ASSERT_LT(hour, 24);
  Activate(70, kQuietSky, hour);
  chart_.SetHouseSystem(GetParam());
  EXPECT_EQ(chart_.HouseSystem(), hsEqual);
  for (int h = 1; h < 12; ++h) EXPECT_NEAR(CuspStep(h), kPi / 6, 1e-15L) << h;
  EXPECT_NE(chart_.CuspRad(1), 0);
  EXPECT_EQ(changes_, 1);
}

INSTANTIATE_TEST_SUITE_P(Systems, FailedCuspTest,
                         ::testing::Values(hsPlacidus, hsKoch));

TEST_F(ChartHousesTest, ALongitudeOnACuspBelongsToThatHouse) {
  Activate(48.12L);
  for (int h = 1; h <= 12; ++h) {
    EXPECT_EQ(chart_.HouseOfPos(chart_.CuspPos(h)), h) << "cusp " << h;
    const extended before = chart_.CuspPos(h) - 0.0001L;
    EXPECT_EQ(chart_.HouseOfPos(before), h == 1 ? 12 : h - 1) << "before cusp " << h;
  }
}

TEST_F(ChartHousesTest, LongitudesAreBroughtIntoTheCircleExcept360) {
  Activate(48.12L);
  EXPECT_EQ(chart_.HouseOfPos(360), 0);
  EXPECT_EQ(chart_.HouseOfPos(-30), chart_.HouseOfPos(330));
  EXPECT_EQ(chart_.HouseOfPos(-390), chart_.HouseOfPos(330));
  EXPECT_EQ(chart_.HouseOfPos(725.5L), chart_.HouseOfPos(5.5L));
  EXPECT_NE(chart_.HouseOfPos(0), 0);
  EXPECT_NE(chart_.HouseOfPos(359.59L), 0);
  EXPECT_EQ(chart_.HouseOfPos(720), 0);
  // Huge values and values that are no number come back at once.
  EXPECT_EQ(chart_.HouseOfPos(1e30L), chart_.HouseOfPos(std::fmod(1e30L, 360)));
  for (const extended x : {std::numeric_limits<extended>::infinity(),
                           -std::numeric_limits<extended>::infinity(),
                           std::numeric_limits<extended>::quiet_NaN()})
    EXPECT_EQ(chart_.HouseOfPos(x), 0) << x;
}

TEST_F(ChartHousesTest, TheHouseOverZeroDegreesHoldsBothEnds) {
  Activate(48.12L);
  int across = 0;
  for (int h = 1; h <= 12; ++h)
    if (chart_.CuspPos(h) > chart_.CuspPos(h + 1)) across = h;
  ASSERT_NE(across, 0);
  EXPECT_EQ(chart_.HouseOfPos(0), across);
  EXPECT_EQ(chart_.HouseOfPos((chart_.CuspPos(across) + 360) / 2), across);
}

TEST_F(ChartHousesTest, EveryBodyLiesInExactlyOneHouse) {
  Activate(-33.52L);
  TPlanetSet all = 0;
  for (int h = 1; h <= 12; ++h) {
    const TPlanetSet inHouse = chart_.BodiesInHouse(h);
    EXPECT_EQ(all & inHouse, 0u);
    all |= inHouse;
  }
  EXPECT_EQ(all, 0xFFFu);
  for (int n = plSun; n <= plSouthNode; ++n) {
    const int house = chart_.HouseOfBody(n);
    EXPECT_EQ(house, chart_.HouseOfPos(chart_.PlanetPos(n + 1)));
    EXPECT_TRUE(chart_.BodiesInHouse(house) & PlanetBit(n)) << "body " << n;
  }
}

TEST_F(ChartHousesTest, AnglesFallInTheirHousesAndOppositeAnglesAreCutToWholeDegrees) {
  Activate(48.12L);
  EXPECT_EQ(chart_.HouseOfPoint(12), 10);  // Midheaven on cusp 10
  EXPECT_EQ(chart_.HouseOfPoint(15), 1);   // Ascendant on cusp 1
  // The Descendant and the IC are the angles plus 180 degrees cut to whole
  // degrees, which puts them just before cusps 7 and 4.
  ASSERT_GT(chart_.PlanetPos(13) - std::trunc(chart_.PlanetPos(13)), 0.001L);
  ASSERT_GT(chart_.PlanetPos(16) - std::trunc(chart_.PlanetPos(16)), 0.001L);
  EXPECT_EQ(chart_.HouseOfPoint(21), 3);
  EXPECT_EQ(chart_.HouseOfPoint(18), 6);
  EXPECT_EQ(chart_.HouseOfPoint(plVenus), chart_.HouseOfBody(plVenus));
}

TEST_F(ChartHousesTest, UnknownBirthTimeGivesSunSignHouses) {
  // The Sun at 200 degrees, in Libra.
  Activate(48.12L, test::QuietSkyWith({{1, test::Minutes(200)}}));
  chart_.SetTimeUnknown(true);
  EXPECT_EQ(chart_.HouseSystem(), hsEqual);
  EXPECT_EQ(chart_.SignOfBody(plSun), siLibra);
  for (int h = 0; h <= 13; ++h) {
    const int sign = (siLibra + h + 11) % 12;  // cusp 1 at 0 Libra
    EXPECT_NEAR(chart_.CuspPos(h), 30 * sign, 1e-6L) << "cusp " << h;
  }
  EXPECT_EQ(chart_.HouseOfBody(plSun), 1);
  // The cusp slots keep the Equal houses of the birth moment.
  THoroscope equal;
  PlaceAtSky(equal, 0);
  equal.SetBirthTime(9.40L);
  equal.SetLatitude(48.12L);
  equal.SetHouseSystem(hsEqual);
  equal.SetActive(true);
  for (int slot = 13; slot <= 18; ++slot)
    EXPECT_EQ(chart_.PlanetRad(slot), equal.PlanetRad(slot)) << "slot " << slot;
  // Turning the unknown time off later keeps the Equal houses.
  chart_.SetTimeUnknown(false);
  EXPECT_EQ(chart_.HouseSystem(), hsEqual);
  EXPECT_EQ(chart_.CuspRad(1), equal.CuspRad(1));
}

}  // namespace
}  // namespace vyn
