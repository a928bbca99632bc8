// The table collection: catalogue, schema, open and close, language switch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/data_collection.h"
#include "data/database_error.h"
#include "data/sqlite_statement.h"
#include "tests/data/temp_database.h"

namespace vyn {
namespace {

using testing::AddRow;

std::vector<std::string> TableNames(const TDataCollection& collection) {
  std::vector<std::string> names;
  for (const auto& table : collection.Tables()) names.push_back(table->TableName());
  return names;
}

class CollectionTest : public testing::TempDatabaseTest {
 protected:
  // Creates the schema for UK and DK and marks each language table's rows
  // with the country, then opens the collection in `language`.
  void Prepare(const std::string& language) {
    for (const char* code : {"UK", "DK"}) {
      collection_.SetLanguage(code);
      collection_.CreateSchema();
      collection_.SetActive(true);
      AddRow(Table(TTableRole::trInterpretation), {{"Code", "A"}, {"TextK", code}});
      AddRow(Table(TTableRole::trInterpretation), {{"Code", "B"}, {"TextK", code}});
      AddRow(Table(TTableRole::trOrbDefinitions),
             {{"OrbisName", code}, {"OrbisPlanetOrCusp", 1}});
      AddRow(Table(TTableRole::trHelp), {{"HelpNo", 11000}, {"HelpText", code}});
      collection_.SetActive(false);
    }
    collection_.SetLanguage(language);
    collection_.SetActive(true);
    AddRow(Table(TTableRole::trNames), {{"FirstName", "Ann"}, {"LastName", "Lee"}});
    AddRow(Table(TTableRole::trNames), {{"FirstName", "Bob"}, {"LastName", "Ray"}});
  }

  TVynTable& Table(TTableRole role) { return collection_.Table(role); }
  std::string Marker(TTableRole role, const char* field) {
    return Table(role).FieldByName(field).AsString();
  }

