// A change whose recalculation fails leaves both charts of a pair exactly
// as they were: inputs, results and aspect lists.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/horoscope.h"
#include "engine/horoscope_exception.h"
#include "engine/wheel_link.h"
#include "tests/engine/ephemeris_fixture.h"

namespace vyn {
namespace {
using test::ChartOnSkies;
using test::kQuietSky;

using TAspects = std::vector<std::tuple<int, int, int, extended>>;

// Everything a caller can read of a chart.
struct TChartPicture {
  std::vector<std::string> texts;
  std::vector<extended> numbers;
  std::vector<long> integers;
  TAspects own, cross;
  const THoroscope* partner;
  bool operator==(const TChartPicture&) const = default;
};

TAspects AspectsOf(const THoroscope& c, bool cross) {
  TAspects list;
  int first, second, kind;
  extended orb;
  for (int n = 1; cross ? c.GetCrossAspect(n, first, second, kind, orb)
                        : c.GetAspect(n, first, second, kind, orb);
       ++n)
    list.emplace_back(first, second, kind, orb);
  return list;
}

TChartPicture PictureOf(const THoroscope& c) {
  TChartPicture p;
  p.texts = {c.FirstName(), c.LastName(), c.Sex(), c.PlaceName(),
             c.StateName()};
  p.numbers = {c.BirthDate(), c.BirthTime(),  c.ZoneTime(),
               c.SummerTime(), c.Latitude(),  c.Longitude(),
               c.GregorianStart(), c.UT(),    c.JD(),
               c.CenturiesT(), c.Obliquity(), c.SiderealTime()};
  for (int slot = 1; slot <= kPositionSlots; ++slot)
    p.numbers.push_back(c.PlanetRad(slot));
  for (int h = 0; h <= 13; ++h) p.numbers.push_back(c.CuspRad(h));
  p.integers = {c.TimeUnknown(), c.HouseSystem(), c.FromYear(), c.ToYear(),
                c.AspectMode(),  c.Active(),      c.Year(),     c.Month(),
                c.Day(),         c.DayOffset(),   c.BirthDayNumber()};
  for (int k = 1; k <= 12; ++k) {
    p.integers.push_back(c.SortedBody(k));
    p.integers.push_back(c.IsRetrograde(k));
  }
  for (int kind = 0; kind < kAspectKinds; ++kind)
    for (int point = 1; point <= kAspectPoints; ++point)
      p.integers.push_back(c.Orb(kind, point));
  p.own = AspectsOf(c, false);
  p.cross = AspectsOf(c, true);
  p.partner = c.Partner();
  return p;
}

class CountingWheel : public TWheelLink {
 public:
  void SetPropagationCount(int) override { ++calls; }
  void UpdateFromChart() override { ++calls; }
  int calls = 0;
};

struct FailingChange {
  const char* name;
  std::function<void(THoroscope& chart, THoroscope& outside)> apply;
};

void PrintTo(const FailingChange& c, std::ostream* os) { *os << c.name; }

// A pair of active charts with aspects; the first stands at the first
// moment the file can be read for, so any step back leaves the file.
class FailedChangeTest : public ChartOnSkies,
                         public ::testing::WithParamInterface<FailingChange> {
 protected:
  void SetUp() override {
    UseSkies({kQuietSky, test::QuietSkyWith({{1, 12000}, {2, 300}})});
    chart_.SetBirthDate(test::BirthDateOfMoment(ephemeris_format::kRecordDays));
    partner_.SetFirstName("Partner");
    PlaceAtSky(partner_, 1);
    for (THoroscope* c : {&chart_, &partner_}) {
      SetAllOrbs(*c, 7);
      c->SetAspectMode(3);
      c->SetActive(true);
    }
    chart_.SetPartner(&partner_);
    partner_.SetPartner(&chart_);
    chart_.SetFirstName("Chart");
    chart_.SetWheel(&wheel_);
    for (THoroscope* c : {&chart_, &partner_})
      c->OnChange = [this](THoroscope&) { ++changes_; };
    outside_.SetFirstName("Outside");
    outside_.SetBirthDate(1700.0101L);
  }

  THoroscope chart_, partner_, outside_;
  CountingWheel wheel_;
  int changes_ = 0;
};

TEST_P(FailedChangeTest, LeavesBothChartsOfThePairAsTheyWere) {
  ASSERT_GT(chart_.AspectCount(), 0);
  ASSERT_GT(chart_.CrossAspectCount(), 0);
  ASSERT_GT(partner_.CrossAspectCount(), 0);
  const TChartPicture chart = PictureOf(chart_);
  const TChartPicture partner = PictureOf(partner_);
  EXPECT_THROW(GetParam().apply(chart_, outside_), EHoroscopeException);
  EXPECT_EQ(PictureOf(chart_), chart);
  EXPECT_EQ(PictureOf(partner_), partner);
  EXPECT_EQ(changes_, 0);
  EXPECT_EQ(wheel_.calls, 0);
  // The chart still works from where it was.
  chart_.SetLatitude(10);
  EXPECT_EQ(changes_, 2);  // the chart and its partner
}

INSTANTIATE_TEST_SUITE_P(
    Changes, FailedChangeTest,
    ::testing::Values(
        FailingChange{"BirthDateYearsAfterTheFile",
                      [](THoroscope& c, THoroscope&) { c.SetBirthDate(1700.0101L); }},
        FailingChange{"ZoneTimeAnHourBeforeTheFile",
                      [](THoroscope& c, THoroscope&) { c.SetZoneTime(-1); }},
        FailingChange{"SummerTimeAnHourBeforeTheFile",
                      [](THoroscope& c, THoroscope&) { c.SetSummerTime(1); }},
        FailingChange{"GregorianDateDaysBeforeTheFile",
                      [](THoroscope& c, THoroscope&) { c.SetGregorianStart(1400.0101L); }},
        FailingChange{"HouseSystemWithoutCusps",
                      [](THoroscope& c, THoroscope&) { c.SetHouseSystem(7); }},
        FailingChange{"AssignOfAChartAfterTheFile",
                      [](THoroscope& c, THoroscope& o) { c.Assign(o); }}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(FailedChangeTest, AFailedActivationLeavesTheChartInactiveAndUnchanged) {
  chart_.SetActive(false);
  chart_.SetBirthDate(1700.0101L);  // only the time step runs
  const TChartPicture before = PictureOf(chart_);
  EXPECT_THROW(chart_.SetActive(true), EHoroscopeException);
  EXPECT_EQ(PictureOf(chart_), before);
  EXPECT_FALSE(chart_.Active());
}

}  // namespace
}  // namespace vyn
