// Clock-change warnings in words, and the placeholder substitution of
// tokens with arguments.
#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "language/clock_change_text.h"
#include "language/language_codes.h"
#include "language/text_file.h"
#include "language/token_format.h"
#include "tests/language/language_fixture.h"

namespace vyn {
namespace {

struct FormatCase {
  const char* text;
  std::vector<std::string> arguments;
  const char* result;
};

void PrintTo(const FormatCase& c, std::ostream* out) { *out << c.text; }

class FormatTokenTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTokenTest, ReplacesPlaceholdersInOnePass) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatToken(c.text, c.arguments), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FormatTokenTest,
    ::testing::Values(FormatCase{"%1 %2 %3, orb %4", {"Sun", "Trine", "Moon", "2.30"},
                                 "Sun Trine Moon, orb 2.30"},
                      FormatCase{"%2 before %1", {"a", "b"}, "b before a"},
                      FormatCase{"%1%1", {"x"}, "xx"},
                      // Inserted text is not searched again.
                      FormatCase{"%1 and %2", {"%2", "b"}, "%2 and b"},
                      FormatCase{"100% %0 %a %", {"x"}, "100% %0 %a %"},
                      FormatCase{"%1 of %3", {"one"}, "one of %3"}));

TEST(FormatTokenTest, HasPlaceholdersWantsEveryOne) {
  EXPECT_TRUE(HasPlaceholders("%2 %1", 2));
  EXPECT_FALSE(HasPlaceholders("%1 only", 2));
  EXPECT_FALSE(HasPlaceholders("", 1));
  EXPECT_TRUE(HasPlaceholders("no arguments", 0));
}

// The London changes of 1941: double summer time began on 4 May (02:00 to
// 03:00) and ended on 10 August (03:00 back to 02:00).
TClockChange London(TClockChangeKind kind, TClockReading reading) {
  const bool skipped = kind == TClockChangeKind::ckSkipped;
  return {kind,         "London",          skipped ? 19410504 : 19410810, 150,
          skipped ? 120 : 180, skipped ? 180 : 120, reading};
}

struct WordsCase {
  TClockChangeKind kind;
  TClockReading reading;
  const char* text;
};

void PrintTo(const WordsCase& c, std::ostream* out) { *out << c.text; }

class ClockChangeTextTest : public testing::TempAppDirectoryTest,
                            public ::testing::WithParamInterface<WordsCase> {};

// The shipped texts of a language, from the content sources.
std::string ContentTokens(const std::string& code) {
  const auto lines =
      ReadTextFileLines(std::string(VYN_CONTENT_DIR) + "/language/" + code + "/tokens.txt");
  std::string text;
  if (lines)
    for (const std::string& line : *lines) text += line + "\n";
  return text;
}