  TDataCollection collection_{database_, "UK"};
};

TEST_F(CollectionTest, CreatesTheTablesInCatalogueOrderWithTheirSearchKeys) {
  EXPECT_EQ(TableNames(collection_),
            (std::vector<std::string>{"NAME", "CurrNAME", "bkrlatUK", "Tips", "ORBIS",
                                      "GROUPS", "NAMEGRPS", "ZONEID", "ZONE", "SUMMERID",
                                      "SUMMER", "ORBISDEF", "PLACES", "STATES", "HELPUK",
                                      "KHLPUK"}));
  EXPECT_EQ(collection_.Language(), "");
  EXPECT_EQ(Table(TTableRole::trNames).IndexFieldNames(), "FirstName;LastName");
  EXPECT_EQ(Table(TTableRole::trStates).IndexName(), "SID");
  EXPECT_EQ(Table(TTableRole::trGroupMembers).IndexName(), "Group");
  EXPECT_EQ(Table(TTableRole::trZones).IndexFieldNames(), "ZoneID;StartDate");
  EXPECT_EQ(Table(TTableRole::trSummers).IndexFieldNames(), "SummerID;FromDate;FromTime");
  EXPECT_EQ(Table(TTableRole::trCurrentNames).IndexFieldNames(), "");

  // The primary keys the look-ups rely on.
  Table(TTableRole::trStates).SetIndexName("");
  EXPECT_EQ(Table(TTableRole::trStates).IndexFieldNames(), "StateName");
  Table(TTableRole::trPlaces).SetIndexName("");
  EXPECT_EQ(Table(TTableRole::trPlaces).IndexFieldNames(), "StateID;PlaceName");
  Table(TTableRole::trZoneIds).SetIndexName("Zone");
  EXPECT_EQ(Table(TTableRole::trZoneIds).IndexFieldNames(), "ZoneName");
  Table(TTableRole::trSummerIds).SetIndexName("Summer");
  EXPECT_EQ(Table(TTableRole::trSummerIds).IndexFieldNames(), "SummerName");
}

TEST_F(CollectionTest, SchemaHoldsEveryTableAndIndexOnce) {
  collection_.SetLanguage("UK");
  collection_.CreateSchema();
  collection_.CreateSchema();  // a second run changes nothing
  for (const auto& table : collection_.Tables())
    EXPECT_TRUE(table->Exists()) << table->TableName();

  TSqliteStatement indexes(database_.Connection(),
                           "SELECT name FROM sqlite_schema WHERE type = 'index' AND "
                           "tbl_name = ? ORDER BY name");
  indexes.Bind(1, TVynValue("STATES"));
  std::vector<std::string> names;
  while (indexes.Step()) names.push_back(indexes.Column(0).Bytes());
  // "JpSort" orders by the primary key's field and shares its index.
  EXPECT_EQ(names, (std::vector<std::string>{"ix_STATES_SID", "pk_STATES"}));
  collection_.SetActive(true);
  Table(TTableRole::trStates).SetIndexName("JpSort");
  EXPECT_EQ(Table(TTableRole::trStates).IndexFieldNames(), "StateName");
}

TEST_F(CollectionTest, LanguageSwitchRepointsOnlyTheLanguageTables) {
  Prepare("UK");
  TVynTable& names = Table(TTableRole::trNames);
  names.First();
  names.Next();
  ASSERT_EQ(names.FieldByName("FirstName").AsString(), "Bob");

  collection_.SetLanguage("DK");
  EXPECT_EQ(collection_.Language(), "DK");
  EXPECT_EQ(Table(TTableRole::trInterpretation).TableName(), "bkrlatDK");
  EXPECT_EQ(Table(TTableRole::trOrbDefinitions).TableName(), "ORBDEFDK");
  EXPECT_EQ(Table(TTableRole::trOrbSets).TableName(), "ORBISDK");
  EXPECT_EQ(Table(TTableRole::trTips).TableName(), "TipsDK");
  EXPECT_EQ(Table(TTableRole::trHelp).TableName(), "HELPDK");
  EXPECT_EQ(Table(TTableRole::trSecondHelp).TableName(), "KHLPDK");
  for (TTableRole role : {TTableRole::trInterpretation, TTableRole::trOrbDefinitions,
                          TTableRole::trHelp, TTableRole::trSecondHelp})
    EXPECT_TRUE(Table(role).Active());
  EXPECT_EQ(Marker(TTableRole::trInterpretation, "TextK"), "DK");
  EXPECT_EQ(Marker(TTableRole::trOrbDefinitions, "OrbisName"), "DK");
  EXPECT_EQ(Marker(TTableRole::trHelp, "HelpText"), "DK");

  // The people table was neither closed nor moved.
  EXPECT_EQ(names.TableName(), "NAME");
  EXPECT_EQ(names.FieldByName("FirstName").AsString(), "Bob");
}

TEST_F(CollectionTest, SameLanguageAgainReopensNothing) {
  Prepare("DK");
  TVynTable& texts = Table(TTableRole::trInterpretation);
  texts.Next();
  TVynTable& help = Table(TTableRole::trHelp);
  help.Edit();
  help.FieldByName("HelpText").SetAsString("pending");

  collection_.SetLanguage("DK");
  // A reopen would have gone back to the first row and dropped the edit.
  EXPECT_EQ(texts.FieldByName("Code").AsString(), "B");
  EXPECT_EQ(help.State(), TTableState::tsEdit);
  EXPECT_EQ(help.FieldByName("HelpText").AsString(), "pending");
}

TEST_F(CollectionTest, SwitchWhileClosedRenamesWithoutOpening) {
  Prepare("UK");
  collection_.SetActive(false);
  collection_.SetLanguage("DK");
  EXPECT_FALSE(Table(TTableRole::trInterpretation).Active());
  collection_.SetActive(true);
  EXPECT_EQ(Marker(TTableRole::trInterpretation, "TextK"), "DK");
}

TEST_F(CollectionTest, SwitchToALanguageWithoutTablesNamesTheMissingTable) {
  Prepare("UK");
  try {
    collection_.SetLanguage("FR");
    FAIL() << "missing tables accepted";
  } catch (const ETableError& e) {
    EXPECT_EQ(e.Kind(), TDataErrorKind::deMissingTable);
    EXPECT_EQ(e.TableName(), "bkrlatFR");
    EXPECT_NE(std::string(e.what()).find("HELPFR"), std::string::npos) << e.what();
  }
  // Nothing switched: the six tables stay open under the old code.
  EXPECT_EQ(collection_.Language(), "UK");
  for (TTableRole role : {TTableRole::trInterpretation, TTableRole::trTips,
                          TTableRole::trOrbSets, TTableRole::trOrbDefinitions,
                          TTableRole::trHelp, TTableRole::trSecondHelp}) {
    EXPECT_TRUE(Table(role).Active());
    EXPECT_EQ(Table(role).TableName().substr(Table(role).TableName().size() - 2), "UK");
  }
}

TEST_F(CollectionTest, BadLanguageCodeChangesNothing) {
  Prepare("UK");
  EXPECT_THROW(collection_.SetLanguage("D K"), EDatabaseError);
  EXPECT_EQ(collection_.Language(), "UK");
  EXPECT_EQ(Table(TTableRole::trInterpretation).TableName(), "bkrlatUK");
  EXPECT_TRUE(Table(TTableRole::trInterpretation).Active());
}

}  // namespace
}  // namespace vyn
