// The chart record: its inputs, when it recalculates, activation, copying,
// its wheel link and its fixed failures.
#include "engine/horoscope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "engine/busy_indicator.h"
#include "engine/ephemeris.h"
#include "engine/horoscope_exception.h"
#include "platform/app_directory.h"
#include "tests/engine/ephemeris_fixture.h"

namespace vyn {
namespace {
using test::ChartOnSkies;
using test::kQuietSky;
using test::MinutesToRad;

// Records what a chart reports after each recalculation, in order.
class RecordingWheel : public TWheelLink {
 public:
  void SetPropagationCount(int count) override {
    calls.push_back("count " + std::to_string(count));
  }
  void UpdateFromChart() override { calls.push_back("update"); }
  std::vector<std::string> calls;
};

class ChartRecordTest : public ChartOnSkies {
 protected:
  void SetUp() override {
    UseSkies({kQuietSky, test::QuietSkyWith({{1, 12000}, {2, 300}})});
    PlaceAtSky(chart_, 0);
    chart_.OnChange = [this](THoroscope&) { ++changes_; };
    chart_.SetActive(true);
    changes_ = 0;
  }

  THoroscope chart_;
  int changes_ = 0;
};

TEST(ChartRecordDefaults, StartWithTheDocumentedInputs) {
  const THoroscope chart;
  EXPECT_EQ(chart.FirstName(), "");
  EXPECT_EQ(chart.LastName(), "");
  EXPECT_EQ(chart.Sex(), "");
  EXPECT_EQ(chart.PlaceName(), "");
  EXPECT_EQ(chart.StateName(), "");
  EXPECT_EQ(chart.BirthDate(), 1900.0101L);
  EXPECT_EQ(chart.BirthTime(), 0);
  EXPECT_EQ(chart.ZoneTime(), 0);
  EXPECT_EQ(chart.SummerTime(), 0);
  EXPECT_EQ(chart.Latitude(), 0);
  EXPECT_EQ(chart.Longitude(), 0);
  EXPECT_EQ(chart.FromYear(), 1996);
  EXPECT_EQ(chart.ToYear(), 1997);
  EXPECT_EQ(chart.GregorianStart(), 1522.0101L);
  EXPECT_EQ(chart.HouseSystem(), 0);
  EXPECT_FALSE(chart.TimeUnknown());
  EXPECT_FALSE(chart.Active());
  EXPECT_FALSE(chart.EphemerisOpen());
  EXPECT_EQ(chart.Partner(), nullptr);
  EXPECT_EQ(chart.AspectMode(), 0);
  EXPECT_EQ(chart.AspectCount(), 0);
  for (int k = 1; k <= 12; ++k) EXPECT_EQ(chart.SortedBody(k), k);
  EXPECT_EQ(chart.SortedBody(0), 0);
  EXPECT_EQ(chart.SortedBody(13), 0);
  for (int kind = 0; kind < kAspectKinds; ++kind)
    for (int p = 1; p <= kAspectPoints; ++p) EXPECT_EQ(chart.Orb(kind, p), 0);
}

// ---- ranged inputs -------------------------------------------------------

struct RangedInput {
  const char* name;
  void (THoroscope::*set)(extended);
  extended (THoroscope::*get)() const;
  extended low, high;
  const char* message;
};

void PrintTo(const RangedInput& c, std::ostream* os) { *os << c.name; }

class RangedInputTest : public ChartRecordTest,
                        public ::testing::WithParamInterface<RangedInput> {};

TEST_P(RangedInputTest, AcceptsBothBounds) {
  const RangedInput& in = GetParam();
  (chart_.*in.set)(in.low + 1);
  for (extended v : {in.low, in.high}) {
    const int before = changes_;
    (chart_.*in.set)(v);
    EXPECT_EQ((chart_.*in.get)(), v);
    EXPECT_EQ(changes_, before + 1) << "one recalculation for " << v;
  }
}

TEST_P(RangedInputTest, RefusesValuesOutsideWithItsMessageAndKeepsTheOld) {
  const RangedInput& in = GetParam();
  const extended old = in.low + 1.15L;
  (chart_.*in.set)(old);
  const int before = changes_;
  const extended jd = chart_.JD();
  for (extended bad : {in.low - 0.01L, in.high + 0.01L, in.high + 100,
                       std::numeric_limits<extended>::quiet_NaN(),
                       std::numeric_limits<extended>::infinity(),
                       -std::numeric_limits<extended>::infinity(),
                       std::numeric_limits<extended>::max(),
                       std::numeric_limits<extended>::lowest()}) {
    try {
      (chart_.*in.set)(bad);
      ADD_FAILURE() << in.name << " took " << bad;
    } catch (const EHoroscopeException& e) {
      EXPECT_STREQ(e.what(), in.message);
    }
    EXPECT_EQ((chart_.*in.get)(), old);
  }
  EXPECT_EQ(changes_, before);
  EXPECT_EQ(chart_.JD(), jd);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RangedInputTest,
    ::testing::Values(
        RangedInput{"Latitude", &THoroscope::SetLatitude, &THoroscope::Latitude,
                    -90, 90, "Incorrect Latitude Value!"},
        RangedInput{"Longitude", &THoroscope::SetLongitude,
                    &THoroscope::Longitude, -180, 180,
                    "Incorrect Longitude Value!"},
        RangedInput{"BirthTime", &THoroscope::SetBirthTime,
                    &THoroscope::BirthTime, 0, 24, "Incorrect Time Value!"},
        RangedInput{"ZoneTime", &THoroscope::SetZoneTime, &THoroscope::ZoneTime,
                    -12, 12, "Incorrect Zone Time!"},
        RangedInput{"SummerTime", &THoroscope::SetSummerTime,
                    &THoroscope::SummerTime, -12, 12, "Incorrect Summer Time!"}),
    [](const auto& testParam) { return std::string(testParam.param.name); });

// ---- values no input can have ---------------------------------------------

constexpr extended kNaN = std::numeric_limits<extended>::quiet_NaN();
constexpr extended kInfinity = std::numeric_limits<extended>::infinity();
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

struct ImpossibleInput {
  const char* name;
  std::function<void(THoroscope&)> apply;
  const char* message;
};

void PrintTo(const ImpossibleInput& c, std::ostream* os) { *os << c.name; }

class ImpossibleInputTest
    : public ChartRecordTest,
      public ::testing::WithParamInterface<ImpossibleInput> {};

TEST_P(ImpossibleInputTest, IsRefusedWithItsMessageAndChangesNothing) {
  const extended date = chart_.BirthDate(), start = chart_.GregorianStart();
  const extended jd = chart_.JD();
  try {
    GetParam().apply(chart_);
    FAIL() << "no exception";
  } catch (const EHoroscopeException& e) {
    EXPECT_STREQ(e.what(), GetParam().message);
  }
  EXPECT_EQ(chart_.BirthDate(), date);
  EXPECT_EQ(chart_.GregorianStart(), start);
  EXPECT_EQ(chart_.JD(), jd);
  for (int kind = 0; kind < kAspectKinds; ++kind)
    for (int p = 1; p <= kAspectPoints; ++p) EXPECT_EQ(chart_.Orb(kind, p), 0);
  EXPECT_EQ(changes_, 0);
}

constexpr const char* kBadDate = "Incorrect Birth Date!";
constexpr const char* kBadStart = "Incorrect Gregorian Start!";
constexpr const char* kBadOrb = "Incorrect Orb Value!";

INSTANTIATE_TEST_SUITE_P(
    Values, ImpossibleInputTest,
    ::testing::Values(
        ImpossibleInput{"BirthDateNaN", [](THoroscope& c) { c.SetBirthDate(kNaN); }, kBadDate},
        ImpossibleInput{"BirthDateInfinite", [](THoroscope& c) { c.SetBirthDate(kInfinity); }, kBadDate},
        ImpossibleInput{"BirthDateMinusInfinite", [](THoroscope& c) { c.SetBirthDate(-kInfinity); }, kBadDate},
        ImpossibleInput{"BirthDateBeyondInt", [](THoroscope& c) { c.SetBirthDate(2147483647.0101L); }, kBadDate},
        ImpossibleInput{"BirthDateYear10000", [](THoroscope& c) { c.SetBirthDate(10000.0101L); }, kBadDate},
        ImpossibleInput{"BirthDateJustAfterYear9999", [](THoroscope& c) { c.SetBirthDate(9999.99995L); }, kBadDate},
        ImpossibleInput{"BirthDateBeforeYear0", [](THoroscope& c) { c.SetBirthDate(-0.0101L); }, kBadDate},
        ImpossibleInput{"BirthDateHuge", [](THoroscope& c) { c.SetBirthDate(1e4000L); }, kBadDate},
        ImpossibleInput{"GregorianStartNaN", [](THoroscope& c) { c.SetGregorianStart(kNaN); }, kBadStart},
        ImpossibleInput{"GregorianStartInfinite", [](THoroscope& c) { c.SetGregorianStart(kInfinity); }, kBadStart},
        ImpossibleInput{"GregorianStartBeyondInt", [](THoroscope& c) { c.SetGregorianStart(2147483647.0101L); }, kBadStart},
        ImpossibleInput{"GregorianStartNegative", [](THoroscope& c) { c.SetGregorianStart(-1582.1015L); }, kBadStart},
        ImpossibleInput{"OrbNegative", [](THoroscope& c) { c.SetOrb(1, 1, -1); }, kBadOrb},
        ImpossibleInput{"OrbAboveHalfACircle", [](THoroscope& c) { c.SetOrb(1, 1, 181); }, kBadOrb},
        ImpossibleInput{"OrbLargestInt", [](THoroscope& c) { c.SetOrb(13, 14, kIntMax); }, kBadOrb},
        ImpossibleInput{"OrbSmallestInt", [](THoroscope& c) { c.SetOrb(13, 14, kIntMin); }, kBadOrb},
        ImpossibleInput{"OrbRowOverflow", [](THoroscope& c) { c.SetOrb(kIntMin, 1, 1); }, "Incorrect Aspect Index."},
        ImpossibleInput{"OrbPointOverflow", [](THoroscope& c) { c.SetOrb(1, kIntMax, 1); }, "Incorrect Aspect Index."},
        ImpossibleInput{"HouseSystemSmallestInt", [](THoroscope& c) { c.SetHouseSystem(kIntMin); }, "Invalid House System!"},
        ImpossibleInput{"HouseSystemLargestInt", [](THoroscope& c) { c.SetHouseSystem(kIntMax); }, "Invalid House System!"}),
    [](const auto& param) { return std::string(param.param.name); });

// The extremes an input can have go through every step without overflow
// (the sanitizer build checks the arithmetic).
TEST(ChartRecordLimits, TheExtremeInputsGoThroughTheTimeStep) {
  THoroscope chart;
  for (extended date : {0.0L, 9999.9999L, 9999.1231L, 0.0101L}) {
    for (extended start : {0.0L, 9999.9999L}) {
      chart.SetGregorianStart(start);
      chart.SetBirthDate(date);
      chart.SetZoneTime(12);
      chart.SetSummerTime(-12);
      chart.SetBirthTime(24);
      EXPECT_TRUE(std::isfinite(chart.JD())) << date << " " << start;
      chart.SetZoneTime(-12);
      chart.SetSummerTime(12);
      chart.SetBirthTime(0);
      EXPECT_TRUE(std::isfinite(chart.JD())) << date << " " << start;
      EXPECT_GE(chart.Weekday(), 0);
      EXPECT_LE(chart.Weekday(), 6);
    }
  }
  chart.SetOrb(13, 14, 180);
  EXPECT_EQ(chart.Orb(12, 14), 180 * 60);
}

TEST(ChartRecordLimits, YearsAndModesOutsideTheirRangesCauseNoOverflow) {
  THoroscope chart;
  for (int v : {kIntMin, kIntMax}) {
    chart.SetFromYear(v);
    chart.SetToYear(v);
    chart.SetAspectMode(v);
  }
  EXPECT_EQ(chart.FromYear(), 1996);
  EXPECT_EQ(chart.ToYear(), 1997);
  EXPECT_EQ(chart.AspectMode(), kIntMax);
}

// ---- when a chart recalculates ------------------------------------------

struct InputChange {
  const char* name;
  std::function<void(THoroscope&, THoroscope& other)> apply;
};

void PrintTo(const InputChange& c, std::ostream* os) { *os << c.name; }

class SameValueTest : public ChartRecordTest,
                      public ::testing::WithParamInterface<InputChange> {};

TEST_P(SameValueTest, NeitherRecalculatesNorFiresOnChange) {
  RecordingWheel wheel;
  chart_.SetWheel(&wheel);
  THoroscope other;
  GetParam().apply(chart_, other);
  EXPECT_EQ(changes_, 0);
  EXPECT_TRUE(wheel.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SameValueTest,
    ::testing::Values(
        InputChange{"BirthDate", [](THoroscope& c, THoroscope&) { c.SetBirthDate(c.BirthDate()); }},
        InputChange{"BirthTime", [](THoroscope& c, THoroscope&) { c.SetBirthTime(c.BirthTime()); }},
        InputChange{"ZoneTime", [](THoroscope& c, THoroscope&) { c.SetZoneTime(c.ZoneTime()); }},
        InputChange{"SummerTime", [](THoroscope& c, THoroscope&) { c.SetSummerTime(c.SummerTime()); }},
        InputChange{"Latitude", [](THoroscope& c, THoroscope&) { c.SetLatitude(c.Latitude()); }},
        InputChange{"Longitude", [](THoroscope& c, THoroscope&) { c.SetLongitude(c.Longitude()); }},
        InputChange{"GregorianStart", [](THoroscope& c, THoroscope&) { c.SetGregorianStart(c.GregorianStart()); }},
        InputChange{"TimeUnknown", [](THoroscope& c, THoroscope&) { c.SetTimeUnknown(c.TimeUnknown()); }},
        InputChange{"HouseSystem", [](THoroscope& c, THoroscope&) { c.SetHouseSystem(c.HouseSystem()); }},
        InputChange{"FromYear", [](THoroscope& c, THoroscope&) { c.SetFromYear(c.FromYear()); }},
        InputChange{"ToYear", [](THoroscope& c, THoroscope&) { c.SetToYear(c.ToYear()); }},
        InputChange{"Orb", [](THoroscope& c, THoroscope&) { c.SetOrb(5, 3, 0); }},
        InputChange{"AspectMode", [](THoroscope& c, THoroscope&) { c.SetAspectMode(c.AspectMode()); }},
        InputChange{"Active", [](THoroscope& c, THoroscope&) { c.SetActive(true); }},
        InputChange{"Names", [](THoroscope& c, THoroscope&) {
                      c.SetFirstName("Ann");
                      c.SetLastName("Lee");
                      c.SetSex("M");
                      c.SetPlaceName("Oslo");
                      c.SetStateName("Norway");
                    }}),
    [](const auto& testParam) { return std::string(testParam.param.name); });

class NewValueTest : public ChartRecordTest,
                     public ::testing::WithParamInterface<InputChange> {};

TEST_P(NewValueTest, RecalculatesOnceWhileActive) {
  RecordingWheel wheel;
  chart_.SetWheel(&wheel);
  THoroscope other;
  PlaceAtSky(other, 1);
  GetParam().apply(chart_, other);
  EXPECT_EQ(changes_, 1);
  EXPECT_EQ(wheel.calls, (std::vector<std::string>{"count 0", "update"}));
}

TEST_P(NewValueTest, OnlyRunsTheTimeStepWhileInactive) {
  chart_.SetActive(false);
  THoroscope other;
  PlaceAtSky(other, 1);
  GetParam().apply(chart_, other);
  EXPECT_EQ(changes_, 0);
  chart_.SetActive(true);
  EXPECT_EQ(changes_, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, NewValueTest,
    ::testing::Values(
        InputChange{"BirthDate", [](THoroscope& c, THoroscope&) { c.SetBirthDate(1500.0317L); }},
        InputChange{"BirthTime", [](THoroscope& c, THoroscope&) { c.SetBirthTime(13.45L); }},
        InputChange{"ZoneTime", [](THoroscope& c, THoroscope&) { c.SetZoneTime(-1); }},
        InputChange{"SummerTime", [](THoroscope& c, THoroscope&) { c.SetSummerTime(1); }},
        InputChange{"Latitude", [](THoroscope& c, THoroscope&) { c.SetLatitude(48.52L); }},
        InputChange{"Longitude", [](THoroscope& c, THoroscope&) { c.SetLongitude(-2.21L); }},
        InputChange{"GregorianStart", [](THoroscope& c, THoroscope&) { c.SetGregorianStart(1400.0101L); }},
        InputChange{"TimeUnknown", [](THoroscope& c, THoroscope&) { c.SetTimeUnknown(true); }},
        InputChange{"HouseSystem", [](THoroscope& c, THoroscope&) { c.SetHouseSystem(1); }},
        InputChange{"FromYearMovingToYear", [](THoroscope& c, THoroscope&) { c.SetFromYear(2000); }},
        InputChange{"ToYearMovingFromYear", [](THoroscope& c, THoroscope&) { c.SetToYear(1990); }},
        InputChange{"Orb", [](THoroscope& c, THoroscope&) { c.SetOrb(5, 3, 6); }},
        InputChange{"AspectMode", [](THoroscope& c, THoroscope&) { c.SetAspectMode(3); }},
        InputChange{"Partner", [](THoroscope& c, THoroscope& o) { c.SetPartner(&o); }},
        InputChange{"Assign", [](THoroscope& c, THoroscope& o) { c.Assign(o); }}),
    [](const auto& testParam) { return std::string(testParam.param.name); });

TEST_F(ChartRecordTest, ReportsToTheWheelThenFiresOnChange) {
  RecordingWheel wheel;
  chart_.SetWheel(&wheel);
  chart_.OnChange = [&wheel](THoroscope&) { wheel.calls.push_back("change"); };
  chart_.SetLatitude(12);
  EXPECT_EQ(wheel.calls,
            (std::vector<std::string>{"count 0", "update", "change"}));
}

TEST_F(ChartRecordTest, ShowsTheBusyIndicatorForEachRecalculationEvenOnFailure) {
  std::vector<bool> busy;
  SetBusyIndicator([&busy](bool on) { busy.push_back(on); });
  chart_.SetLatitude(12);
  EXPECT_EQ(busy, (std::vector<bool>{true, false}));
  busy.clear();
  EXPECT_THROW(chart_.SetHouseSystem(7), EHoroscopeException);
  EXPECT_EQ(busy, (std::vector<bool>{true, false}));
  SetBusyIndicator(nullptr);
}

TEST_F(ChartRecordTest, AnUnknownHouseSystemFailsWhenTheCuspsAreComputed) {
  try {
    chart_.SetHouseSystem(3);
    FAIL() << "no exception";
  } catch (const EHoroscopeException& e) {
    EXPECT_STREQ(e.what(), "Invalid House System!");
  }
}

TEST_F(ChartRecordTest, DeactivatedKeepsItsResultsUntilActivatedAgain) {
  const extended cusp = chart_.CuspRad(1);
  chart_.SetActive(false);
  EXPECT_FALSE(chart_.Active());
  chart_.SetBirthTime(6);
  EXPECT_EQ(chart_.UT(), 6);  // the time step ran
  EXPECT_EQ(chart_.CuspRad(1), cusp);
  EXPECT_EQ(chart_.PlanetRad(1), MinutesToRad(kQuietSky[1]));
  chart_.SetActive(true);
  EXPECT_NE(chart_.CuspRad(1), cusp);
  EXPECT_EQ(changes_, 1);
}

// ---- year window ---------------------------------------------------------

struct YearStep {
  bool from;  // FromYear, else ToYear
  int value;
};

struct YearWindowCase {
  const char* what;
  std::vector<YearStep> steps;
  int fromYear, toYear;
  int recalculations;
};

void PrintTo(const YearWindowCase& c, std::ostream* os) { *os << c.what; }

class YearWindowTest : public ChartRecordTest,
                       public ::testing::WithParamInterface<YearWindowCase> {};

TEST_P(YearWindowTest, KeepsOneToFourYearsAndIgnoresYearsOutside) {
  for (const YearStep& step : GetParam().steps)
    step.from ? chart_.SetFromYear(step.value) : chart_.SetToYear(step.value);
  EXPECT_EQ(chart_.FromYear(), GetParam().fromYear);
  EXPECT_EQ(chart_.ToYear(), GetParam().toYear);
  EXPECT_EQ(changes_, GetParam().recalculations);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, YearWindowTest,
    ::testing::Values(
        YearWindowCase{"FromAfterToMovesTo", {{true, 2000}}, 2000, 2001, 1},
        YearWindowCase{"ToTooFarMovesFrom", {{true, 2000}, {false, 2010}}, 2009, 2010, 2},
        YearWindowCase{"ToBeforeFromMovesFrom", {{false, 1990}}, 1989, 1990, 1},
        YearWindowCase{"ToEqualToFromMovesFrom", {{true, 2000}, {false, 2000}}, 1999, 2000, 2},
        YearWindowCase{"FourYearsStay", {{false, 1999}, {true, 1997}}, 1997, 1999, 2},
        YearWindowCase{"FromFourYearsBeforeToStays",
                       {{true, 2000}, {false, 2003}, {true, 2001}, {true, 2000}},
                       2000, 2003, 4},
        YearWindowCase{"FromTooFarBeforeToMovesTo", {{false, 1999}, {true, 1995}}, 1995, 1996, 2},
        YearWindowCase{"From1499Ignored", {{true, 1499}}, 1996, 1997, 0},
        YearWindowCase{"From1500", {{true, 1500}}, 1500, 1501, 1},
        YearWindowCase{"From2100Ignored", {{true, 2100}}, 1996, 1997, 0},
        YearWindowCase{"From2099", {{true, 2099}}, 2099, 2100, 1},
        YearWindowCase{"To1500Ignored", {{false, 1500}}, 1996, 1997, 0},
        YearWindowCase{"To1501", {{false, 1501}}, 1500, 1501, 1},
        YearWindowCase{"To2101Ignored", {{false, 2101}}, 1996, 1997, 0},
        YearWindowCase{"To2100", {{false, 2100}}, 2099, 2100, 1}),
    [](const auto& testParam) { return std::string(testParam.param.what); });

// ---- texts ---------------------------------------------------------------

TEST(ChartRecordTexts, NamesKeepAtMost48CharactersWithoutSplittingOne) {
  THoroscope chart;
  const std::string latin(60, 'a');
  std::string accented;
  for (int i = 0; i < 50; ++i) accented += "\xC3\xA9";  // e acute
  chart.SetFirstName(latin);
  chart.SetLastName(accented);
  chart.SetStateName(std::string(47, 'b') + "\xC3\xA9" + "cd");
  EXPECT_EQ(chart.FirstName(), std::string(48, 'a'));
  EXPECT_EQ(chart.LastName(), accented.substr(0, 96));
  EXPECT_EQ(chart.StateName(), std::string(47, 'b') + "\xC3\xA9");
}

TEST(ChartRecordTexts, SexAndPlaceAreStoredAsGiven) {
  THoroscope chart;
  chart.SetSex("F");
  chart.SetPlaceName("Frankfurt (Main) (Hessen)");
  EXPECT_EQ(chart.Sex(), "F");
  EXPECT_EQ(chart.PlaceName(), "Frankfurt (Main) (Hessen)");
}

// ---- activation ------------------------------------------------------------

class ActivationTest : public ChartOnSkies {};

TEST_F(ActivationTest, WithoutVynLngInTheApplicationDirectoryFailsAndStaysInactive) {
  TEphemeris::Shared().Close();
  test::TTempDirectory empty;
  SetAppDirectory(empty.Path());
  THoroscope chart;
  try {
    chart.SetActive(true);
    FAIL() << "no exception";
  } catch (const EHoroscopeException& e) {
    FAIL() << "a chart engine failure instead of a general one: " << e.what();
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()),
              "File " + empty.Path() + "/VYN.LNG not found!");
  }
  EXPECT_FALSE(chart.Active());
  EXPECT_FALSE(chart.EphemerisOpen());
  EXPECT_FALSE(TEphemeris::Shared().IsOpen());
}

TEST_F(ActivationTest, OpensTheFileOfTheApplicationDirectoryInAnyLetterCase) {
  TEphemeris::Shared().Close();
  const auto sky = test::WriteSkiesWithMovingSun({kQuietSky});
  test::TTempDirectory dir;
  std::filesystem::copy_file(sky->Path(), dir.Path() + "/vyn.lng");
  SetAppDirectory(dir.Path());
  THoroscope chart;
  PlaceAtSky(chart, 0);
  chart.SetActive(true);
  EXPECT_TRUE(chart.Active());
  EXPECT_TRUE(chart.EphemerisOpen());
  EXPECT_EQ(TEphemeris::Shared().Path(), dir.Path() + "/vyn.lng");
  EXPECT_EQ(chart.PlanetRad(2), MinutesToRad(kQuietSky[2]));
}

TEST_F(ActivationTest, UsesTheOpenFileWithoutLookingForAnother) {
  UseSkies({kQuietSky});
  test::TTempDirectory empty;
  SetAppDirectory(empty.Path());
  THoroscope first, second;
  PlaceAtSky(first, 0);
  PlaceAtSky(second, 0);
  int changes = 0;
  second.OnChange = [&changes](THoroscope&) { ++changes; };
  first.SetActive(true);
  second.SetActive(true);
  EXPECT_TRUE(second.Active());
  EXPECT_TRUE(second.EphemerisOpen());
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(TEphemeris::Shared().Path(), file_->Path());
}

TEST_F(ActivationTest, AMomentOutsideTheFileIsRefusedAndTheChartStaysInactive) {
  UseSkies({kQuietSky});
  THoroscope chart;
  chart.SetBirthDate(1700.0101L);
  EXPECT_THROW(chart.SetActive(true), EHoroscopeException);
  EXPECT_FALSE(chart.Active());
}

TEST_F(ChartRecordTest, ReadingBodiesAfterTheFileWasClosedIsRefused) {
  TEphemeris::Shared().Close();
  try {
    chart_.SetLatitude(5);
    FAIL() << "no exception";
  } catch (const EHoroscopeException& e) {
    EXPECT_STREQ(e.what(), "Invalid file handle. DOS Error 1");
  }
}

// ---- copying ---------------------------------------------------------------

class AssignTest : public ChartRecordTest {
 protected:
  void SetUp() override {
    ChartRecordTest::SetUp();
    source_.SetFirstName("Maria");
    source_.SetLastName("Rossi");
    source_.SetSex("F");
    PlaceAtSky(source_, 1);
    source_.SetBirthTime(14.35L);
    source_.SetZoneTime(-1);
    source_.SetSummerTime(1);
    source_.SetLatitude(45.28L);
    source_.SetLongitude(-9.11L);
    source_.SetPlaceName("Milano");
    source_.SetStateName("Italia");
    source_.SetHouseSystem(1);
    source_.SetGregorianStart(1400.0101L);
    source_.SetOrb(1, 1, 5);
    source_.SetFromYear(2000);
    source_.SetPartner(&chart_);
  }
  THoroscope source_;
};

TEST_F(AssignTest, CopiesTheBirthDataAndRecalculatesOnce) {
  chart_.Assign(source_);
  EXPECT_EQ(changes_, 1);
  EXPECT_TRUE(chart_.Active());
  EXPECT_EQ(chart_.FirstName(), "Maria");
  EXPECT_EQ(chart_.LastName(), "Rossi");
  EXPECT_EQ(chart_.Sex(), "F");
  EXPECT_EQ(chart_.BirthDate(), source_.BirthDate());
  EXPECT_EQ(chart_.BirthTime(), 14.35L);
  EXPECT_EQ(chart_.ZoneTime(), -1);
  EXPECT_EQ(chart_.SummerTime(), 1);
  EXPECT_EQ(chart_.Latitude(), 45.28L);
  EXPECT_EQ(chart_.Longitude(), -9.11L);
  EXPECT_EQ(chart_.PlaceName(), "Milano");
  EXPECT_EQ(chart_.StateName(), "Italia");
  EXPECT_EQ(chart_.HouseSystem(), 1);
  EXPECT_FALSE(chart_.TimeUnknown());
  // Recalculated with the copied data: the bodies of sky 1.
  EXPECT_NEAR(chart_.PlanetRad(1), MinutesToRad(12000), 1e-15L);
}

TEST_F(AssignTest, LeavesCalendarOrbsPartnerAndYearWindowAlone) {
  chart_.Assign(source_);
  EXPECT_EQ(chart_.GregorianStart(), 1522.0101L);
  EXPECT_EQ(chart_.Orb(0, 1), 0);
  EXPECT_EQ(chart_.Partner(), nullptr);
  EXPECT_EQ(chart_.FromYear(), 1996);
  EXPECT_EQ(chart_.ToYear(), 1997);
}

TEST_F(AssignTest, KeepsAnInactiveChartInactive) {
  chart_.SetActive(false);
  chart_.Assign(source_);
  EXPECT_FALSE(chart_.Active());
  EXPECT_EQ(changes_, 0);
  EXPECT_EQ(chart_.HouseSystem(), 1);
}

TEST_F(AssignTest, CopiesAnUnknownBirthTime) {
  source_.SetTimeUnknown(true);
  chart_.Assign(source_);
  EXPECT_TRUE(chart_.TimeUnknown());
  EXPECT_EQ(chart_.HouseSystem(), 2);
  EXPECT_EQ(changes_, 1);
}

// ---- orbs and aspect mode --------------------------------------------------

TEST_F(ChartRecordTest, SetOrbStoresArcMinutesOfTheKindOneBelowTheRow) {
  chart_.SetOrb(5, 3, 6);
  EXPECT_EQ(chart_.Orb(4, 3), 360);
  chart_.SetOrb(13, 14, 2);
  EXPECT_EQ(chart_.Orb(12, 14), 120);
  chart_.SetOrb(1, 1, 0);
  EXPECT_EQ(changes_, 2);
}

TEST_F(ChartRecordTest, SetOrbOutsideTheMatrixIsRefused) {
  for (auto [row, point] : {std::pair{0, 1}, {14, 1}, {1, 0}, {1, 15}}) {
    try {
      chart_.SetOrb(row, point, 3);
      ADD_FAILURE() << "row " << row << " point " << point;
    } catch (const EHoroscopeException& e) {
      EXPECT_STREQ(e.what(), "Incorrect Aspect Index.");
    }
  }
  EXPECT_EQ(changes_, 0);
}

TEST_F(ChartRecordTest, AspectModeBitZeroOffEmptiesTheOwnListUntilTheNextBirthDataChange) {
  SetAllOrbs(chart_, 5);
  const int own = chart_.AspectCount();
  ASSERT_GT(own, 0);
  chart_.SetAspectMode(3);
  EXPECT_EQ(chart_.AspectCount(), own);  // switched on: recomputed
  chart_.SetAspectMode(2);
  EXPECT_EQ(chart_.AspectCount(), 0);
  chart_.SetAspectMode(6);  // bit 0 stays off
  EXPECT_EQ(chart_.AspectCount(), 0);
  chart_.SetLatitude(1);
  EXPECT_GT(chart_.AspectCount(), 0);
}

// ---- transit house stories -------------------------------------------------

TEST(TxHouseStory, BlocksSixAndSevenAreEmpty) {
  const THoroscope chart;
  for (int n : {6, 7}) {
    std::array<std::uint8_t, kTxHouseStoryBytes> block;
    block.fill(0xAB);
    chart.GetTxHouseStory(n, block);
    for (std::uint8_t byte : block) ASSERT_EQ(byte, 0) << "block " << n;
  }
}

TEST(TxHouseStory, OtherBlockNumbersAreRefused) {
  const THoroscope chart;
  for (int n : {-1, 0, 5, 8, 100}) {
    std::array<std::uint8_t, kTxHouseStoryBytes> block;
    block.fill(0xAB);
    try {
      chart.GetTxHouseStory(n, block);
      ADD_FAILURE() << "block " << n;
    } catch (const EHoroscopeException& e) {
      EXPECT_STREQ(e.what(), "Invalid index in GetTxHouseStory!");
    }
    EXPECT_EQ(block[0], 0xAB);
  }
}

}  // namespace
}  // namespace vyn
