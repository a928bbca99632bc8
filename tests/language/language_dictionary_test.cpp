// The language dictionary: the language INI file read as flat keys.
#include <gtest/gtest.h>

#include <ostream>
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

// One dictionary built from lines that show each rule; every case asks it
// for one key.
TLanguageDictionary FixtureDictionary() {
  TLanguageDictionary dictionary;
  dictionary.LoadLines({
      "[FILEMENU]",
      "NAMES=&Name",
      "[OTHER]",
      "Names=second occurrence",
      "Exit = &Exit ",
      "a line without equals",
      "[Section]=a line beginning with a bracket",
      " [Indented]=not a section line",
      "QUOTED=\"  padded \"",
      "HALF=\"abc",
      "Lead= \"quotes kept\"",
      "Long=" + Repeat("x", 120),
      "Blanked=" + Repeat(" ", 5) + Repeat("x", 120),
      "LongQuoted=\"" + Repeat("y", 120) + "\"",
      "Wide=" + Repeat("\u00e4", 120),
      "Empty=",
      "Pair=b=c",
      "05h=5. Haus",
      "SU=Sonne",
  });
  return dictionary;
}

struct DictionaryCase {
  const char* key;
  std::string text;  // what TranslateCode gives
};

void PrintTo(const DictionaryCase& c, std::ostream* out) { *out << '"' << c.key << '"'; }

class LanguageDictionaryTest : public ::testing::TestWithParam<DictionaryCase> {};

TEST_P(LanguageDictionaryTest, TranslatesTheKey) {
  static const TLanguageDictionary dictionary = FixtureDictionary();
  const DictionaryCase& c = GetParam();
  EXPECT_EQ(dictionary.TranslateCode(c.key), c.text);
  EXPECT_EQ(dictionary.LanguageText(c.key, c.key), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LanguageDictionaryTest,
    ::testing::Values(
        // Keys are upper-cased; the first occurrence counts.
        DictionaryCase{"names", "&Name"}, DictionaryCase{"NaMeS", "&Name"},
        DictionaryCase{"05h", "5. Haus"}, DictionaryCase{"SU", "Sonne"},
        DictionaryCase{"Pair", "b=c"},
        // Blanks stay where they are written, in keys and values.
        DictionaryCase{"exit ", " &Exit "}, DictionaryCase{"exit", "exit"},
        DictionaryCase{" [INDENTED]", "not a section line"},
        // Section lines and lines without "=" are skipped.
        DictionaryCase{"[Section]", "[Section]"},
        DictionaryCase{"a line without equals", "a line without equals"},
        // A value beginning with a quote loses its first and last character;
        // one beginning with a blank keeps its quotes.
        DictionaryCase{"QUOTED", "  padded "}, DictionaryCase{"HALF", "ab"},
        DictionaryCase{"LEAD", " \"quotes kept\""},
        // At most 100 characters, blanks included, cut before the quotes go:
        // the closing quote is cut off, so the last y goes.
        DictionaryCase{"LONG", Repeat("x", 100)},
        DictionaryCase{"BLANKED", Repeat(" ", 5) + Repeat("x", 95)},
        DictionaryCase{"LONGQUOTED", Repeat("y", 98)},
        DictionaryCase{"WIDE", Repeat("\u00e4", 100)},
        // Present with an empty text is not absent.
        DictionaryCase{"Empty", ""}, DictionaryCase{"Mo", "Mo"}));

TEST(LanguageDictionaryCountTest, HoldsOneEntryPerKey) {
  EXPECT_EQ(FixtureDictionary().Count(), 14u);
}

TEST(LanguageDictionaryCountTest, DefaultsServeOnlyAbsentKeys) {
  const TLanguageDictionary dictionary = FixtureDictionary();
  EXPECT_EQ(dictionary.LanguageText("Missing", "&Default"), "&Default");
  EXPECT_EQ(dictionary.LanguageText("EMPTY", "&Default"), "");
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
