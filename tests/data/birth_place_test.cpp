// A birth place resolved at a local date and time: local mean time of the
// place's own longitude, clock-change warnings, missing states and places.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "data/birth_place.h"
#include "data/data_collection.h"
#include "data/sqlite_connection.h"
#include "data/table_loader.h"
#include "tests/data/temp_database.h"

namespace vyn {
namespace {

using testing::AddRow;

class BirthPlaceTest : public testing::TempDatabaseTest {
 protected:
  void SetUp() override {
    TempDatabaseTest::SetUp();
    atlas_.SetLanguage("UK");
    atlas_.CreateSchema();
    atlas_.SetActive(true);
    // Mean time of the reference city (-0:53) until 1893, then UTC+1 with
    // summer time in 1980 (forward at 02:00, back at 03:00). On the day of
    // the change to standard time the hours from 12:00 are bridged by a
    // summer row relative to the reference city's mean time.
    AddRow(Table(TTableRole::trZoneIds),
           {{"ZoneID", "1001"}, {"ZoneName", "Europe/Testing"}, {"GregDate", 17000301}});
    for (const auto& [start, delta, lmt] :
         std::vector<std::tuple<int, int, bool>>{{18500101, -53, true},
                                                 {18930402, -100, false}})
      AddRow(Table(TTableRole::trZones), {{"ZoneID", "1001"}, {"StartDate", start},
                                          {"TimeDelta", delta}, {"LMT", lmt ? 1 : 0}});
    AddRow(Table(TTableRole::trSummerIds),
           {{"SummerID", "1001"}, {"SummerName", "Europe/Testing"}});
    for (const auto& [date, time, diff] :
         std::vector<std::tuple<int, int, int>>{{18930401, 1200, 7},
                                                {18930402, 0, 0},
                                                {19800330, 200, 100},
                                                {19800928, 300, 0}})
      AddRow(Table(TTableRole::trSummers), {{"SummerID", "1001"}, {"FromDate", date},
                                            {"FromTime", time}, {"TimeDiff", diff}});
    AddRow(Table(TTableRole::trStates), {{"StateID", "1001"}, {"StateName", "Testland"}});
    // 18 degrees 4 minutes east: 72.27 minutes of time ahead of Greenwich.
    AddRow(Table(TTableRole::trPlaces),
           {{"StateID", "1001"}, {"PlaceName", "Eastville"}, {"Latitude", 5920},
            {"Longitude", -1804}, {"ZoneRef", "1001"}, {"SummerRef", "1001"}});
  }

  TVynTable& Table(TTableRole role) { return atlas_.Table(role); }
  TBirthPlace Resolve(std::int64_t date, std::int64_t time) {
    return ResolveBirthPlace(atlas_, "Testland", "Eastville", date, time);
  }

