// The Ascendant and the house cusps of the three house systems.
#include "engine/houses.h"

#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <ostream>
#include <string>

#include "engine/horoscope_exception.h"

namespace vyn {
namespace {

constexpr int kComputedHouses[] = {10, 11, 12, 1, 2, 3};
constexpr extended kEps = 0.40909L;  // obliquity near the year 2000

TSky SkyOf(extended thetaDegrees, extended latitudeDegrees,
           extended eps = kEps) {
  return {thetaDegrees * kPi / 180, latitudeDegrees * kPi / 180, eps};
}

extended Cusp(int system, int house, const TSky& sky) {
  bool failed = false;
  const extended cusp = HouseCusp(system, house, sky, failed);
  EXPECT_FALSE(failed) << "system " << system << " house " << house;
  return cusp;
}

// Difference of two angles in radians, folded into [-pi, pi].
extended AngleDiff(extended a, extended b) {
  return std::remainder(a - b, TwoPi);
}

TEST(Houses, AscendantAtTheEquatorWithSiderealTimeZeroIs90Degrees) {
  EXPECT_NEAR(Asc(SkyOf(0, 0), 0), HalfPi, 1e-15L);
}

TEST(Houses, AscendantIsTheEclipticPointRisingInTheEast) {
  for (extended lat : {-60.0L, -33.9L, 0.0L, 23.5L, 51.5L, 65.0L}) {
    for (int s = 0; s < 360; s += 15) {
      const TSky sky = SkyOf(0, lat);
      const extended ramc = (s + 0.25L) * kPi / 180;
      extended expected = std::atan2(
          std::cos(ramc), -(std::sin(ramc) * std::cos(sky.eps) +
                            std::tan(sky.phi) * std::sin(sky.eps)));
      if (expected < 0) expected += TwoPi;
      EXPECT_NEAR(AngleDiff(Asc(sky, ramc), expected), 0, 1e-12L)
          << "latitude " << lat << " sidereal angle " << s;
    }
  }
}

TEST(Houses, TenthCuspOfPlacidusIsTheMidheaven) {
  for (int theta = 0; theta < 360; theta += 30) {
    const TSky sky = SkyOf(theta + 0.7L, 48.2L);
    EXPECT_NEAR(Cusp(hsPlacidus, 10, sky), Mod2Pi(RAToLambda(sky.theta, sky.eps)),
                1e-15L)
        << "theta " << theta;
  }
}

TEST(Houses, TenthCuspOfKochIsTheMidheavenWithinRounding) {
  for (extended lat : {-45.0L, 10.0L, 52.3L, 64.0L})
    for (int theta = 0; theta < 360; theta += 30) {
      const TSky sky = SkyOf(theta + 0.7L, lat);
      EXPECT_NEAR(AngleDiff(Cusp(hsKoch, 10, sky), RAToLambda(sky.theta, sky.eps)),
                  0, 1e-12L)
          << "theta " << theta << " latitude " << lat;
    }
}

TEST(Houses, FirstCuspIsTheAscendantInPlacidusAndKoch) {
  const TSky sky = SkyOf(123.4L, 40.7L);
  const extended asc = Asc(sky, sky.theta);
  EXPECT_NEAR(AngleDiff(Cusp(hsPlacidus, 1, sky), asc), 0, 1e-15L);
  EXPECT_NEAR(AngleDiff(Cusp(hsKoch, 1, sky), asc), 0, 1e-15L);
}

TEST(Houses, EqualCuspsStepBy30DegreesFromTheAscendant) {
  const TSky sky = SkyOf(301.5L, -27.4L);
  const extended asc = Asc(sky, sky.theta);
  for (int h : kComputedHouses) {
    const extended cusp = Cusp(hsEqual, h, sky);
    EXPECT_GE(cusp, 0);
    EXPECT_LT(cusp, TwoPi);
    EXPECT_NEAR(AngleDiff(cusp, asc + (h - 1) * kPi / 6), 0, 1e-15L) << "house " << h;
  }
  // Not the Midheaven: the Ascendant plus 270 degrees.
  EXPECT_NEAR(AngleDiff(Cusp(hsEqual, 10, sky), asc + 3 * HalfPi), 0, 1e-15L);
  EXPECT_GT(std::fabs(AngleDiff(Cusp(hsEqual, 10, sky),
                                RAToLambda(sky.theta, sky.eps))), 0.01L);
}

// The quadrant systems against the Swiss Ephemeris' house code.
struct QuadrantCase {
  int system;
  int sweSystem;
  extended thetaDegrees, latitudeDegrees;
};

void PrintTo(const QuadrantCase& c, std::ostream* os) {
  *os << static_cast<char>(c.sweSystem) << " at " << static_cast<double>(c.thetaDegrees)
      << " / " << static_cast<double>(c.latitudeDegrees);
}

class QuadrantHousesTest : public ::testing::TestWithParam<QuadrantCase> {};

TEST_P(QuadrantHousesTest, AgreeWithTheSwissEphemeris) {
  const QuadrantCase& c = GetParam();
  const TSky sky = SkyOf(c.thetaDegrees, c.latitudeDegrees);
  double cusps[13] = {};
  double ascmc[10] = {};
  ASSERT_EQ(swe_houses_armc(static_cast<double>(c.thetaDegrees),
                            static_cast<double>(c.latitudeDegrees),
                            static_cast<double>(sky.eps * 180 / kPi),
                            c.sweSystem, cusps, ascmc),
            OK);
  for (int h : kComputedHouses) {
    const extended ours = Cusp(c.system, h, sky) * 180 / kPi;
    EXPECT_NEAR(std::remainder(static_cast<double>(ours) - cusps[h], 360.0), 0,
                0.001)
        << "house " << h << ": " << ours << " against " << cusps[h];
  }
}

INSTANTIATE_TEST_SUITE_P(
    Skies, QuadrantHousesTest,
    ::testing::Values(QuadrantCase{hsPlacidus, 'P', 0, 0},
                      QuadrantCase{hsPlacidus, 'P', 45, 51.5L},
                      QuadrantCase{hsPlacidus, 'P', 200, -33.9L},
                      QuadrantCase{hsPlacidus, 'P', 300, 60},
                      QuadrantCase{hsPlacidus, 'P', 93.3L, 65.5L},
                      QuadrantCase{hsKoch, 'K', 45, 51.5L},
                      QuadrantCase{hsKoch, 'K', 200, -33.9L},
                      QuadrantCase{hsKoch, 'K', 300, 60}));

TEST(Houses, QuadrantCuspsBeyondThePolarCircleFail) {
  const TSky polar = SkyOf(90, 80);
  for (int h : {11, 12, 2, 3}) {
    bool failed = false;
    EXPECT_EQ(HouseCusp(hsPlacidus, h, polar, failed), 0) << "house " << h;
    EXPECT_TRUE(failed) << "house " << h;
  }
  bool failed = false;
  EXPECT_EQ(HouseCusp(hsKoch, 11, polar, failed), 0);
  EXPECT_TRUE(failed);
  for (int h : kComputedHouses) {
    failed = false;
    HouseCusp(hsEqual, h, polar, failed);
    EXPECT_FALSE(failed) << "house " << h;
  }
}

TEST(Houses, APlacidusIterationThatDoesNotSettleFails) {
  // Finite at every round, but the Newton steps never come within the
  // tolerance at this sky.
  const TSky sky{33 * TwoPi / 720, DegToRad(66.85L), kEps};
  bool failed = false;
  EXPECT_EQ(HouseCusp(hsPlacidus, 12, sky, failed), 0);
  EXPECT_TRUE(failed);
}

TEST(Houses, AFailureLeavesTheFlagSetForLaterCusps) {
  bool failed = false;
  HouseCusp(hsPlacidus, 11, SkyOf(57.3L, 80), failed);
  HouseCusp(hsPlacidus, 11, SkyOf(57.3L, 40), failed);
  EXPECT_TRUE(failed);
}

TEST(Houses, AnUnknownHouseSystemIsRefused) {
  for (int system : {3, -1, 255}) {
    bool failed = false;
    try {
      HouseCusp(system, 10, SkyOf(10, 10), failed);
      ADD_FAILURE() << "no exception for system " << system;
    } catch (const EHoroscopeException& e) {
      EXPECT_STREQ(e.what(), "Invalid House System!");
    }
    EXPECT_FALSE(failed);
  }
}

TEST(Houses, CuspSlotsHoldHouses10To12Then1To3) {
  constexpr int kHouse[] = {10, 11, 12, 1, 2, 3};
  for (int slot = 13; slot <= 18; ++slot)
    EXPECT_EQ(HouseOfCuspSlot(slot), kHouse[slot - 13]) << "slot " << slot;
}

}  // namespace
}  // namespace vyn
