// Cursor navigation: order, Bof and Eof, searches, index switches.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/database_error.h"
#include "data/vyn_table.h"
#include "tests/data/temp_database.h"

namespace vyn {
namespace {

using testing::AddRow;

TTableLayout HistoryLayout() {
  return {{{"Code", TFieldKind::fkText, 4},
           {"Start", TFieldKind::fkInteger},
           {"Value", TFieldKind::fkInteger}},
          {"Code", "Start"},
          {{"ByValue", {"Value"}}}};
}

// The current row as "A10", or "BOF" / "EOF".
std::string Here(const TVynTable& table) {
  if (table.Bof()) return "BOF";
  if (table.Eof()) return "EOF";
  return table.FieldByName("Code").AsString() +
         std::to_string(table.FieldByName("Start").AsInteger());
}

std::vector<std::string> ScanForward(TVynTable& table) {
  std::vector<std::string> rows;
  for (table.First(); !table.Eof(); table.Next()) rows.push_back(Here(table));
  return rows;
}

std::vector<std::string> ScanBackward(TVynTable& table) {
  std::vector<std::string> rows;
  for (table.Last(); !table.Bof(); table.Prior()) rows.push_back(Here(table));
  return rows;
}

class CursorTest : public testing::TempDatabaseTest {
 protected:
  void SetUp() override {
    TempDatabaseTest::SetUp();
    table_.CreateTable();
    table_.Open();
    // Added out of key order; "ByValue" has two rows with value 1.
    for (const auto& [code, start, value] :
         std::vector<std::tuple<const char*, int, int>>{
             {"B", 10, 2}, {"A", 20, 1}, {"C", 5, 1}, {"A", 10, 3}})
      AddRow(table_, {{"Code", code}, {"Start", start}, {"Value", value}});
  }