  TDataCollection atlas_{database_, "UK"};
};

TEST(MeanTimeOffsetTest, FourMinutesOfTimePerDegree) {
  struct Case {
    long longitude;
    long double offset;
  };
  for (const Case& c : {Case{0, 0.0L}, Case{1500, 1.00L}, Case{-1804, -1.12L},
                        Case{-1807, -1.12L}, Case{-1808, -1.13L}, Case{7400, 4.56L},
                        Case{18000, 12.00L}, Case{-18000, -12.00L}})
    EXPECT_EQ(MeanTimeOffset(c.longitude), c.offset) << c.longitude;
}

TEST_F(BirthPlaceTest, BeforeStandardTimeThePlaceKeepsItsOwnMeanTime) {
  const TBirthPlace p = Resolve(18700101, 120000);
  EXPECT_TRUE(p.localMeanTime);
  EXPECT_EQ(p.zoneTime, -1.12L);  // not the reference city's -0.53
  EXPECT_EQ(p.summerTime, 0.0L);
  EXPECT_EQ(p.latitude, 5920);
  EXPECT_EQ(p.longitude, -1804);
  EXPECT_EQ(p.zoneName, "Europe/Testing");
  EXPECT_EQ(p.gregorianStart, 1700.0301L);
  // Before the history begins (1850) the place kept its mean time as well.
  const TBirthPlace earlier = Resolve(17240422, 120000);
  EXPECT_TRUE(earlier.localMeanTime);
  EXPECT_EQ(earlier.zoneTime, -1.12L);
  EXPECT_TRUE(earlier.clockChanges.empty());
}

TEST_F(BirthPlaceTest, BridgedHoursOfTheChangeDayAreStandardTime) {
  const TBirthPlace morning = Resolve(18930401, 110000);
  EXPECT_TRUE(morning.localMeanTime);
  EXPECT_EQ(morning.zoneTime, -1.12L);
  // From 12:00 the summer row bridges the reference city's mean time to
  // standard time: -0.53 - 0.07 is UTC+1, whatever the place's longitude.
  const TBirthPlace afternoon = Resolve(18930401, 130000);
  EXPECT_FALSE(afternoon.localMeanTime);
  EXPECT_EQ(afternoon.zoneTime, -0.53L);
  EXPECT_EQ(afternoon.summerTime, 0.07L);
}

TEST_F(BirthPlaceTest, StandardAndSummerTime) {
  const TBirthPlace winter = Resolve(19800101, 120000);
  EXPECT_FALSE(winter.localMeanTime);
  EXPECT_EQ(winter.zoneTime, -1.00L);
  EXPECT_EQ(winter.summerTime, 0.0L);
  EXPECT_TRUE(winter.clockChanges.empty());
  EXPECT_EQ(Resolve(19800601, 120000).summerTime, 1.00L);
  // The region's own first Gregorian day, whatever the birth date.
  EXPECT_EQ(Resolve(19800601, 120000).gregorianStart, 1700.0301L);
}

TEST_F(BirthPlaceTest, AStateWithAReformOfItsOwnKeepsItsDate) {
  // The shipped database adds "GregDate" to the catalogue's fields of STATES.
  database_.Connection().Execute("ALTER TABLE STATES ADD COLUMN GregDate INTEGER");
  AddRow(Table(TTableRole::trStates), {{"StateID", "1002"}, {"StateName", "Testland - South"}});
  database_.Connection().Execute(
      "UPDATE STATES SET GregDate = 15831016 WHERE StateName = 'Testland - South'");
  AddRow(Table(TTableRole::trPlaces),
         {{"StateID", "1002"}, {"PlaceName", "Southville"}, {"Latitude", 4808},
          {"Longitude", -1135}, {"ZoneRef", "1001"}, {"SummerRef", "1001"}});
  EXPECT_EQ(ResolveBirthPlace(atlas_, "Testland - South", "Southville", 16500101, 120000)
                .gregorianStart,
            1583.1016L);
  EXPECT_EQ(atlas_.GregorianStartOf("Testland - South", "Southville", 1650.0101L), 1583.1016L);
  // A state without a date of its own takes its zone's.
  EXPECT_EQ(Resolve(16500101, 120000).gregorianStart, 1700.0301L);
}

TEST_F(BirthPlaceTest, SkippedAndRepeatedLocalTimesAreReported) {
  using K = TClockChangeKind;
  using R = TClockReading;
  struct Case {
    std::int64_t date, time;
    bool change;  // whether a change is reported
    K kind;
    int changeMinute, setToMinute;
    R reading;
    long double summer;  // the reading taken
  };
  const std::vector<Case> cases = {
      {19800330, 15900, false, K::ckSkipped, 0, 0, R::crAfterChange, 0.0L},
      {19800330, 23000, true, K::ckSkipped, 120, 180, R::crAfterChange, 1.00L},
      {19800330, 30000, false, K::ckSkipped, 0, 0, R::crAfterChange, 1.00L},
      {19800928, 15900, false, K::ckSkipped, 0, 0, R::crAfterChange, 1.00L},
      {19800928, 23000, true, K::ckRepeated, 180, 120, R::crBeforeChange, 1.00L},
      {19800928, 30000, false, K::ckSkipped, 0, 0, R::crAfterChange, 0.0L},
  };
  for (const Case& c : cases) {
    const TBirthPlace p = Resolve(c.date, c.time);
    EXPECT_EQ(p.summerTime, c.summer) << c.date << " " << c.time;
    ASSERT_EQ(p.clockChanges.size(), c.change ? 1u : 0u) << c.date << " " << c.time;
    if (!c.change) continue;
    const TClockChange& change = p.clockChanges[0];
    EXPECT_EQ(change.kind, c.kind);
    EXPECT_EQ(change.placeName, "Eastville");
    EXPECT_EQ(change.date, c.date);
    EXPECT_EQ(change.birthMinute, 150);
    EXPECT_EQ(change.changeMinute, c.changeMinute);
    EXPECT_EQ(change.setToMinute, c.setToMinute);
    EXPECT_EQ(change.reading, c.reading);
  }
}

TEST_F(BirthPlaceTest, MissingStateOrPlaceIsNamed) {
  try {
    ResolveBirthPlace(atlas_, "Nowhere", "Eastville", 19800101, 0);
    FAIL();
  } catch (const EAtlasError& e) {
    EXPECT_EQ(e.Missing(), TAtlasMissing::amState);
    EXPECT_NE(std::string(e.what()).find("\"Nowhere\""), std::string::npos);
  }
  // A place name that reads like a missing state is still a missing place.
  try {
    ResolveBirthPlace(atlas_, "Testland", "no state", 19800101, 0);
    FAIL();
  } catch (const EAtlasError& e) {
    EXPECT_EQ(e.Missing(), TAtlasMissing::amPlace);
    EXPECT_NE(std::string(e.what()).find("\"no state\" in \"Testland\""),
              std::string::npos);
  }
}

TEST_F(BirthPlaceTest, LoaderAppendsInOneTransactionAndNamesBadRows) {
  TTableLoader loader(database_, "PLACES", CatalogueEntry(TTableRole::trPlaces).Layout);
  loader.Append({"1001", "Northville", 6000, -1800, "1001", "1001"});
  EXPECT_EQ(loader.Count(), 1);
  try {
    loader.Append({"1001", "Northville", 6000, -1800, "1001", "1001"});
    FAIL() << "a duplicate key was accepted";
  } catch (const ETableError& e) {
    EXPECT_EQ(e.TableName(), "PLACES");
    EXPECT_NE(std::string(e.what()).find("Northville"), std::string::npos);
  }
  EXPECT_THROW(loader.Append({"1001"}), ETableError);
}

}  // namespace
}  // namespace vyn

