// The look-ups leave every table as a window left it: cursor, index and
// edit buffer.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "data/birth_place.h"
#include "data/data_collection.h"
#include "tests/data/temp_database.h"

namespace vyn {
namespace {

using testing::AddRow;

class LookupIsolationTest : public testing::TempDatabaseTest {
 protected:
  void SetUp() override {
    TempDatabaseTest::SetUp();
    atlas_.SetLanguage("UK");
    atlas_.CreateSchema();
    atlas_.SetActive(true);
    for (const char* id : {"1001", "1002"}) {
      const std::string name = std::string("Zone ") + id;
      AddRow(Table(TTableRole::trZoneIds),
             {{"ZoneID", id}, {"ZoneName", name}, {"GregDate", 17520914}});
      AddRow(Table(TTableRole::trZones),
             {{"ZoneID", id}, {"StartDate", 18500101}, {"TimeDelta", -100}});
      AddRow(Table(TTableRole::trSummerIds), {{"SummerID", id}, {"SummerName", name}});
      AddRow(Table(TTableRole::trSummers), {{"SummerID", id}, {"FromDate", 19800330},
                                            {"FromTime", 200}, {"TimeDiff", 100}});
      AddRow(Table(TTableRole::trStates), {{"StateID", id}, {"StateName", "State " + name}});
      AddRow(Table(TTableRole::trPlaces),
             {{"StateID", id}, {"PlaceName", "Town"}, {"Latitude", 5000},
              {"Longitude", -1000}, {"ZoneRef", id}, {"SummerRef", id}});
    }
    AddRow(Table(TTableRole::trHelp), {{"HelpNo", 11000}, {"HelpText", "tokens"}});
    AddRow(Table(TTableRole::trHelp), {{"HelpNo", 11001}, {"HelpText", "more"}});
  }

  TVynTable& Table(TTableRole role) { return atlas_.Table(role); }

  // Every look-up the collection offers.
  void RunEveryLookUp() {
    EXPECT_EQ(atlas_.ZoneOffset("Zone 1001", 19000101), -1.00L);
    EXPECT_EQ(atlas_.SummerOffset("Zone 1001", 19800601, 120000), 1.00L);
    EXPECT_EQ(atlas_.GregorianStartOf("State Zone 1001", "Town", 1700.0101L), 1752.0914L);
    EXPECT_EQ(ResolveBirthPlace(atlas_, "State Zone 1001", "Town", 19800601, 120000).zoneTime,
              -1.00L);
    EXPECT_EQ(atlas_.HelpText(11000), "tokens");
  }

  TDataCollection atlas_{database_, "UK"};
};

const std::vector<TTableRole> kLookedUp = {
    TTableRole::trZoneIds, TTableRole::trZones, TTableRole::trSummerIds,
    TTableRole::trSummers, TTableRole::trStates, TTableRole::trPlaces, TTableRole::trHelp};

TEST_F(LookupIsolationTest, CursorsAndIndexesStayWhereTheyWere) {
  // Each table on its last row under an index of its own choosing.
  for (TTableRole role : kLookedUp) {
    TVynTable& table = Table(role);
    if (!table.Layout().Indexes.empty()) table.SetIndexName(table.Layout().Indexes[0].Name);
    table.Last();
  }
  std::vector<std::pair<std::string, std::string>> before;
  for (TTableRole role : kLookedUp) {
    TVynTable& table = Table(role);
    before.emplace_back(table.IndexName(), table.Field(0).AsString() + "|" +
                                               table.Field(1).AsString());
  }
  RunEveryLookUp();
  for (std::size_t i = 0; i < kLookedUp.size(); ++i) {
    TVynTable& table = Table(kLookedUp[i]);
    EXPECT_EQ(table.IndexName(), before[i].first) << table.TableName();
    EXPECT_EQ(table.Field(0).AsString() + "|" + table.Field(1).AsString(), before[i].second)
        << table.TableName();
    EXPECT_FALSE(table.Eof()) << table.TableName();
  }
}

TEST_F(LookupIsolationTest, RowsBeingEditedAreNeitherPostedNorDropped) {
  TVynTable& places = Table(TTableRole::trPlaces);
  places.First();
  places.Edit();
  places.FieldByName("Latitude").SetValue(TVynValue(4000));
  TVynTable& help = Table(TTableRole::trHelp);
  help.Insert();
  help.FieldByName("HelpNo").SetValue(TVynValue(5));
  RunEveryLookUp();
  EXPECT_EQ(places.State(), TTableState::tsEdit);
  EXPECT_EQ(places.FieldByName("Latitude").AsInteger(), 4000);
  EXPECT_EQ(help.State(), TTableState::tsInsert);
  EXPECT_EQ(help.FieldByName("HelpNo").AsInteger(), 5);
  // The database still holds the old latitude: nothing was posted.
  EXPECT_EQ(ResolveBirthPlace(atlas_, "State Zone 1001", "Town", 19800601, 120000).latitude,
            5000);
  places.Cancel();
  help.Cancel();
}

}  // namespace
}  // namespace vyn
