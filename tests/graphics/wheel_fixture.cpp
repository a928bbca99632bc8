#include "tests/graphics/wheel_fixture.h"

#include <QApplication>
#include <QFontDatabase>
#include <cmath>
#include <stdexcept>

#include "engine/ephemeris.h"
#include "platform/app_directory.h"

namespace vyn::testing {

void EnsureGuiApplication() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "graphics_tests";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives until the process ends
  for (const char* face : {"/VYNS.TTF", "/VYNSS.TTF"})
    if (QFontDatabase::addApplicationFont(QString::fromUtf8(VYN_TEST_APP_DIR) + face) < 0)
      throw std::runtime_error(std::string("cannot load the symbol font ") + face);
}

namespace {

// The application exists before any test's fixture (widgets among its
// members) is made.
class TGuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { EnsureGuiApplication(); }
};

[[maybe_unused]] ::testing::Environment* const guiEnvironment =
    ::testing::AddGlobalTestEnvironment(new TGuiEnvironment);

}  // namespace

void SetAllOrbs(THoroscope& chart, int degrees) {
  for (int row = 1; row <= kAspectKinds; ++row)
    for (int point = 1; point <= kAspectPoints; ++point) chart.SetOrb(row, point, degrees);
}

void RealChartsTest::SetUp() {
  EnsureGuiApplication();
  TEphemeris::Shared().Close();
  SetAppDirectory(VYN_TEST_APP_DIR);
  struct TBirth {
    THoroscope& chart;
    const char* name;
    extended date, time, latitude, longitude, zone;
  };
  for (const TBirth& b : {TBirth{ann_, "Ann", 1980.0614L, 12.00L, 52.31L, -13.24L, -1},
                          TBirth{bob_, "Bob", 1978.0302L, 6.30L, 48.08L, -11.34L, -1}}) {
    b.chart.SetFirstName(b.name);
    b.chart.SetBirthDate(b.date);
    b.chart.SetBirthTime(b.time);
    b.chart.SetLatitude(b.latitude);
    b.chart.SetLongitude(b.longitude);
    b.chart.SetZoneTime(b.zone);
    SetAllOrbs(b.chart, 8);
  }
  ann_.SetPartner(&bob_);
  bob_.SetPartner(&ann_);
  ann_.SetActive(true);
  bob_.SetActive(true);
  ASSERT_TRUE(ann_.EphemerisOpen());
}

void RealChartsTest::TearDown() {
  TEphemeris::Shared().Close();
  SetAppDirectory("");
}

test::TSky SkyOfDegrees(std::initializer_list<std::pair<int, int>> slotDegrees) {
  test::TSky sky{};
  for (auto [slot, degrees] : slotDegrees) sky[slot] = test::Minutes(degrees);
  return sky;
}

void SkyChartsTest::Calculate(const test::TSky& first) {
  UseSkies({first});
  PlaceAtSky(chart1_, 0);
  chart1_.SetLatitude(47.22L);
  chart1_.SetBirthTime(10.10L);
  chart1_.SetActive(true);
}

void SkyChartsTest::Calculate(const test::TSky& first, const test::TSky& second) {
  UseSkies({first, second});
  PlaceAtSky(chart1_, 0);
  chart1_.SetLatitude(47.22L);
  chart1_.SetBirthTime(10.10L);
  PlaceAtSky(chart2_, 1);
  chart2_.SetLatitude(-12.03L);
  chart2_.SetBirthTime(19.50L);
  chart1_.SetPartner(&chart2_);
  chart2_.SetPartner(&chart1_);
  chart1_.SetActive(true);
  chart2_.SetActive(true);
}

double LongitudeOf(const TWheelAngles& angles, extended frameAngle) {
  double degrees = static_cast<double>((frameAngle - angles.e) / kDegree);
  degrees = std::fmod(degrees, 360.0);
  return degrees < 0 ? degrees + 360 : degrees;
}

}  // namespace vyn::testing