namespace vyn {
namespace {

// Places on the far side of the date line, and a zone that leaves mean time
// in the middle of a day, with the place's own mean time differing from the
// zone's.
class DateLineTest : public testing::TempDatabaseTest {
 protected:
  void SetUp() override {
    TempDatabaseTest::SetUp();
    atlas_.SetLanguage("UK");
    atlas_.CreateSchema();
    atlas_.SetActive(true);
    AddZone("1570", "Pacific/Tongatapu", {{18500101, -1219, true}, {19450910, -1220, false}},
            {});
    // Mean time -1:07 until noon on 1893-04-01, then UTC+1: the day's row is
    // standard time and a summer row bridges the morning back to mean time.
    AddZone("1001", "Europe/Bridge", {{18500101, -107, true}, {18930401, -100, false}},
            {{18930401, 0, 7}, {18930401, 1200, 0}});
    AddRow(atlas_.Table(TTableRole::trStates), {{"StateID", "1567"}, {"StateName", "Tonga"}});
    AddRow(atlas_.Table(TTableRole::trStates), {{"StateID", "1001"}, {"StateName", "Testland"}});
    // Nuku'alofa, 175 degrees 12 minutes west: a mean time of UTC-11:41 by
    // longitude, UTC+12:19 on the Asian date the islands kept.
    AddRow(atlas_.Table(TTableRole::trPlaces),
           {{"StateID", "1567"}, {"PlaceName", "Nuku'alofa"}, {"Latitude", -2108},
            {"Longitude", 17512}, {"ZoneRef", "1570"}, {"SummerRef", "1570"}});
    AddRow(atlas_.Table(TTableRole::trPlaces),
           {{"StateID", "1001"}, {"PlaceName", "Eastville"}, {"Latitude", 5920},
            {"Longitude", -1804}, {"ZoneRef", "1001"}, {"SummerRef", "1001"}});
    AddRow(atlas_.Table(TTableRole::trPlaces),
           {{"StateID", "1001"}, {"PlaceName", "Westville"}, {"Latitude", 5920},
            {"Longitude", -1400}, {"ZoneRef", "1001"}, {"SummerRef", "1001"}});
  }