TEST_P(ClockChangeTextTest, WordsTheChangeInEnglish) {
  const WordsCase& c = GetParam();
  TLanguage language;
  testing::LoadFromText(language, "UK", ContentTokens("UK"));
  EXPECT_EQ(ClockChangeText(London(c.kind, c.reading), language), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, ClockChangeTextTest,
    ::testing::Values(
        WordsCase{TClockChangeKind::ckSkipped, TClockReading::crAfterChange,
                  "Local time 02:30 on 1941-05-04 at London does not exist: the clocks went "
                  "forward from 02:00 to 03:00; it is read with the offset after the change."},
        WordsCase{TClockChangeKind::ckSkipped, TClockReading::crBeforeChange,
                  "Local time 02:30 on 1941-05-04 at London does not exist: the clocks went "
                  "forward from 02:00 to 03:00; it is read with the offset before the change."},
        WordsCase{TClockChangeKind::ckRepeated, TClockReading::crBeforeChange,
                  "Local time 02:30 on 1941-08-10 at London occurs twice: the clocks went back "
                  "from 03:00 to 02:00; the earlier reading, before the change, is taken."},
        WordsCase{TClockChangeKind::ckRepeated, TClockReading::crAfterChange,
                  "Local time 02:30 on 1941-08-10 at London occurs twice: the clocks went back "
                  "from 03:00 to 02:00; the later reading, after the change, is taken."}));

class ClockChangeLanguageTest : public testing::TempAppDirectoryTest {};

// Every shipped language words all four cases with every argument in place
// and no placeholder left over, each case differently.
TEST_F(ClockChangeLanguageTest, EveryLanguageWordsEveryCase) {
  for (int item = 1; item <= static_cast<int>(kLanguageMenuCodes.size()); ++item) {
    const std::string code(LanguageCodeOfItem(item));
    SCOPED_TRACE(code);
    TLanguage language;
    testing::LoadFromText(language, code, ContentTokens(code));
    std::vector<std::string> texts;
    for (const auto kind : {TClockChangeKind::ckSkipped, TClockChangeKind::ckRepeated})
      for (const auto reading : {TClockReading::crBeforeChange, TClockReading::crAfterChange}) {
        TClockChange change = London(kind, reading);
        change.placeName = "Ærøskøbing";
        const std::string text = ClockChangeText(change, language);
        for (const char* piece : {"02:30", "Ærøskøbing", "02:00", "03:00"})
          EXPECT_NE(text.find(piece), std::string::npos) << piece << " in " << text;
        EXPECT_NE(text.find(kind == TClockChangeKind::ckSkipped ? "1941-05-04" : "1941-08-10"),
                  std::string::npos)
            << text;
        EXPECT_EQ(text.find('%'), std::string::npos) << text;
        for (const std::string& other : texts) EXPECT_NE(text, other);
        texts.push_back(text);
      }
  }
}

TEST_F(ClockChangeLanguageTest, TranslationsMayReorderTheArguments) {
  TLanguage language;
  testing::LoadFromText(language, "GE", "1400=%3, %2: %1 fehlt (%4 -> %5)");
  EXPECT_EQ(ClockChangeText(London(TClockChangeKind::ckSkipped, TClockReading::crAfterChange),
                            language),
            "London, 1941-05-04: 02:30 fehlt (02:00 -> 03:00)");
}

TEST_F(ClockChangeLanguageTest, ATokenThatCannotTakeTheArgumentsGivesTheEnglishText) {
  TLanguage language;
  testing::LoadFromText(language, "GE", "1401=Uhrzeit fehlt\n1402=%1 %2 %3 %4\n");
  EXPECT_EQ(ClockChangeText(London(TClockChangeKind::ckSkipped, TClockReading::crBeforeChange),
                            language)
                .substr(0, 35),
            "Local time 02:30 on 1941-05-04 at L");
  EXPECT_EQ(ClockChangeText(London(TClockChangeKind::ckRepeated, TClockReading::crBeforeChange),
                            language)
                .substr(0, 35),
            "Local time 02:30 on 1941-08-10 at L");
  // A missing token, too.
  EXPECT_NE(ClockChangeText(London(TClockChangeKind::ckRepeated, TClockReading::crAfterChange),
                            language)
                .find("; the later reading, after the change, is taken."),
            std::string::npos);
}

TEST_F(ClockChangeLanguageTest, APlaceNameWithALineBreakStaysOnOneLine) {
  TLanguage language;
  testing::LoadFromText(language, "UK", "1400=%1 %2 %3 %4 %5");
  TClockChange change = London(TClockChangeKind::ckSkipped, TClockReading::crAfterChange);
  change.placeName = "Lon\ndon";
  EXPECT_EQ(ClockChangeText(change, language), "02:30 1941-05-04 Lon\\ndon 02:00 03:00");
}

TEST_F(ClockChangeLanguageTest, MidnightChangesAndBadRecords) {
  TLanguage language;
  testing::LoadFromText(language, "UK", "1400=%1 %2 %3 %4 %5");
  TClockChange change = London(TClockChangeKind::ckSkipped, TClockReading::crAfterChange);
  change.birthMinute = 0;
  change.changeMinute = 1440;
  change.setToMinute = 60;
  EXPECT_EQ(ClockChangeText(change, language), "00:00 1941-05-04 London 24:00 01:00");

  const struct {
    const char* what;
    void (*damage)(TClockChange&);
  } bad[] = {
      {"negative birth minute", [](TClockChange& c) { c.birthMinute = -1; }},
      {"minute past the day", [](TClockChange& c) { c.changeMinute = 1441; }},
      {"huge minute", [](TClockChange& c) { c.setToMinute = 2147483647; }},
      {"no date", [](TClockChange& c) { c.date = 0; }},
      {"month 13", [](TClockChange& c) { c.date = 19411304; }},
      {"day 0", [](TClockChange& c) { c.date = 19410500; }},
      {"year beyond 9999", [](TClockChange& c) { c.date = 100000504; }},
  };
  for (const auto& b : bad) {
    SCOPED_TRACE(b.what);
    TClockChange damaged = London(TClockChangeKind::ckSkipped, TClockReading::crAfterChange);
    b.damage(damaged);
    EXPECT_THROW(ClockChangeText(damaged, language), std::invalid_argument);
  }
}

}  // namespace
}  // namespace vyn
