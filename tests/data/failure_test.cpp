// Errors of the store: missing, locked and damaged databases, missing tables.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "data/database_error.h"
#include "data/sqlite_connection.h"
#include "data/vyn_table.h"
#include "tests/data/temp_database.h"

namespace vyn {
namespace {

using testing::AddRow;

TTableLayout PlacesLayout() {
  return {{{"StateID", TFieldKind::fkText, 4}, {"PlaceName", TFieldKind::fkText, 40}},
          {"StateID", "PlaceName"},
          {}};
}

bool Mentions(const std::exception& e, const std::string& text) {
  return std::string(e.what()).find(text) != std::string::npos;
}

template <class E, class F>
E Caught(F work) {
  try {
    work();
  } catch (const E& e) {
    return e;
  }
  ADD_FAILURE() << "no error";
  return E(TDataErrorKind::deEngine, "", "");
}

template <class F>
EDatabaseError CaughtDatabaseError(F work) {
  try {
    work();
  } catch (const ETableError&) {
    ADD_FAILURE() << "a table error where the database is at fault";
  } catch (const EDatabaseError& e) {
    return e;
  }
  ADD_FAILURE() << "no error";
  return EDatabaseError(TDataErrorKind::deEngine, "");
}

class FailureTest : public testing::TempDatabaseTest {
 protected:
  void SetUp() override {
    TempDatabaseTest::SetUp();
    places_.CreateTable();
    places_.Open();
    // Enough rows to fill pages beyond the first one.
    for (int i = 0; i < 300; ++i)
      AddRow(places_, {{"StateID", "DK01"}, {"PlaceName", "Place " + std::to_string(i)}});
  }

  // A second connection to the same file, as another program would hold it.
  TSqliteConnection OtherProgram() { return TSqliteConnection(database_.FilePath(), false); }

  TVynTable places_{database_, "PLACES", PlacesLayout()};
};

TEST_F(FailureTest, MissingDatabaseFileIsNamed) {
  TVynDatabase missing;
  missing.SetDirectory(directory_.Path() + "/Nowhere/");
  const auto error = CaughtDatabaseError([&] { missing.Connect(); });
  EXPECT_EQ(error.Kind(), TDataErrorKind::deMissingDatabase);
  EXPECT_TRUE(Mentions(error, "VYN32")) << error.what();
  EXPECT_TRUE(Mentions(error, missing.FilePath())) << error.what();
  EXPECT_FALSE(std::filesystem::exists(missing.FilePath()));

  TVynTable table(missing, "PLACES", PlacesLayout());
  const auto table_error = Caught<ETableError>([&] { table.Open(); });
  EXPECT_EQ(table_error.Kind(), TDataErrorKind::deNotConnected);
  EXPECT_TRUE(Mentions(table_error, "Table \"PLACES\"")) << table_error.what();
  EXPECT_FALSE(table.Active());
}

TEST_F(FailureTest, MissingTableOrFieldIsNamed) {
  TVynTable absent(database_, "STATES", PlacesLayout());
  const auto error = Caught<ETableError>([&] { absent.Open(); });
  EXPECT_EQ(error.Kind(), TDataErrorKind::deMissingTable);
  EXPECT_TRUE(Mentions(error, "Table \"STATES\"")) << error.what();

  TTableLayout wider = PlacesLayout();
  wider.Fields.push_back({"ZoneRef", TFieldKind::fkText, 10});
  TVynTable older(database_, "PLACES", wider);
  const auto field_error = Caught<ETableError>([&] { older.Open(); });
  EXPECT_EQ(field_error.Kind(), TDataErrorKind::deMissingField);
  EXPECT_TRUE(Mentions(field_error, "ZoneRef")) << field_error.what();
  EXPECT_FALSE(older.Active());
}

TEST_F(FailureTest, GarbageFileIsNotADatabase) {
  database_.Disconnect();
  EXPECT_FALSE(places_.Active());
  Overwrite(0, std::string(8192, '\x5a'));
  const auto error = CaughtDatabaseError([&] { database_.Connect(); });
  EXPECT_EQ(error.Kind(), TDataErrorKind::deCorrupt);
  EXPECT_TRUE(Mentions(error, "VYN32")) << error.what();
  EXPECT_FALSE(database_.Connected());
}

TEST_F(FailureTest, DamagedTablePagesGiveATableError) {
  database_.Disconnect();
  const auto size = std::filesystem::file_size(database_.FilePath());
  const std::size_t page = 4096;
  ASSERT_GT(size, 2 * page);
  Overwrite(page, std::string(size - page, '\xa5'));  // all but the schema page
  database_.Connect();
  const auto error = Caught<ETableError>([&] {
    places_.Open();
    places_.Last();
  });
  EXPECT_EQ(error.Kind(), TDataErrorKind::deCorrupt) << error.what();
  EXPECT_TRUE(Mentions(error, "Table \"PLACES\"")) << error.what();
}

TEST_F(FailureTest, LockedDatabaseIsNamedAndLeavesTheTableAsItWas) {
  TSqliteConnection other = OtherProgram();
  other.Execute("BEGIN IMMEDIATE");  // another program is writing
  places_.Insert();
  places_.FieldByName("StateID").SetAsString("SE01");
  places_.FieldByName("PlaceName").SetAsString("Lund");
  const auto error = Caught<ETableError>([&] { places_.Post(); });
  EXPECT_EQ(error.Kind(), TDataErrorKind::deLocked);
  EXPECT_TRUE(Mentions(error, "Table \"PLACES\"")) << error.what();
  EXPECT_TRUE(Mentions(error, "locked")) << error.what();
  EXPECT_EQ(places_.State(), TTableState::tsInsert);
  other.Execute("ROLLBACK");
  places_.Post();  // the same insert goes through once the lock is gone
  EXPECT_EQ(places_.RecordCount(), 301);

  places_.Close();
  other.Execute("BEGIN EXCLUSIVE");  // now even reading is locked out
  const auto open_error = Caught<ETableError>([&] { places_.Open(); });
  EXPECT_EQ(open_error.Kind(), TDataErrorKind::deLocked) << open_error.what();
  other.Execute("ROLLBACK");
  places_.Open();
  EXPECT_EQ(places_.RecordCount(), 301);
}

}  // namespace
}  // namespace vyn