  void AddZone(const char* id, const char* name,
               const std::vector<std::tuple<int, int, bool>>& zone,
               const std::vector<std::tuple<int, int, int>>& summer) {
    AddRow(atlas_.Table(TTableRole::trZoneIds),
           {{"ZoneID", id}, {"ZoneName", name}, {"GregDate", 17520914}});
    AddRow(atlas_.Table(TTableRole::trSummerIds), {{"SummerID", id}, {"SummerName", name}});
    for (const auto& [start, delta, lmt] : zone)
      AddRow(atlas_.Table(TTableRole::trZones), {{"ZoneID", id}, {"StartDate", start},
                                                 {"TimeDelta", delta}, {"LMT", lmt ? 1 : 0}});
    for (const auto& [date, time, diff] : summer)
      AddRow(atlas_.Table(TTableRole::trSummers), {{"SummerID", id}, {"FromDate", date},
                                                   {"FromTime", time}, {"TimeDiff", diff}});
  }

  TDataCollection atlas_{database_, "UK"};
};

TEST_F(DateLineTest, MeanTimeIsTakenOnTheZonesSideOfTheDateLine) {
  const TBirthPlace p = ResolveBirthPlace(atlas_, "Tonga", "Nuku'alofa", 19351223, 120000);
  EXPECT_TRUE(p.localMeanTime);
  EXPECT_EQ(p.zoneTime, -12.19L);  // UTC+12:19, not UTC-11:41
  EXPECT_EQ(p.summerTime, 0.0L);
  EXPECT_TRUE(p.clockChanges.empty());
}

TEST_F(DateLineTest, MeanTimeEndsWhenTheZoneEndsIt) {
  struct Case {
    std::int64_t date, time;
    bool meanTime;
    long double zone, summer;
  };
  const std::vector<Case> cases = {
      {18930331, 230000, true, -1.12L, 0.0L},
      {18930401, 10000, true, -1.12L, 0.0L},  // bridged: still the place's mean time
      {18930401, 110000, true, -1.12L, 0.0L},
      {18930401, 130000, false, -1.00L, 0.0L},
  };
  for (const Case& c : cases) {
    const TBirthPlace p = ResolveBirthPlace(atlas_, "Testland", "Eastville", c.date, c.time);
    EXPECT_EQ(p.localMeanTime, c.meanTime) << c.date << " " << c.time;
    EXPECT_EQ(p.zoneTime, c.zone) << c.date << " " << c.time;
    EXPECT_EQ(p.summerTime, c.summer) << c.date << " " << c.time;
  }
}

TEST_F(DateLineTest, APlaceLeavesMeanTimeAtTheZonesInstant) {
  // The zone leaves its mean time (UTC+1:07) at noon on its clock, 10:53 UT.
  // Eastville (UTC+1:12 by its longitude) shows 12:05 then and goes back to
  // 11:53; Westville, at 14 degrees east (UTC+0:56), shows 11:49 and goes
  // forward to 11:53.
  using K = TClockChangeKind;
  struct Case {
    const char* place;
    std::int64_t time;
    bool change;
    K kind;
    int changeMinute, setToMinute;
    bool meanTime;
  };
  const std::vector<Case> cases = {
      {"Eastville", 1000, false, K::ckSkipped, 0, 0, true},
      {"Eastville", 115000, false, K::ckSkipped, 0, 0, true},
      {"Eastville", 115500, true, K::ckRepeated, 12 * 60 + 5, 11 * 60 + 53, true},
      {"Eastville", 120600, false, K::ckSkipped, 0, 0, false},
      {"Westville", 114800, false, K::ckSkipped, 0, 0, true},
      {"Westville", 115000, true, K::ckSkipped, 11 * 60 + 49, 11 * 60 + 53, false},
      {"Westville", 120000, false, K::ckSkipped, 0, 0, false},
  };
  for (const Case& c : cases) {
    const TBirthPlace p = ResolveBirthPlace(atlas_, "Testland", c.place, 18930401, c.time);
    EXPECT_EQ(p.localMeanTime, c.meanTime) << c.place << " " << c.time;
    ASSERT_EQ(p.clockChanges.size(), c.change ? 1u : 0u) << c.place << " " << c.time;
    if (!c.change) continue;
    EXPECT_EQ(p.clockChanges[0].kind, c.kind) << c.place << " " << c.time;
    EXPECT_EQ(p.clockChanges[0].changeMinute, c.changeMinute) << c.place << " " << c.time;
    EXPECT_EQ(p.clockChanges[0].setToMinute, c.setToMinute) << c.place << " " << c.time;
  }
}

}  // namespace
}  // namespace vyn
