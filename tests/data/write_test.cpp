// Insert, edit, post, cancel and delete, with their transactions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/database_error.h"
#include "data/transaction.h"
#include "data/vyn_table.h"
#include "tests/data/temp_database.h"

namespace vyn {
namespace {

using testing::AddRow;

TTableLayout PeopleLayout() {
  return {{{"FirstName", TFieldKind::fkText},
           {"LastName", TFieldKind::fkText},
           {"Town", TFieldKind::fkText}},
          {"FirstName", "LastName"},
          {{"LName", {"LastName", "FirstName"}}}};
}

class WriteTest : public testing::TempDatabaseTest {
 protected:
  void SetUp() override {
    TempDatabaseTest::SetUp();
    people_.CreateTable();
    people_.Open();
    AddRow(people_, {{"FirstName", "Ann"}, {"LastName", "Lee"}, {"Town", "Aarhus"}});
    AddRow(people_, {{"FirstName", "Bob"}, {"LastName", "Ray"}, {"Town", "Bath"}});
    AddRow(people_, {{"FirstName", "Cy"}, {"LastName", "Fox"}, {"Town", "Cork"}});
  }

  // Every row as "First Last Town" in primary-key order, read by a second
  // cursor, so the check sees what is stored and not the cursor's buffer.
  std::vector<std::string> Stored() {
    TVynTable reader(database_, "PEOPLE", PeopleLayout());
    reader.Open();
    std::vector<std::string> rows;
    for (reader.First(); !reader.Eof(); reader.Next())
      rows.push_back(reader.FieldByName("FirstName").AsString() + " " +
                     reader.FieldByName("LastName").AsString() + " " +
                     reader.FieldByName("Town").AsString());
    return rows;
  }

  std::string CurrentFirstName() { return people_.FieldByName("FirstName").AsString(); }

