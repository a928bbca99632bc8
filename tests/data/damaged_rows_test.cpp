// Damaged atlas rows and arguments that are not dates or times are refused
// with an error naming the table, the row and the field.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "data/birth_place.h"
#include "data/data_collection.h"
#include "data/sqlite_connection.h"
#include "tests/data/temp_database.h"

namespace vyn {
namespace {

using testing::AddRow;

class DamagedRowsTest : public testing::TempDatabaseTest {
 protected:
  void SetUp() override {
    TempDatabaseTest::SetUp();
    atlas_.SetLanguage("UK");
    atlas_.CreateSchema();
    atlas_.SetActive(true);
    AddRow(Table(TTableRole::trZoneIds), {{"ZoneID", "1001"}, {"ZoneName", "Zone"}});
    AddRow(Table(TTableRole::trZones),
           {{"ZoneID", "1001"}, {"StartDate", 18500101}, {"TimeDelta", -100}});
    AddRow(Table(TTableRole::trSummerIds), {{"SummerID", "1001"}, {"SummerName", "Zone"}});
    AddRow(Table(TTableRole::trSummers), {{"SummerID", "1001"}, {"FromDate", 19800330},
                                          {"FromTime", 200}, {"TimeDiff", 100}});
    AddRow(Table(TTableRole::trStates), {{"StateID", "1001"}, {"StateName", "Land"}});
    AddRow(Table(TTableRole::trPlaces),
           {{"StateID", "1001"}, {"PlaceName", "Town"}, {"Latitude", 5000},
            {"Longitude", -1000}, {"ZoneRef", "1001"}, {"SummerRef", "1001"}});
  }

  TVynTable& Table(TTableRole role) { return atlas_.Table(role); }

  // Damages the database behind the tables' back, as another program might.
  void Damage(const std::string& sql) { database_.Connection().Execute(sql); }

  TBirthPlace Resolve(std::int64_t date = 19800601, std::int64_t time = 120000) {
    return ResolveBirthPlace(atlas_, "Land", "Town", date, time);
  }

  TDataCollection atlas_{database_, "UK"};
};

TEST_F(DamagedRowsTest, DamagedRowsAreRefusedNamingTableRowAndField) {
  struct Case {
    const char* damage;
    const char* table;
    std::vector<const char*> named;  // parts of the message
  };
  const std::vector<Case> cases = {
      {"UPDATE PLACES SET Latitude = NULL", "PLACES", {"\"Town\"", "Latitude", "null"}},
      {"UPDATE PLACES SET Latitude = 9100", "PLACES", {"\"Town\"", "Latitude", "9100"}},
      {"UPDATE PLACES SET Longitude = -9223372036854775808", "PLACES",
       {"\"Town\"", "Longitude"}},
      {"UPDATE PLACES SET ZoneRef = '9999'", "PLACES", {"\"Town\"", "ZoneRef", "ZONEID"}},
      {"UPDATE PLACES SET SummerRef = '9999'", "PLACES", {"SummerRef", "SUMMERID"}},
      {"UPDATE ZONE SET TimeDelta = 999999", "ZONE", {"\"1001\"", "18500101", "TimeDelta"}},
      {"UPDATE ZONE SET TimeDelta = 1790", "ZONE", {"TimeDelta", "1790"}},
      {"UPDATE ZONE SET TimeDelta = 'x'", "ZONE", {"TimeDelta"}},
      {"UPDATE ZONE SET TimeDelta = -9223372036854775808", "ZONE", {"TimeDelta"}},
      {"UPDATE SUMMER SET TimeDiff = 9223372036854775807", "SUMMER",
       {"\"1001\"", "19800330", "TimeDiff"}},
      {"UPDATE SUMMER SET FromTime = -5", "SUMMER", {"FromTime"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.damage);
    Damage("SAVEPOINT damage");
    Damage(c.damage);
    try {
      Resolve();
      ADD_FAILURE() << "a damaged row gave a result";
    } catch (const ETableError& e) {
      EXPECT_EQ(e.TableName(), c.table);
      EXPECT_EQ(e.Kind(), TDataErrorKind::deCorrupt);
      for (const char* part : c.named)
        EXPECT_NE(std::string(e.what()).find(part), std::string::npos) << e.what();
    }
    Damage("ROLLBACK TO damage");
    Damage("RELEASE damage");
    EXPECT_EQ(Resolve().zoneTime, -1.00L);
  }
}

TEST_F(DamagedRowsTest, ArgumentsThatAreNoDatesOrTimesAreRefusedBeforeUse) {
  struct Case {
    std::int64_t date, time;
    const char* named;
  };
  const std::vector<Case> cases = {
      {19800601, 999999, "999999"}, {19800601, -1, "-1"},   {19800601, 126000, "126000"},
      {-19800601, 0, "-19800601"},  {19801301, 0, "19801301"}, {0, 0, "date 0"},
      {LLONG_MAX, 0, "date"},       {19800601, LLONG_MIN, "time"},
  };
  for (const Case& c : cases) {
    for (const auto& run : std::vector<std::function<void()>>{
             [&] { Resolve(c.date, c.time); },
             [&] { atlas_.SummerOffset("Zone", c.date, c.time); }}) {
      try {
        run();
        ADD_FAILURE() << c.date << " " << c.time << " accepted";
      } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Kind(), TDataErrorKind::deBadValue);
        EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
      }
    }
  }
  EXPECT_THROW(atlas_.ZoneOffset("Zone", -5), EDatabaseError);
}

TEST(MeanTimeTest, LongitudesBeyondTheGlobeAreRefused) {
  for (long longitude : {LONG_MIN, LONG_MAX, 18001L, -18060L, 1060L})
    EXPECT_THROW(MeanTimeMinutes(longitude), EDatabaseError) << longitude;
}

TEST(OneLineTest, MessagesKeepToOneLine) {
  EXPECT_EQ(OneLine("near \"x\":\nsyntax\r\n\terror"), "near \"x\": syntax error");
  EXPECT_EQ(std::string(ESqliteError(1, "a\nb").what()), "a b");
}

}  // namespace
}  // namespace vyn
