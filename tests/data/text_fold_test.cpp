// The comparison form of names and the collation that orders browsed names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/table_catalogue.h"
#include "data/text_collation.h"
#include "data/text_fold.h"
#include "data/vyn_table.h"
#include "tests/data/temp_database.h"

namespace vyn {
namespace {

TEST(FoldTextTest, LowersAndRemovesAccents) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Sweden", "sweden"},
      {"\xC3\x85land Islands", "aland islands"},        // Åland
      {"S\xC3\xA3o Paulo", "sao paulo"},                // São
      {"Stra\xC3\x9F" "e", "strasse"},                  // Straße
      {"\xC3\x86r\xC3\xB8", "aero"},                    // Ærø
      {"\xC5\x92uvre", "oeuvre"},                       // Œuvre
      {"\xC5\x81\xC3\xB3" "d\xC5\xBA", "lodz"},         // Łódź
      {"\xC4\x90\xC3\xA0 N\xE1\xBA\xB5ng", "da n\xE1\xBA\xB5ng"},  // Đà; ẵ kept
      {"\xC3\x9E" "ingvellir", "thingvellir"},          // Þingvellir
      {"Bra\xC8\x99ov", "brasov"},                      // Brașov, comma below
      {"\xC7\x84" "ak", "dzak"},                        // Ǆ
      {"2 \xC3\x97 3", "2 \xC3\x97 3"},                 // × is no letter
  };
  for (const auto& [input, folded] : cases) EXPECT_EQ(FoldText(input), folded) << input;
}

TEST(FoldTextTest, LowersGreekAndCyrillicButKeepsThem) {
  EXPECT_EQ(FoldText("\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1"),  // Αθήνα
            "\xCE\xB1\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1");
  EXPECT_EQ(FoldText("\xCE\x86"), "\xCE\xAC");                        // Ά -> ά
  EXPECT_EQ(FoldText("\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0"),  // Москва
            "\xD0\xBC\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0");
  EXPECT_EQ(FoldText("\xD0\x81"), "\xD1\x91");                        // Ё -> ё
}

TEST(FoldTextTest, KeepsBytesThatAreNotUtf8) {
  const std::vector<std::string> cases = {
      "A\xFF" "B",          // a byte that starts nothing
      "\xC3",               // a sequence cut short at the end
      "\xC3(",              // a lead byte without its continuation
      "\xC0\x81",           // an overlong form of U+0001
      "\xED\xA0\x80",       // a surrogate
  };
  for (const auto& input : cases) {
    std::string expected;
    for (char c : input) expected += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    EXPECT_EQ(FoldText(input), expected);
  }
}

TEST(TextCollationTest, OrdersByFoldedFormThenBytes) {
  EXPECT_LT(CompareFoldedText("\xC3\x85land", "Sweden"), 0);
  EXPECT_GT(CompareFoldedText("Sweden", "\xC3\x85land"), 0);
  EXPECT_LT(CompareFoldedText("sweden", "Swedes"), 0);
  // Equal folded forms are ordered by their bytes, and only equal bytes tie.
  EXPECT_NE(CompareFoldedText("Sweden", "sweden"), 0);
  EXPECT_EQ(CompareFoldedText("Sweden", "sweden"), -CompareFoldedText("sweden", "Sweden"));
  EXPECT_EQ(CompareFoldedText("Sweden", "Sweden"), 0);
}

class NameOrderTest : public testing::TempDatabaseTest {
 protected:
  void SetUp() override {
    TempDatabaseTest::SetUp();
    states_.CreateTable();
    states_.Open();
    int id = 0;
    for (const char* name : {"Sweden", "\xC3\x85land Islands", "Switzerland",
                             "Albania", "\xC3\x96sterreich", "Spain", "Zambia"})
      testing::AddRow(states_, {{"StateID", std::to_string(++id)}, {"StateName", name}});
  }

  std::string Here() { return states_.FieldByName("StateName").AsString(); }

  TVynTable states_{database_, "STATES", CatalogueEntry(TTableRole::trStates).Layout};
};

TEST_F(NameOrderTest, BrowsesNamesWithoutRegardToAccentsOrCase) {
  std::vector<std::string> names;
  for (states_.First(); !states_.Eof(); states_.Next()) names.push_back(Here());
  EXPECT_EQ(names, (std::vector<std::string>{"\xC3\x85land Islands", "Albania",
                                             "\xC3\x96sterreich", "Spain", "Sweden",
                                             "Switzerland", "Zambia"}));
}

TEST_F(NameOrderTest, FindNearestLandsOnTheFoldedName) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"swe", "Sweden"}, {"SWI", "Switzerland"}, {"alb", "Albania"},
      {"al", "\xC3\x85land Islands"}, {"os", "\xC3\x96sterreich"}};
  for (const auto& [typed, found] : cases) {
    states_.FindNearest({TVynValue(typed)});
    ASSERT_FALSE(states_.Eof()) << typed;
    EXPECT_EQ(Here(), found) << typed;
  }
}

TEST_F(NameOrderTest, FindKeyStaysExact) {
  EXPECT_FALSE(states_.FindKey({TVynValue("sweden")}));
  EXPECT_FALSE(states_.FindKey({TVynValue("Aland Islands")}));
  EXPECT_TRUE(states_.FindKey({TVynValue("Sweden")}));
  EXPECT_EQ(Here(), "Sweden");
}

TEST_F(NameOrderTest, FindKeyNeverCutsAKeyLongerThanTheField) {
  // StateName holds 40 characters: a longer key must not find the row its
  // first 40 characters name.
  const std::string forty(40, 'x');
  testing::AddRow(states_, {{"StateID", "XX"}, {"StateName", forty}});
  EXPECT_TRUE(states_.FindKey({TVynValue(forty)}));
  states_.FindKey({TVynValue("Spain")});
  EXPECT_FALSE(states_.FindKey({TVynValue(forty + "yz")}));
  EXPECT_EQ(Here(), "Spain");
}

}  // namespace
}  // namespace vyn
