// Reading interpretation records by code from the current language's table.
#include <gtest/gtest.h>

#include <string>

#include "data/database_error.h"
#include "tests/interpretation/interp_fixture.h"

namespace vyn {
namespace {

class InterpTableTest : public testing::TextTableTest {};

TEST_F(InterpTableTest, FindsTheRecordOfExactlyTheCode) {
  AddText("SUAR", "Line one\r\nLine two", "Keywords", "Sun in Aries");
  AddText("SUAR/K", "short");
  AddText("SUX+MOZ", "contact");

  const auto record = table_.LookUp("SUAR");
  ASSERT_TRUE(record);
  EXPECT_EQ(record->Code, "SUAR");
  EXPECT_EQ(record->Title, "Keywords");
  EXPECT_EQ(record->MTitle, "Sun in Aries");
  EXPECT_EQ(record->TextK, "Line one\r\nLine two");
  EXPECT_EQ(table_.LookUp("SUX+MOZ")->TextK, "contact");

  // Neither a beginning, a longer code, another case nor a pattern matches.
  for (const char* code : {"SUA", "SUARX", "suar", "SUA_", "SUA%", "", "SUAR "})
    EXPECT_FALSE(table_.LookUp(code)) << '"' << code << '"';
}

TEST_F(InterpTableTest, FieldsLeftEmptyReadAsEmptyTexts) {
  testing::AddRow(Texts(), {{"Code", "Q13"}});
  const auto record = table_.LookUp("Q13");
  ASSERT_TRUE(record);
  EXPECT_EQ(record->Title, "");
  EXPECT_EQ(record->MTitle, "");
  EXPECT_EQ(record->TextK, "");
}

TEST_F(InterpTableTest, LeavesTheCursorIndexAndEditOfABrowsingWindowAlone) {
  AddText("MOTA", "moon");
  AddText("SUAR", "sun");
  AddText("VELI", "venus");
  Texts().SetIndexFieldNames("Code");
  Texts().First();
  Texts().Next();  // on SUAR
  Texts().Edit();
  Texts().FieldByName("Title").SetAsString("being edited");

  EXPECT_EQ(table_.LookUp("VELI")->TextK, "venus");
  EXPECT_EQ(table_.LookUp("MOTA")->TextK, "moon");

  EXPECT_EQ(Texts().State(), TTableState::tsEdit);
  EXPECT_EQ(Texts().FieldByName("Code").AsString(), "SUAR");
  EXPECT_EQ(Texts().FieldByName("Title").AsString(), "being edited");
  EXPECT_EQ(Texts().IndexFieldNames(), "Code");
  Texts().Cancel();
  Texts().Next();
  EXPECT_EQ(Texts().FieldByName("Code").AsString(), "VELI");
}

TEST_F(InterpTableTest, FollowsTheLanguageSwitch) {
  AddText("SUAR", "English");
  collection_.SetActive(false);
  collection_.SetLanguage("DK");
  collection_.CreateSchema();
  collection_.SetActive(true);
  AddText("SUAR", "Dansk");
  EXPECT_EQ(table_.LookUp("SUAR")->TextK, "Dansk");
  collection_.SetLanguage("UK");
  EXPECT_EQ(table_.LookUp("SUAR")->TextK, "English");
}

TEST_F(InterpTableTest, AClosedCollectionIsRefusedNamingTheTable) {
  collection_.SetActive(false);
  try {
    table_.LookUp("SUAR");
    FAIL() << "a look-up in a closed collection succeeded";
  } catch (const ETableError& e) {
    EXPECT_NE(std::string(e.what()).find("bkrlatUK"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace vyn