  TVynTable table_{database_, "HIST", HistoryLayout()};
};

TEST_F(CursorTest, WalksThePrimaryKeyOrderBothWays) {
  EXPECT_EQ(ScanForward(table_), (std::vector<std::string>{"A10", "A20", "B10", "C5"}));
  EXPECT_EQ(ScanBackward(table_), (std::vector<std::string>{"C5", "B10", "A20", "A10"}));
}

TEST_F(CursorTest, StepsLeaveAndReenterThroughBofAndEof) {
  table_.Last();
  table_.Next();
  EXPECT_EQ(Here(table_), "EOF");
  table_.Next();  // Next at Eof stays there
  EXPECT_EQ(Here(table_), "EOF");
  table_.Prior();  // Prior from Eof is the last row
  EXPECT_EQ(Here(table_), "C5");

  table_.First();
  EXPECT_FALSE(table_.Bof());
  table_.Prior();
  EXPECT_EQ(Here(table_), "BOF");
  table_.Prior();
  EXPECT_EQ(Here(table_), "BOF");
  table_.Next();  // Next from Bof is the first row
  EXPECT_EQ(Here(table_), "A10");
}

TEST_F(CursorTest, FindNearestPlacesOnTheFirstRowEqualOrGreater) {
  struct Case {
    std::vector<TVynValue> key;
    const char* row;
  };
  const std::vector<Case> cases = {
      {{"0"}, "A10"},         // before every key: the first row, not Bof
      {{"A", 10}, "A10"},     // equal
      {{"A", 15}, "A20"},     // between two keys
      {{"A", 99}, "B10"},     // past the last start of "A"
      {{"B"}, "B10"},         // leading field only
      {{"Bz"}, "C5"},         // text between two codes
      {{"C", 6}, "EOF"},      // after the last row
      {{"D"}, "EOF"},
  };
  for (const auto& c : cases) {
    table_.FindNearest(c.key);
    EXPECT_EQ(Here(table_), c.row) << c.key[0].Describe();
  }

  table_.FindNearest({"0"});
  table_.Prior();
  EXPECT_EQ(Here(table_), "BOF");
  table_.FindNearest({"D"});
  table_.Prior();
  EXPECT_EQ(Here(table_), "C5");
}

TEST_F(CursorTest, FindKeyMatchesLeadingFieldsExactlyAndStaysWhenAbsent) {
  EXPECT_TRUE(table_.FindKey({"A"}));
  EXPECT_EQ(Here(table_), "A10");  // the first row of that code
  EXPECT_TRUE(table_.FindKey({"C", 5}));
  EXPECT_EQ(Here(table_), "C5");
  EXPECT_TRUE(table_.FindKey({"A", "20"}));  // text converted to the field's kind
  EXPECT_EQ(Here(table_), "A20");

  EXPECT_FALSE(table_.FindKey({"A", 15}));
  EXPECT_FALSE(table_.FindKey({"a"}));  // keys compare with case
  EXPECT_EQ(Here(table_), "A20");

  EXPECT_THROW(table_.FindKey({"A", 10, 3}), ETableError);  // more values than fields
}

TEST_F(CursorTest, EqualKeysKeepTheOrderTheRowsWereAdded) {
  table_.SetIndexName("ByValue");
  EXPECT_EQ(ScanForward(table_), (std::vector<std::string>{"A20", "C5", "B10", "A10"}));
  EXPECT_EQ(ScanBackward(table_), (std::vector<std::string>{"A10", "B10", "C5", "A20"}));
  table_.FindNearest({1});
  EXPECT_EQ(Here(table_), "A20");
  table_.Next();
  EXPECT_EQ(Here(table_), "C5");
}

TEST_F(CursorTest, IndexSwitchKeepsTheCurrentRowAndStepsInTheNewOrder) {
  ASSERT_TRUE(table_.FindKey({"B", 10}));
  table_.SetIndexName("ByValue");
  EXPECT_EQ(table_.IndexName(), "ByValue");
  EXPECT_EQ(Here(table_), "B10");
  table_.Next();
  EXPECT_EQ(Here(table_), "A10");
  table_.SetIndexName("");
  EXPECT_EQ(Here(table_), "A10");
  table_.Next();
  EXPECT_EQ(Here(table_), "A20");

  table_.Last();
  table_.Next();
  table_.SetIndexName("ByValue");
  EXPECT_EQ(Here(table_), "EOF");
}

TEST_F(CursorTest, IndexIsChosenByNameOrByLeadingFields) {
  table_.SetIndexFieldNames("value");
  EXPECT_EQ(table_.IndexName(), "ByValue");
  table_.SetIndexFieldNames("Code");
  EXPECT_EQ(table_.IndexName(), "");
  EXPECT_EQ(table_.IndexFieldNames(), "Code;Start");

  for (const char* fields : {"Start", "Value;Code"}) {
    try {
      table_.SetIndexFieldNames(fields);
      ADD_FAILURE() << fields;
    } catch (const ETableError& e) {
      EXPECT_EQ(e.Kind(), TDataErrorKind::deNoIndex);
    }
  }
  EXPECT_THROW(table_.SetIndexName("Nope"), ETableError);
  EXPECT_EQ(table_.IndexName(), "");
}

TEST_F(CursorTest, StepsSeeRowsAddedByAnotherCursor) {
  TVynTable other(database_, "HIST", HistoryLayout());
  other.Open();
  ASSERT_TRUE(table_.FindKey({"A", 10}));
  AddRow(other, {{"Code", "A"}, {"Start", 15}, {"Value", 9}});
  ASSERT_TRUE(other.FindKey({"B", 10}));
  other.Delete();
  table_.Next();
  EXPECT_EQ(Here(table_), "A15");
  table_.Next();
  table_.Next();
  EXPECT_EQ(Here(table_), "C5");
}

TEST_F(CursorTest, FieldsReadEmptyWithoutACurrentRow) {
  table_.Last();
  table_.Next();
  EXPECT_EQ(table_.FieldByName("Code").AsString(), "");
  EXPECT_EQ(table_.FieldByName("Start").AsInteger(), 0);
  EXPECT_TRUE(table_.FieldByName("Value").IsNull());
}

TEST_F(CursorTest, TableWithoutPrimaryKeyKeepsTheOrderOfAddition) {
  TVynTable slots(database_, "SLOTS",
                  {{{"FirstName", TFieldKind::fkText}, {"LastName", TFieldKind::fkText}}, {}, {}});
  slots.CreateTable();
  slots.Open();
  EXPECT_TRUE(slots.Eof());  // empty: First gives Eof
  slots.Last();
  EXPECT_TRUE(slots.Bof());  // and Last gives Bof
  for (const char* name : {"Zoe", "Adam", "Mia"}) AddRow(slots, {{"FirstName", name}});

  slots.First();
  slots.MoveBy(2);
  EXPECT_EQ(slots.FieldByName("FirstName").AsString(), "Mia");
  slots.MoveBy(-1);
  EXPECT_EQ(slots.FieldByName("FirstName").AsString(), "Adam");
  slots.MoveBy(5);
  EXPECT_TRUE(slots.Eof());
  slots.MoveBy(-3);
  EXPECT_EQ(slots.FieldByName("FirstName").AsString(), "Zoe");
  EXPECT_EQ(slots.RecordCount(), 3);
  EXPECT_THROW(slots.FindKey({"Zoe"}), ETableError);  // no key fields to search
}

}  // namespace
}  // namespace vyn