  const std::vector<std::string> initial_ = {"Ann Lee Aarhus", "Bob Ray Bath",
                                             "Cy Fox Cork"};
  TVynTable people_{database_, "PEOPLE", PeopleLayout()};
};

TEST_F(WriteTest, PostLeavesTheCursorOnTheWrittenRow) {
  AddRow(people_, {{"FirstName", "Bea"}, {"LastName", "Kim"}});
  EXPECT_EQ(people_.State(), TTableState::tsBrowse);
  EXPECT_EQ(CurrentFirstName(), "Bea");
  people_.Next();
  EXPECT_EQ(CurrentFirstName(), "Bob");

  // An edit that changes the key moves the row to its new place.
  ASSERT_TRUE(people_.FindKey({"Cy", "Fox"}));
  people_.Edit();
  people_.FieldByName("FirstName").SetAsString("Al");
  people_.Post();
  EXPECT_EQ(CurrentFirstName(), "Al");
  people_.Next();
  EXPECT_EQ(CurrentFirstName(), "Ann");
  EXPECT_EQ(people_.RecordCount(), 4);
}

TEST_F(WriteTest, KeyViolationOnInsertLeavesTheTableAndTheInsertAsTheyWere) {
  people_.Insert();
  people_.FieldByName("FirstName").SetAsString("Bob");
  people_.FieldByName("LastName").SetAsString("Ray");
  people_.FieldByName("Town").SetAsString("Elsewhere");
  try {
    people_.Post();
    FAIL() << "duplicate key accepted";
  } catch (const ETableError& e) {
    EXPECT_EQ(e.Kind(), TDataErrorKind::deKeyViolation);
    EXPECT_EQ(e.TableName(), "PEOPLE");
    EXPECT_NE(std::string(e.what()).find("Table \"PEOPLE\""), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("key violation"), std::string::npos) << e.what();
  }
  EXPECT_EQ(Stored(), initial_);
  EXPECT_EQ(people_.State(), TTableState::tsInsert);
  EXPECT_EQ(people_.FieldByName("Town").AsString(), "Elsewhere");

  // The caller may correct the row and post again.
  people_.FieldByName("LastName").SetAsString("Roy");
  people_.Post();
  EXPECT_EQ(people_.RecordCount(), 4);
}

TEST_F(WriteTest, KeyViolationOnEditLeavesTheRowAndCancelRestoresIt) {
  ASSERT_TRUE(people_.FindKey({"Cy", "Fox"}));
  people_.Edit();
  people_.FieldByName("FirstName").SetAsString("Ann");
  people_.FieldByName("LastName").SetAsString("Lee");
  EXPECT_THROW(people_.Post(), ETableError);
  EXPECT_EQ(Stored(), initial_);
  people_.Cancel();
  EXPECT_EQ(people_.State(), TTableState::tsBrowse);
  EXPECT_EQ(CurrentFirstName(), "Cy");
  people_.Prior();
  EXPECT_EQ(CurrentFirstName(), "Bob");
}

TEST_F(WriteTest, CancelOfAnInsertReturnsToTheRowBefore) {
  ASSERT_TRUE(people_.FindKey({"Bob"}));
  people_.Insert();
  EXPECT_FALSE(people_.Bof());
  EXPECT_FALSE(people_.Eof());
  EXPECT_EQ(CurrentFirstName(), "");
  people_.FieldByName("FirstName").SetAsString("Dee");
  people_.Cancel();
  EXPECT_EQ(CurrentFirstName(), "Bob");
  EXPECT_EQ(Stored(), initial_);
}

TEST_F(WriteTest, MovingWhileEditingPostsTheEditFirst) {
  ASSERT_TRUE(people_.FindKey({"Ann"}));
  people_.Edit();
  people_.FieldByName("Town").SetAsString("Aalborg");
  people_.Next();
  EXPECT_EQ(people_.State(), TTableState::tsBrowse);
  EXPECT_EQ(CurrentFirstName(), "Bob");
  EXPECT_EQ(Stored()[0], "Ann Lee Aalborg");
}

TEST_F(WriteTest, DeleteGoesToTheNextRowOrTheNewLastOne) {
  ASSERT_TRUE(people_.FindKey({"Bob"}));
  people_.Delete();
  EXPECT_EQ(CurrentFirstName(), "Cy");
  people_.Delete();
  EXPECT_EQ(CurrentFirstName(), "Ann");
  people_.Delete();
  EXPECT_TRUE(people_.Eof());
  EXPECT_TRUE(people_.IsEmpty());
  EXPECT_THROW(people_.Delete(), ETableError);
}

TEST_F(WriteTest, VerbsOutOfTheirStateAreRefused) {
  auto expect_state_error = [](auto verb) {
    try {
      verb();
      ADD_FAILURE() << "accepted";
    } catch (const ETableError& e) {
      EXPECT_EQ(e.Kind(), TDataErrorKind::deWrongState) << e.what();
    }
  };
  expect_state_error([&] { people_.FieldByName("Town").SetAsString("x"); });
  expect_state_error([&] { people_.Post(); });
  people_.Last();
  people_.Next();
  expect_state_error([&] { people_.Edit(); });
  people_.Close();
  EXPECT_THROW(people_.First(), ETableError);
}

TEST_F(WriteTest, ValuesAreBoundNeverPastedIntoTheStatement) {
  const std::string tricky = "O'Neil\"); DROP TABLE PEOPLE; --";
  AddRow(people_, {{"FirstName", tricky}, {"LastName", "x"}});
  EXPECT_TRUE(people_.FindKey({tricky, "x"}));
  EXPECT_EQ(people_.RecordCount(), 4);
  EXPECT_THROW(people_.SetTableName("PEOPLE; DROP"), ETableError);  // while open
  people_.Close();
  EXPECT_THROW(people_.SetTableName("PEOPLE; DROP"), EDatabaseError);
  EXPECT_EQ(people_.TableName(), "PEOPLE");
}

TEST_F(WriteTest, WritesInOneTransactionStandOrFallTogether) {
  {
    TTransaction transaction(database_.Connection());
    AddRow(people_, {{"FirstName", "Dee"}, {"LastName", "Orr"}});
    ASSERT_TRUE(people_.FindKey({"Ann"}));
    people_.Delete();
  }  // no commit: both undone
  EXPECT_EQ(Stored(), initial_);

  {
    TTransaction transaction(database_.Connection());
    AddRow(people_, {{"FirstName", "Dee"}, {"LastName", "Orr"}});
    people_.Insert();
    people_.FieldByName("FirstName").SetAsString("Ann");
    people_.FieldByName("LastName").SetAsString("Lee");
    EXPECT_THROW(people_.Post(), ETableError);  // undoes only its own part
    people_.Cancel();
    transaction.Commit();
  }
  EXPECT_EQ(Stored(), (std::vector<std::string>{"Ann Lee Aarhus", "Bob Ray Bath",
                                                "Cy Fox Cork", "Dee Orr "}));
}

TEST_F(WriteTest, AReadGuardNestsAnywhereAndWritesInsideItStand) {
  // Inside a transaction begun by plain SQL the guard is a savepoint.
  database_.Connection().Execute("BEGIN");
  {
    TTransaction reading(database_.Connection(), TTransactionKind::tkRead);
    EXPECT_TRUE(people_.FindKey({"Ann"}));
    reading.Commit();
  }
  database_.Connection().Execute("COMMIT");

  {
    TTransaction reading(database_.Connection(), TTransactionKind::tkRead);
    AddRow(people_, {{"FirstName", "Dee"}, {"LastName", "Orr"}});
    reading.Commit();
  }
  EXPECT_EQ(Stored().size(), initial_.size() + 1);
}

TEST_F(WriteTest, EmptyTableRemovesEveryRow) {
  people_.EmptyTable();
  EXPECT_TRUE(people_.Eof());
  EXPECT_EQ(people_.RecordCount(), 0);
  EXPECT_TRUE(Stored().empty());
}

}  // namespace
}  // namespace vyn
