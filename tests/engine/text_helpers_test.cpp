// The small text helpers of the views, dialogs and printouts.
#include "engine/text_helpers.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace vyn {
namespace {

TEST(BodyName, NamesBodies1To16AsTheyAreSpelt) {
  const char* names[] = {"Sun",     "Moon",       "Murcury",    "Venus",
                         "Mars",    "Jupiter",    "Saturn",     "Uranus",
                         "Neptune", "Pluto",      "North Node", "South Node",
                         "Ascendant", "MC",       "Decendant",  "IC"};
  for (int n = 1; n <= 16; ++n) EXPECT_EQ(BodyName(n), names[n - 1]) << n;
  for (int n : {0, 17, -1, 100}) EXPECT_EQ(BodyName(n), "") << n;
}

struct FormatCase {
  extended x;
  const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.text; }

class FormatPosTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatPosTest, TruncatesToTwoDecimals) {
  EXPECT_EQ(FormatPos(GetParam().x), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, FormatPosTest,
    ::testing::Values(FormatCase{123.456L, "123.45"}, FormatCase{5.999L, "5.99"},
                      FormatCase{0, "0.00"}, FormatCase{359.5999L, "359.59"},
                      FormatCase{7.5L, "7.50"}, FormatCase{10.30000002L, "10.30"},
                      FormatCase{-1.239L, "-1.23"}));

TEST(SignSplit, GivesTheSignAndThePlaceWithinIt) {
  struct {
    extended x;
    int sign;
    extended rest;
  } const cases[] = {{123.45L, 4, 3.45L}, {359.59L, 11, 29.59L}, {30, 1, 0},
                     {29.59L, 0, 29.59L}, {0, 0, 0}};
  for (const auto& c : cases) {
    const TSignSplit split = SignSplit(c.x);
    EXPECT_EQ(split.sign, c.sign) << static_cast<double>(c.x);
    EXPECT_NEAR(split.rest, c.rest, 1e-12L) << static_cast<double>(c.x);
  }
}

TEST(TwoDigits, PadsOnlyZeroToNine) {
  EXPECT_EQ(TwoDigits(0), "00");
  EXPECT_EQ(TwoDigits(7), "07");
  EXPECT_EQ(TwoDigits(9), "09");
  EXPECT_EQ(TwoDigits(10), "10");
  EXPECT_EQ(TwoDigits(12), "12");
  EXPECT_EQ(TwoDigits(100), "100");
  EXPECT_EQ(TwoDigits(-1), "-1");
}

struct DateCase {
  long date;
  const char* format;
  const char* text;
};

void PrintTo(const DateCase& c, std::ostream* os) {
  *os << c.date << " as " << c.format;
}

class DateTextTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateTextTest, WritesTheDateInTheFormatReplacingImpossibleParts) {
  EXPECT_EQ(DateText(GetParam().date, GetParam().format), GetParam().text)
      << GetParam().date;
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DateTextTest,
    ::testing::Values(
        DateCase{19600527, "dd.MM.yyyy", "27.05.1960"},
        DateCase{20001305, "dd.MM.yyyy", "05.11.2000"},  // month 13 is 11
        DateCase{20000500, "dd.MM.yyyy", "16.05.2000"},  // day 0 is 16
        DateCase{101, "dd.MM.yyyy", "01.01.2000"},       // year 0 is 2000
        DateCase{20000032, "dd.MM.yyyy", "16.11.2000"},  // month 0, day 32
        DateCase{100000101, "dd.MM.yyyy", "01.01.2000"},  // year 10000
        DateCase{99991231, "dd.MM.yyyy", "31.12.9999"},
        DateCase{20000105, "d.M.yy", "5.1.00"},
        DateCase{19991231, "yyyy-MM-dd", "1999-12-31"},
        DateCase{20240704, "MM/dd/yyyy", "07/04/2024"},
        DateCase{20240704, "d 'of' M", "4 of 7"}));

TEST(DateTimeText, JoinsDateAndTimeWithOneBlank) {
  EXPECT_EQ(DateTimeText(1960.0527L, 14.3512L, "dd.MM.yyyy", "HH:mm:ss"),
            "27.05.1960 14:35:12");
  EXPECT_EQ(DateTimeText(2000.0101L, 0.05L, "yyyy-MM-dd", "H:mm"),
            "2000-01-01 0:05");
  EXPECT_EQ(DateTimeText(2000.0101L, 13.05L, "dd.MM.yyyy", "h:mm AP"),
            "01.01.2000 1:05 PM");
  EXPECT_EQ(DateTimeText(2000.0101L, 0.30L, "dd.MM.yyyy", "h:mm ap"),
            "01.01.2000 12:30 am");
}

TEST(StrToIntOrZero, ReadsWholeDecimalIntegersOnly) {
  struct {
    const char* text;
    long value;
  } const cases[] = {{"42", 42}, {"-7", -7}, {"+5", 5},    {"0", 0},
                     {"", 0},    {"12a", 0}, {"1.5", 0},   {"abc", 0},
                     {"-", 0},   {"+", 0},   {"12 ", 0},   {"007", 7}};
  for (const auto& c : cases) EXPECT_EQ(StrToIntOrZero(c.text), c.value) << '"' << c.text << '"';
}

TEST(TrimTrailingBlanks, KeepsLeadingBlanks) {
  EXPECT_EQ(TrimTrailingBlanks("ab  "), "ab");
  EXPECT_EQ(TrimTrailingBlanks("  ab  "), "  ab");
  EXPECT_EQ(TrimTrailingBlanks("a b"), "a b");
  EXPECT_EQ(TrimTrailingBlanks("   "), "");
  EXPECT_EQ(TrimTrailingBlanks(""), "");
}

TEST(SplitAt, GivesThePartBeforeOrAfterTheFirstOccurrence) {
  EXPECT_EQ(SplitAt("key=value", true, '='), "key");
  EXPECT_EQ(SplitAt("key=value", false, '='), "value");
  EXPECT_EQ(SplitAt("a=b=c", true, '='), "a");
  EXPECT_EQ(SplitAt("a=b=c", false, '='), "b=c");
  EXPECT_EQ(SplitAt("=x", true, '='), "");
  EXPECT_EQ(SplitAt("x=", false, '='), "");
  EXPECT_EQ(SplitAt("no sign", true, '='), "");
  EXPECT_EQ(SplitAt("no sign", false, '='), "");
}

TEST(CutToCharacters, CountsCharactersNotBytes) {
  const std::string text = "Z\xC3\xBCrich \xE6\x9D\xB1\xE4\xBA\xAC";  // "Zurich" with u umlaut, then two CJK
  EXPECT_EQ(CutToCharacters(text, 2), "Z\xC3\xBC");
  EXPECT_EQ(CutToCharacters(text, 8), "Z\xC3\xBCrich \xE6\x9D\xB1");
  EXPECT_EQ(CutToCharacters(text, 100), text);
  EXPECT_EQ(CutToCharacters(text, 0), "");
  EXPECT_EQ(CutToCharacters("abc", 2), "ab");
}

TEST(PackRGB, PacksRedGreenBlue) {
  EXPECT_EQ(PackRGB(1, 2, 3), 1 + 2 * 256 + 3 * 65536);
  EXPECT_EQ(PackRGB(255, 255, 255), 16777215);
  EXPECT_EQ(PackRGB(0, 0, 0), 0);
}

}  // namespace
}  // namespace vyn