namespace vyn {
namespace {

class WindowTest : public testing::TempDatabaseTest {
 protected:
  void SetUp() override {
    TempDatabaseTest::SetUp();
    table_.CreateTable();
    table_.Open();
    for (int i = 1; i <= 9; ++i)
      testing::AddRow(table_, {{"Code", std::string(1, char('A' + (i % 3)))},
                               {"Start", i}, {"Value", 10 - i}});
    table_.First();
  }

  static std::string Codes(const std::vector<TTableRow>& rows) {
    std::string text;
    for (const auto& row : rows) text += row.Values[0].Bytes() + row.Values[1].Describe() + " ";
    return text;
  }

  TVynTable table_{database_, "WIN", TTableLayout{{{"Code", TFieldKind::fkText, 4},
                                                   {"Start", TFieldKind::fkInteger},
                                                   {"Value", TFieldKind::fkInteger}},
                                                  {"Code", "Start"},
                                                  {{"ByValue", {"Value"}}}}};
};

TEST_F(WindowTest, ReadsAWindowFromAKeyWithoutMovingTheCursor) {
  const std::string here = table_.FieldByName("Code").AsString() +
                           table_.FieldByName("Start").AsString();
  EXPECT_EQ(table_.ReadRows({TVynValue("B")}, 2).size(), 2u);
  EXPECT_EQ(table_.ReadRows({TVynValue("B")}, 2)[0].Values[0].Bytes(), "B");
  EXPECT_EQ(table_.ReadRows({TVynValue("B"), TVynValue(4)}, 2)[0].Values[1].Integer(), 4);
  EXPECT_EQ(table_.ReadRows({TVynValue("C")}, 10).size(), 3u);  // the end of the table
  EXPECT_EQ(table_.ReadRows({}, 100).size(), 9u);
  EXPECT_TRUE(table_.ReadRows({TVynValue("D")}, 5).empty());
  table_.SetIndexName("ByValue");
  EXPECT_EQ(table_.ReadRows({TVynValue(8)}, 5).size(), 2u);
  EXPECT_EQ(table_.FieldByName("Code").AsString() + table_.FieldByName("Start").AsString(),
            here);
  EXPECT_EQ(table_.RecordCount(), 9);
}

TEST_F(WindowTest, ObserversHearOfPostsDeletesAndIndexChanges) {
  std::vector<std::string> heard;
  table_.OnAfterPost = [&] { heard.push_back("post"); };
  table_.OnAfterDelete = [&] { heard.push_back("delete"); };
  table_.OnIndexChange = [&] { heard.push_back("index"); };
  testing::AddRow(table_, {{"Code", "Z"}, {"Start", 1}});
  table_.Delete();
  table_.SetIndexName("ByValue");
  table_.SetIndexName("ByValue");  // no change, no notice
  table_.Edit();
  table_.FieldByName("Value").SetValue(TVynValue(99));
  table_.Post();
  EXPECT_EQ(heard, (std::vector<std::string>{"post", "delete", "index", "post"}));
}

}  // namespace
}  // namespace vyn
