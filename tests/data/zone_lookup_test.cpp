// Zone offset, summer-time advance and first Gregorian date of a place.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "data/data_collection.h"
#include "data/zone_lookup.h"
#include "tests/data/temp_database.h"

namespace vyn {
namespace {

using testing::AddRow;

class ZoneLookupTest : public testing::TempDatabaseTest {
 protected:
  void SetUp() override {
    TempDatabaseTest::SetUp();
    collection_.SetLanguage("UK");
    collection_.CreateSchema();
    collection_.SetActive(true);
    // Neighbouring zones and rules on both sides, so a step back that leaves
    // the zone lands on another zone's row rather than before the first.
    AddZone("Z0", "Zone zero", 0, {{18000101, 500}});
    AddZone("Z1", "Zone one", 17520914, {{19000101, -100}, {19400515, -200}});
    AddZone("Z2", "Zone two", 0, {{19000101, 300}});
    AddRule("S0", "Rule zero", {{19700101, 0, 200}});
    AddRule("S1", "Rule one", {{19800330, 200, 100}, {19800928, 300, 0}});
    AddRule("S2", "Rule two", {{19500101, 0, 100}});
    // Two changes on one day: summer time begins at 01:00 and a bridging
    // correction follows at 23:00.
    AddRule("S3", "Rule three", {{19420101, 100, 100}, {19420101, 2300, 200}});
    AddRow(Table(TTableRole::trStates), {{"StateID", "DK01"}, {"StateName", "Denmark"}});
    AddRow(Table(TTableRole::trPlaces),
           {{"StateID", "DK01"}, {"PlaceName", "Aarhus"}, {"Latitude", 5609},
            {"Longitude", -1012}, {"ZoneRef", "Z1"}});
    AddRow(Table(TTableRole::trPlaces),
           {{"StateID", "DK01"}, {"PlaceName", "Nowhere"}, {"Latitude", 5609},
            {"Longitude", -1012}, {"ZoneRef", "Z9"}});
  }

  TVynTable& Table(TTableRole role) { return collection_.Table(role); }

  void AddZone(const char* id, const char* name, int greg_date,
               const std::vector<std::pair<int, int>>& history) {
    AddRow(Table(TTableRole::trZoneIds),
           {{"ZoneID", id}, {"ZoneName", name}, {"GregDate", greg_date}});
    for (const auto& [start, delta] : history)
      AddRow(Table(TTableRole::trZones),
             {{"ZoneID", id}, {"StartDate", start}, {"TimeDelta", delta}});
  }

  void AddRule(const char* id, const char* name,
               const std::vector<std::tuple<int, int, int>>& history) {
    AddRow(Table(TTableRole::trSummerIds), {{"SummerID", id}, {"SummerName", name}});
    for (const auto& [date, time, diff] : history)
      AddRow(Table(TTableRole::trSummers),
             {{"SummerID", id}, {"FromDate", date}, {"FromTime", time}, {"TimeDiff", diff}});
  }

  TDataCollection collection_{database_, "UK"};
};

TEST_F(ZoneLookupTest, ZoneOffsetIsTheLastChangeOnOrBeforeTheDate) {
  struct Case {
    const char* zone;
    std::int64_t date;
    long double offset;
  };
  const std::vector<Case> cases = {
      {"Zone one", 19400515, -2.00L},  // on the day of a change
      {"Zone one", 19400514, -1.00L},  // the day before it
      {"Zone one", 18991231, 0.0L},    // before the zone's first row
      {"Zone one", 20240101, -2.00L},  // after its last row, another zone follows
      {"Zone two", 20240101, 3.00L},   // after the table's last row
      {"Zone zero", 17000101, 0.0L},   // before the table's first row
      {"Zone zero", 19000101, 5.00L},
      {"", 19400515, 0.0L},
      {"No such zone", 19400515, 0.0L},
  };
  for (const auto& c : cases)
    EXPECT_EQ(collection_.ZoneOffset(c.zone, c.date), c.offset) << c.zone << " " << c.date;
}

TEST_F(ZoneLookupTest, SummerOffsetAppliesFromTheClockTimeOfTheChange) {
  struct Case {
    const char* rule;
    std::int64_t date;
    std::int64_t time;
    long double offset;
  };
  const std::vector<Case> cases = {
      {"Rule one", 19800330, 15959, 0.0L},   // just before: the previous rule's row
      {"Rule one", 19800330, 20000, 1.00L},  // from 02:00:00 on
      {"Rule one", 19800601, 120000, 1.00L},
      {"Rule one", 19800928, 25900, 1.00L},
      {"Rule one", 19800928, 30000, 0.0L},   // summer time ends
      {"Rule one", 19790101, 0, 0.0L},
      {"Rule two", 19900101, 0, 1.00L},      // after the table's last row
      {"Rule zero", 19691231, 235959, 0.0L}, // before the table's first row
      {"Rule three", 19420101, 5959, 0.0L},   // before both changes of the day
      {"Rule three", 19420101, 120000, 1.00L}, // after the first
      {"Rule three", 19420101, 233000, 2.00L}, // after the second as well
      {"Rule three", 19420102, 0, 2.00L},
      {"", 19800601, 120000, 0.0L},
      {"No such rule", 19800601, 120000, 0.0L},
  };
  for (const auto& c : cases)
    EXPECT_EQ(collection_.SummerOffset(c.rule, c.date, c.time), c.offset)
        << c.rule << " " << c.date << " " << c.time;
}

TEST_F(ZoneLookupTest, GregorianStartComesFromThePlacesZone) {
  struct Case {
    const char* state;
    const char* place;
    long double birth;
    long double start;
  };
  const std::vector<Case> cases = {
      {"Denmark", "Aarhus", 1700.0101L, 17520914 / 10000.0L},
      {"Denmark", "Aarhus", 1930.0101L, 17520914 / 10000.0L},  // not yet "later"
      {"Denmark", "Aarhus", 1930.0102L, kDefaultGregorianStart},
      {"Denmark", "Nowhere", 1700.0101L, kDefaultGregorianStart},  // zone missing
      {"Denmark", "Odense", 1700.0101L, kDefaultGregorianStart},
      {"Sweden", "Aarhus", 1700.0101L, kDefaultGregorianStart},
      {"", "Aarhus", 1700.0101L, kDefaultGregorianStart},
      {"Denmark", "", 1700.0101L, kDefaultGregorianStart},
  };
  for (const auto& c : cases)
    EXPECT_EQ(collection_.GregorianStartOf(c.state, c.place, c.birth), c.start)
        << c.state << "/" << c.place << " " << static_cast<double>(c.birth);
  EXPECT_EQ(1752.0914L, 17520914 / 10000.0L);
}

TEST_F(ZoneLookupTest, LateBirthsAndEmptyNamesNeedNoTable) {
  collection_.SetActive(false);  // any look-up would now fail
  EXPECT_EQ(collection_.GregorianStartOf("Denmark", "Aarhus", 1980.0330L),
            kDefaultGregorianStart);
  EXPECT_EQ(collection_.ZoneOffset("", 19800330), 0.0L);
  EXPECT_EQ(collection_.SummerOffset("", 19800330, 0), 0.0L);
  EXPECT_THROW(collection_.ZoneOffset("Zone one", 19800330), ETableError);
}

}  // namespace
}  // namespace vyn
