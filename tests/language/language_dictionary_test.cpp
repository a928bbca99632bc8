// The language dictionary: the language INI file read as flat keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language/language_dictionary.h"
#include "tests/language/language_fixture.h"

namespace vyn {
namespace {

std::string Repeat(const std::string& piece, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += piece;
  return text;
}

class LanguageDictionaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dictionary_.LoadLines({
        "[FILEMENU]",
        "NAMES=&Name",
        "[OTHER]",
        "Names=second occurrence",
        "Exit = &Exit ",
        "a line without equals",
        "[Section]=a line beginning with a bracket",
        "QUOTED=\"  padded \"",
        "HALF=\"abc",
        "Long=" + Repeat("x", 120),
        "LongQuoted=\"" + Repeat("y", 120) + "\"",
        "Wide=" + Repeat("ä", 120),
        "Empty=",
        "Pair=b=c",
        "05h=5. Haus",
        "SU=Sonne",
    });
  }
  TLanguageDictionary dictionary_;
};

TEST_F(LanguageDictionaryTest, KeysAreUpperCasedAndTheFirstOccurrenceCounts) {
  EXPECT_EQ(dictionary_.TranslateCode("names"), "&Name");
  EXPECT_EQ(dictionary_.TranslateCode("NaMeS"), "&Name");
  EXPECT_EQ(dictionary_.LanguageText("exit", "default"), "&Exit");
  EXPECT_EQ(dictionary_.TranslateCode("05h"), "5. Haus");
  EXPECT_EQ(dictionary_.TranslateCode("SU"), "Sonne");
  EXPECT_EQ(dictionary_.TranslateCode("Pair"), "b=c");
}

TEST_F(LanguageDictionaryTest, SkipsSectionLinesAndLinesWithoutEquals) {
  EXPECT_EQ(dictionary_.TranslateCode("[Section]"), "[Section]");
  EXPECT_EQ(dictionary_.TranslateCode("a line without equals"), "a line without equals");
  EXPECT_EQ(dictionary_.Count(), 11u);
}

TEST_F(LanguageDictionaryTest, QuotedValuesLoseTheirFirstAndLastCharacters) {
  EXPECT_EQ(dictionary_.TranslateCode("QUOTED"), "  padded ");
  EXPECT_EQ(dictionary_.TranslateCode("HALF"), "ab");
  // Cut to 100 characters first: the closing quote is gone, the last y goes.
  EXPECT_EQ(dictionary_.TranslateCode("LONGQUOTED"), Repeat("y", 98));
}

TEST_F(LanguageDictionaryTest, ValuesHoldAtMost100Characters) {
  EXPECT_EQ(dictionary_.TranslateCode("LONG"), Repeat("x", 100));
  EXPECT_EQ(dictionary_.TranslateCode("WIDE"), Repeat("ä", 100));
}

TEST_F(LanguageDictionaryTest, AbsentOrEmptyKeysGiveTheKeyOrTheDefault) {
  EXPECT_EQ(dictionary_.TranslateCode("Mo"), "Mo");
  EXPECT_EQ(dictionary_.TranslateCode("Empty"), "Empty");
  EXPECT_EQ(dictionary_.LanguageText("Missing", "&Default"), "&Default");
  EXPECT_EQ(dictionary_.LanguageText("EMPTY", "&Default"), "&Default");
}

class LanguageFileTest : public testing::TempAppDirectoryTest {};

TEST_F(LanguageFileTest, LoadsLanguageFileWhateverTheLetterCase) {
  WriteAppFile("language/ge.ini", "[Codes]\r\nSU=Sonne\r\nMO=Mond\r\n");
  EXPECT_EQ(LanguageIniPath("GE"), app_.Path() + "/language/ge.ini");
  TLanguageDictionary dictionary;
  dictionary.LoadLanguage("GE");
  EXPECT_EQ(dictionary.TranslateCode("mo"), "Mond");
}

TEST_F(LanguageFileTest, MissingFileNamesItAndKeepsTheEntries) {
  WriteAppFile("Language/UK.INI", "SU=Sun\n");
  TLanguageDictionary dictionary;
  dictionary.LoadLanguage("UK");
  try {
    dictionary.LoadLanguage("FR");
    FAIL() << "no error";
  } catch (const ELanguageFileError& e) {
    EXPECT_EQ(e.Path(), app_.Path() + "/Language/FR.INI");
    EXPECT_NE(std::string(e.what()).find(e.Path()), std::string::npos);
  }
  EXPECT_EQ(dictionary.TranslateCode("SU"), "Sun");
}

}  // namespace
}  // namespace vyn
