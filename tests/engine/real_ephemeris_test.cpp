// Charts on the generated VYN.LNG of the application directory, against the
// Swiss Ephemeris for a few moments (the accuracy figures are benchmarks).
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <ostream>
#include <string>

#include "engine/ephemeris.h"
#include "engine/horoscope.h"
#include "engine/horoscope_exception.h"
#include "platform/app_directory.h"

namespace vyn {
namespace {

constexpr int kSweBody[] = {-1,         SE_SUN,    SE_MOON,   SE_MERCURY,
                            SE_VENUS,   SE_MARS,   SE_JUPITER, SE_SATURN,
                            SE_URANUS,  SE_NEPTUNE, SE_PLUTO, SE_MEAN_NODE};

class RealEphemerisTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { swe_set_ephe_path("/usr/share/libswe/ephe"); }
  static void TearDownTestSuite() { swe_close(); }
  void SetUp() override {
    TEphemeris::Shared().Close();
    SetAppDirectory(VYN_TEST_APP_DIR);
  }
  void TearDown() override {
    TEphemeris::Shared().Close();
    SetAppDirectory("");
  }
};

struct Moment {
  extended date, time;  // UT
};

void PrintTo(const Moment& m, std::ostream* os) {
  *os << static_cast<double>(m.date) << " at " << static_cast<double>(m.time);
}

class RealChartTest : public RealEphemerisTest,
                      public ::testing::WithParamInterface<Moment> {};

TEST_P(RealChartTest, BodiesAgreeWithTheSwissEphemeris) {
  THoroscope chart;
  chart.SetBirthDate(GetParam().date);
  chart.SetBirthTime(GetParam().time);
  chart.SetLatitude(52.31L);
  chart.SetActive(true);
  ASSERT_TRUE(chart.EphemerisOpen());
  // Tolerances in degrees: the table holds whole arc minutes; the Moon,
  // tabulated every 2 days, interpolates least well.
  constexpr double kTolerance[] = {0, 0.03, 0.05, 0.03, 0.03, 0.03,
                                   0.03, 0.03, 0.03, 0.03, 0.03, 0.03};
  for (int slot = 1; slot <= 11; ++slot) {
    double xx[6] = {};
    char error[AS_MAXCH] = "";
    ASSERT_GE(swe_calc_ut(static_cast<double>(chart.JD()), kSweBody[slot],
                          SEFLG_SWIEPH | SEFLG_SPEED, xx, error),
              0)
        << error;
    const double ours = static_cast<double>(chart.PlanetRad(slot) * 180 / kPi);
    EXPECT_NEAR(std::remainder(ours - xx[0], 360.0), 0, kTolerance[slot])
        << "slot " << slot << " at JD " << static_cast<double>(chart.JD());
    if (slot >= 3 && slot <= 10 && std::fabs(xx[3]) > 0.01) {
      EXPECT_EQ(chart.IsRetrograde(slot), xx[3] < 0) << "slot " << slot;
    }
  }
  EXPECT_NEAR(std::remainder(chart.PlanetRad(12) - chart.PlanetRad(11) - kPi, TwoPi),
              0, 1e-15L);
}

INSTANTIATE_TEST_SUITE_P(Moments, RealChartTest,
                         ::testing::Values(Moment{1600.0601L, 6.00L},
                                           Moment{1950.0315L, 21.30L},
                                           Moment{2000.0101L, 12.00L},
                                           Moment{2090.1201L, 3.45L}));

TEST_F(RealEphemerisTest, ADateBeforeTheTableIsRefusedNamingItsRange) {
  THoroscope chart;
  chart.SetBirthDate(1499.1231L);
  try {
    chart.SetActive(true);
    FAIL() << "no exception";
  } catch (const EHoroscopeException& e) {
    EXPECT_NE(std::string(e.what()).find("1500-01-12"), std::string::npos)
        << e.what();
  }
}

}  // namespace
}  // namespace vyn
