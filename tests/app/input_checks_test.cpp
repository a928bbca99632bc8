// The core's checks of typed birth data: what passes, and what is refused
// with the field and the rule in the message.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "app/core/birth_data.h"
#include "app/core/input_checks.h"
#include "app/core/input_error.h"

namespace vyn::core {
namespace {

struct TCheckCase {
  const char* name;
  std::function<void()> check;
  const char* rule;  // empty: the value passes
};

void PrintTo(const TCheckCase& c, std::ostream* os) { *os << c.name; }

class InputCheckTest : public ::testing::TestWithParam<TCheckCase> {};

TEST_P(InputCheckTest, PassesOrNamesFieldAndRule) {
  const TCheckCase& c = GetParam();
  if (std::string(c.rule).empty()) {
    EXPECT_NO_THROW(c.check());
    return;
  }
  try {
    c.check();
    FAIL() << "accepted";
  } catch (const EInputError& e) {
    const std::string message = e.what();
    EXPECT_EQ(message.rfind("F: ", 0), 0u) << message;
    EXPECT_NE(message.find(c.rule), std::string::npos) << message;
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
  }
}

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kInf = std::numeric_limits<long double>::infinity();

TCheckCase Date(const char* name, long double date, long double gregorianStart,
                const char* rule) {
  return {name, [=] { CheckDate(date, gregorianStart, "F"); }, rule};
}

TCheckCase Time(const char* name, long double time, const char* rule) {
  return {name, [=] { CheckClockTime(time, "F"); }, rule};
}

TCheckCase Latitude(const char* name, long double value, const char* rule) {
  return {name, [=] { CheckAngle(value, 90, "north positive", "F"); }, rule};
}

TCheckCase Name(const char* name, std::string text, const char* rule) {
  return {name, [=] { CheckName(text, "F"); }, rule};
}

INSTANTIATE_TEST_SUITE_P(
    Dates, InputCheckTest,
    ::testing::Values(
        Date("Ordinary", 1985.0614L, 1582.1015L, ""),
        Date("ThirtyFirstOfFebruary", 1985.0231L, 1582.1015L, "1985-02-31 does not exist"),
        Date("GregorianNonLeap1900", 1900.0229L, 1582.1015L, "Gregorian calendar"),
        Date("JulianLeap1900", 1900.0229L, 1918.0214L, ""),
        Date("LeapYear2000", 2000.0229L, 1582.1015L, ""),
        Date("DaySkippedByTheReform", 1582.1010L, 1582.1015L, "days skipped"),
        Date("DayZero", 1985.0600L, 1582.1015L, "does not exist"),
        Date("MonthThirteen", 1980.1301L, 1582.1015L, "month from 01 to 12"),
        Date("HugeYear", 2147483647.0101L, 1582.1015L, "year from 1 to 9999"),
        Date("Negative", -1985.0614L, 1582.1015L, "year from 1 to 9999"),
        Date("NaN", kNaN, 1582.1015L, "finite number"),
        Date("Infinite", kInf, 1582.1015L, "finite number"),
        TCheckCase{"IntegerDate", [] { CheckDate(std::int64_t{19850231}, kGregorianAlways, "F"); },
                   "1985-02-31 does not exist"},
        TCheckCase{"IntegerDateTooLarge",
                   [] { CheckDate(std::int64_t{922337203685477580}, kGregorianAlways, "F"); },
                   "YYYYMMDD"}),
    [](const auto& testParam) { return std::string(testParam.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Times, InputCheckTest,
    ::testing::Values(Time("Midnight", 0, ""), Time("LastSecond", 23.5959L, ""),
                      Time("TwentyFour", 24.0L, "clock time"),
                      Time("SixtyMinutes", 12.60L, "below 60"),
                      Time("SixtySeconds", 12.3060L, "below 60"),
                      Time("Negative", -0.01L, "clock time"),
                      Time("NaN", kNaN, "clock time"), Time("Huge", 1e300L, "clock time")),
    [](const auto& testParam) { return std::string(testParam.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Angles, InputCheckTest,
    ::testing::Values(Latitude("Pole", 90, ""), Latitude("SouthPole", -90, ""),
                      Latitude("BeyondThePole", 90.01L, "within -90 to 90"),
                      Latitude("SixtyMinutes", 45.60L, "below 60"),
                      Latitude("Infinite", -kInf, "finite number"),
                      Latitude("NaN", kNaN, "finite number")),
    [](const auto& testParam) { return std::string(testParam.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Names, InputCheckTest,
    ::testing::Values(Name("Empty", "", ""), Name("FortyLetters", std::string(40, 'a'), ""),
                      // 40 characters of two bytes each: counted as 40, not 80.
                      Name("FortyUmlauts", [] {
                        std::string s;
                        for (int i = 0; i < 40; ++i) s += "\u00e4";
                        return s;
                      }(), ""),
                      Name("FortyOne", std::string(41, 'a'), "at most 40 characters (it has 41)"),
                      Name("Newline", "Anna\nLindqvist", "control characters"),
                      Name("Nul", std::string("a\0b", 3), "control characters"),
                      Name("BrokenUtf8", "\xC3(", "UTF-8"),
                      TCheckCase{"LanguageCode", [] { CheckLanguageCode("HU", "F"); }, ""},
                      TCheckCase{"UnknownLanguage", [] { CheckLanguageCode("XY", "F"); },
                                 "DK UK FR GE GR IT PR SP SW FI DU NR US HU"},
                      TCheckCase{"LowerCaseLanguage", [] { CheckLanguageCode("uk", "F"); },
                                 "language codes"}),
    [](const auto& testParam) { return std::string(testParam.param.name); });

TEST(BirthDataTest, TheFirstFaultIsNamedUnderItsChart) {
  TBirthData birth;
  EXPECT_NO_THROW(CheckBirthData(birth, "charts[0]"));
  birth.birthDate = 1700.0229L;  // a Julian leap day, but Gregorian there
  birth.gregorianStart = 1582.1015L;
  try {
    CheckBirthData(birth, "charts[1]");
    FAIL() << "accepted";
  } catch (const EInputError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("charts[1].BirthDate: ", 0), 0u) << e.what();
  }
  birth.gregorianStart = 1752.0914L;  // still Julian in 1700
  EXPECT_NO_THROW(CheckBirthData(birth, "charts[1]"));
  birth.lastName = std::string(41, 'x');
  EXPECT_THROW(CheckBirthData(birth, ""), EInputError);
}

TEST(BirthDataTest, DateAndTimeNumbersReadLikeTheChartRecord) {
  EXPECT_EQ(DateNumber(1985.0614L), 19850614);
  EXPECT_EQ(DateNumber(1960.0527L), 19600527);
  EXPECT_EQ(TimeNumber(14.35L), 143500);
  EXPECT_EQ(TimeNumber(2.3045L), 23045);
}

}  // namespace
}  // namespace vyn::core
