// The three sources of the token list: the help table, the supplier event
// and the file menu-<xx>.TXT, in that order of precedence.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/data_collection.h"
#include "data/database_error.h"
#include "language/language.h"
#include "language/language_dictionary.h"
#include "tests/data/temp_database.h"
#include "tests/language/language_fixture.h"

namespace vyn {
namespace {

using testing::AddRow;

class HelpTableSourceTest : public testing::TempDatabaseTest {
 protected:
  void SetUp() override {
    TempDatabaseTest::SetUp();
    SetAppDirectory(directory_.Path());
    collection_.SetLanguage("GE");
    collection_.CreateSchema();
    collection_.SetActive(true);
    language_.OnChange = [this] { ++changes_; };
  }
  void TearDown() override { SetAppDirectory(""); }

  TVynTable& Help() { return collection_.Table(TTableRole::trHelp); }
  void AddHelp(int number, const std::string& text) {
    AddRow(Help(), {{"HelpNo", number}, {"HelpText", text}});
  }
  void Activate() {
    language_.SetHelpTable(&Help());
    language_.SetCountry("GE");
    language_.SetActive(true);
  }

  TDataCollection collection_{database_, "GE"};
  TLanguage language_;
  int changes_ = 0;
};

TEST_F(HelpTableSourceTest, ReadsRecord11000AndOpensAClosedTable) {
  AddHelp(10999, "1=wrong record");
  AddHelp(11000, "1=Eins\r\n2=\"Zwei \"\r\n; comment\r\n1014=Stark\r\n");
  AddHelp(11001, "1=wrong record");
  Help().Close();
  // The table wins over the other two sources.
  language_.OnGetTokens = [](const TCountry&) { return std::string("1=supplier"); };
  std::ofstream(directory_.Path() + "/menu-GE.TXT") << "1=file\n";

  Activate();
  EXPECT_TRUE(language_.Active());
  EXPECT_TRUE(Help().Active());
  EXPECT_EQ(language_.GetToken(1), "Eins");
  EXPECT_EQ(language_.GetToken(2), "Zwei ");
  EXPECT_EQ(language_.GetToken(1014), "Stark");
  EXPECT_EQ(changes_, 1);
}

// A help window may be browsing the table, even editing a row: reading the
// token list leaves its cursor and its edit alone.
TEST_F(HelpTableSourceTest, ReadingTheTokenListLeavesTheCursorAndTheEditAlone) {
  AddHelp(10999, "1=wrong record");
  AddHelp(11000, "1=Eins\r\n");
  AddHelp(11001, "1=wrong record");
  ASSERT_TRUE(Help().FindKey({TVynValue(11001)}));
  Help().Edit();
  Help().FieldByName("HelpText").SetValue(TVynValue(std::string("being edited")));

  Activate();
  EXPECT_EQ(language_.GetToken(1), "Eins");
  EXPECT_EQ(Help().State(), TTableState::tsEdit);
  EXPECT_EQ(Help().FieldByName("HelpNo").AsInteger(), 11001);
  Help().Cancel();
  EXPECT_EQ(Help().FieldByName("HelpText").AsString(), "1=wrong record");
}

// Without its token list every text of the program would be empty: a
// missing or empty record is refused, and the component stays inactive.
TEST_F(HelpTableSourceTest, MissingOrEmptyRecordIsRefusedNamingTheTable) {
  const struct {
    const char* record;  // the text of record 11000, or none
    const char* message;
  } cases[] = {
      {nullptr, "Table \"HELPGE\", HelpNo 11000: no such record, so there is no token list"},
      {"", "Table \"HELPGE\", HelpNo 11000: the token list is empty"},
      {"; comments only\r\n", "Table \"HELPGE\", HelpNo 11000: the token list holds no token"},
  };
  AddHelp(11001, "1=wrong record");
  language_.OnGetTokens = [](const TCountry&) { return std::string("1=supplier"); };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    if (c.record) AddHelp(11000, c.record);
    try {
      Activate();
      FAIL() << "no error";
    } catch (const ETokenListError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
    EXPECT_FALSE(language_.Active());
    EXPECT_EQ(changes_, 0);
    if (c.record) {
      ASSERT_TRUE(Help().FindKey({TVynValue(11000)}));
      Help().Delete();
    }
  }
}

TEST_F(HelpTableSourceTest, BadLineNamesTheTableAndTheLine) {
  AddHelp(11000, "1=Eins\n\n2x=Zwei\n");
  try {
    Activate();
    FAIL() << "no error";
  } catch (const ETokenListError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Table \"HELPGE\", HelpNo 11000, line 3: token number \"2x\" is not a "
              "decimal integer");
  }
  EXPECT_FALSE(language_.Active());
  EXPECT_EQ(changes_, 0);
}

TEST_F(HelpTableSourceTest, TableStoreErrorsReachTheCaller) {
  TVynTable missing(database_, "HELPZZ", CatalogueEntry(TTableRole::trHelp).Layout);
  language_.SetHelpTable(&missing);
  language_.SetCountry("ZZ");
  EXPECT_THROW(language_.SetActive(true), EDatabaseError);
  EXPECT_FALSE(language_.Active());
}

class SupplierAndFileSourceTest : public testing::TempAppDirectoryTest {
 protected:
  TLanguage language_;
};

TEST_F(SupplierAndFileSourceTest, SupplierGetsTheCodeAndWinsOverTheFile) {
  WriteAppFile("menu-FR.TXT", "1=file\n");
  std::vector<TCountry> asked;
  language_.OnGetTokens = [&](const TCountry& code) {
    asked.push_back(code);
    return std::string("1=Un\n2=Deux");
  };
  language_.SetCountry("FR");
  language_.SetActive(true);
  EXPECT_EQ(asked, std::vector<TCountry>{"FR"});
  EXPECT_EQ(language_.GetToken(1), "Un");
  EXPECT_EQ(language_.GetToken(2), "Deux");
}

TEST_F(SupplierAndFileSourceTest, SupplierErrorNamesTheCode) {
  language_.OnGetTokens = [](const TCountry&) { return std::string("1=a\nbad=b"); };
  language_.SetCountry("IT");
  EXPECT_THROW(
      {
        try {
          language_.SetActive(true);
        } catch (const ETokenListError& e) {
          EXPECT_EQ(e.Source(), "Token list supplied for \"IT\"");
          EXPECT_EQ(e.Line(), 2);
          throw;
        }
      },
      ETokenListError);
}

TEST_F(SupplierAndFileSourceTest, ReadsTheMenuFileWhateverTheLetterCase) {
  WriteAppFile("Menu-ge.txt", "\xEF\xBB\xBF" "1=Eins\r\n2=Zwei\r\n");
  language_.SetCountry("GE");
  language_.SetActive(true);
  EXPECT_EQ(language_.GetToken(1), "Eins");
  EXPECT_EQ(language_.GetToken(2), "Zwei");
}

TEST_F(SupplierAndFileSourceTest, BadFileLineNamesTheFileAndTheLine) {
  WriteAppFile("menu-GE.TXT", "1=Eins\n1,5=Zwei\n");
  try {
    language_.SetCountry("GE");
    language_.SetActive(true);
    FAIL() << "no error";
  } catch (const ETokenListError& e) {
    EXPECT_EQ(e.Source(), app_.Path() + "/menu-GE.TXT");
    EXPECT_EQ(e.Line(), 2);
  }
}

TEST_F(SupplierAndFileSourceTest, NoSourceOrAnEmptyOneIsRefused) {
  language_.SetCountry("DU");
  try {
    language_.SetActive(true);
    FAIL() << "no error";
  } catch (const ETokenListError& e) {
    EXPECT_EQ(std::string(e.what()),
              app_.Path() + "/menu-DU.TXT: no token list: the file does not exist");
  }
  EXPECT_FALSE(language_.Active());
  language_.OnGetTokens = [](const TCountry&) { return std::string("\n; nothing\n"); };
  EXPECT_THROW(language_.SetActive(true), ETokenListError);
  EXPECT_FALSE(language_.Active());
}

TEST_F(SupplierAndFileSourceTest, FailedReloadKeepsTheTextsAndTheCode) {
  WriteAppFile("menu-UK.TXT", "1=One\n");
  WriteAppFile("menu-FR.TXT", "1=Un\nx=deux\n");
  language_.SetCountry("UK");
  language_.SetActive(true);
  EXPECT_THROW(language_.SetCountry("FR"), ETokenListError);
  EXPECT_EQ(language_.Country(), "UK");
  EXPECT_TRUE(language_.Active());
  EXPECT_EQ(language_.GetToken(1), "One");
  // LoadTokens alone also keeps the texts on failure.
  language_.OnGetTokens = [](const TCountry&) { return std::string("nan=x"); };
  EXPECT_THROW(language_.LoadTokens(), ETokenListError);
  EXPECT_EQ(language_.GetToken(1), "One");
}

}  // namespace
}  // namespace vyn
