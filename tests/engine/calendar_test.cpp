// Julian day numbers and day counts.
#include "engine/calendar.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace vyn {
namespace {

constexpr long kFirstGregorianDay = 2299161;  // 15 October 1582

struct DayNumberCase {
  int day, month, year;
  bool julian;
  long expected;
};

void PrintTo(const DayNumberCase& c, std::ostream* os) {
  *os << c.year << "-" << c.month << "-" << c.day << (c.julian ? " Julian" : " Gregorian");
}

class DayNumberTest : public ::testing::TestWithParam<DayNumberCase> {};

TEST_P(DayNumberTest, CountsDaysFromTheFirstOfJanuary1900) {
  const DayNumberCase& c = GetParam();
  EXPECT_EQ(DayNumber(c.day, c.month, c.year, c.julian), c.expected)
      << c.year << "-" << c.month << "-" << c.day
      << (c.julian ? " Julian" : " Gregorian");
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DayNumberTest,
    ::testing::Values(
        DayNumberCase{1, 1, 1900, false, 0},
        DayNumberCase{28, 2, 1900, false, 58},
        DayNumberCase{1, 3, 1900, false, 59},  // no 29 February in 1900
        DayNumberCase{1, 3, 1900, true, 72},   // 14 March 1900 Gregorian
        DayNumberCase{1, 1, 2000, false, 36524},
        DayNumberCase{1, 3, 2000, false, 36584},  // 29 February 2000 counts
        DayNumberCase{15, 10, 1582, false, -115860},
        DayNumberCase{4, 10, 1582, true, -115861},
        DayNumberCase{31, 12, 1899, false, -1}));

struct JulianDayCase {
  int year, month;
  bool gregorian;
  extended day, jd;
};

void PrintTo(const JulianDayCase& c, std::ostream* os) {
  *os << c.year << "-" << c.month << "-" << static_cast<double>(c.day)
      << (c.gregorian ? " Gregorian" : " Julian");
}

class JulianDayTest : public ::testing::TestWithParam<JulianDayCase> {};

TEST_P(JulianDayTest, GivesTheAstronomersDayNumber) {
  const JulianDayCase& c = GetParam();
  EXPECT_EQ(JulianDay(c.year, c.month, c.gregorian, c.day), c.jd);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, JulianDayTest,
    ::testing::Values(
        JulianDayCase{2000, 1, true, 1.5L, 2451545.0L},
        JulianDayCase{1900, 1, true, 1, 2415020.5L},
        JulianDayCase{1582, 10, true, 15, 2299160.5L},
        JulianDayCase{1582, 10, false, 4, 2299159.5L},
        JulianDayCase{1499, 12, false, 11, 2268911.5L},  // the ephemeris epoch
        JulianDayCase{1960, 5, true, 27.25L, 2437081.75L},
        JulianDayCase{2000, 3, true, 1, 2451604.5L}));

TEST(Calendar, AJulianDateLiesElevenDaysAfterTheSameGregorianDateIn1700) {
  EXPECT_EQ(JulianDay(1700, 3, false, 1) - JulianDay(1700, 3, true, 1), 11);
  EXPECT_EQ(DayNumber(1, 3, 1700, false) - DayNumber(1, 3, 1700, true), -11);
}

TEST(Calendar, DateToJulianDayMatchesJulianDayAtMidnight) {
  for (long date : {20000101L, 19000301L, 15821015L, 17000228L, 21001231L}) {
    const int year = static_cast<int>(date / 10000);
    const int month = static_cast<int>(date / 100 % 100);
    const int day = static_cast<int>(date % 100);
    EXPECT_EQ(DateToJulianDay(date, true), JulianDay(year, month, true, day))
        << date;
  }
  EXPECT_EQ(DateToJulianDay(15821004, false), 2299159.5L);
}

TEST(Calendar, JulianDayToDateSwitchesCalendarAtTheGivenDay) {
  EXPECT_EQ(JulianDayToDate(kFirstGregorianDay, 2299160.5L), 15821015);
  EXPECT_EQ(JulianDayToDate(kFirstGregorianDay, 2299159.5L), 15821004);
  EXPECT_EQ(JulianDayToDate(kFirstGregorianDay, 2451545.0L), 20000101);
  EXPECT_EQ(JulianDayToDate(kFirstGregorianDay, 2268911.5L), 14991211);
  // Switching a century later reads the same day as a Julian date.
  EXPECT_EQ(JulianDayToDate(2400000, 2299160.5L), 15821005);
}

// Every day of a few years around leap days and the calendar change reads
// back as the date it came from.
TEST(Calendar, DatesRoundTripThroughJulianDays) {
  struct {
    long firstJD, lastJD;
  } const spans[] = {{2268911, 2269400}, {2298800, 2299600},
                     {2415000, 2415400}, {2451500, 2451950}};
  for (const auto& span : spans) {
    for (long z = span.firstJD; z <= span.lastJD; ++z) {
      const extended jd = z + 0.5L;
      const long date = JulianDayToDate(kFirstGregorianDay, jd);
      const bool gregorian = z + 1 >= kFirstGregorianDay;
      ASSERT_EQ(DateToJulianDay(date, gregorian), jd) << date;
    }
  }
}

// ---- real dates -------------------------------------------------------------

struct RealDateCase {
  const char* what;
  long double date, gregorianStart;
  bool real;
};

void PrintTo(const RealDateCase& c, std::ostream* os) { *os << c.what; }

class RealDateTest : public ::testing::TestWithParam<RealDateCase> {};

TEST_P(RealDateTest, KnowsTheDaysOfTheCalendarInForce) {
  const RealDateCase& c = GetParam();
  EXPECT_EQ(IsRealDate(c.date, c.gregorianStart), c.real);
}

constexpr long double kPapalStart = 1582.1015L;
constexpr long double kBritishStart = 1752.0914L;
constexpr long double kRussianStart = 1918.0214L;
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kInfinity = std::numeric_limits<long double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Dates, RealDateTest,
    ::testing::Values(
        RealDateCase{"Ordinary", 1985.0612L, kPapalStart, true},
        RealDateCase{"ThirtyFirstOfFebruary", 1985.0231L, kPapalStart, false},
        RealDateCase{"ThirtyFirstOfApril", 1985.0431L, kPapalStart, false},
        RealDateCase{"ThirtyFirstOfDecember", 1985.1231L, kPapalStart, true},
        RealDateCase{"MonthZero", 1985.0012L, kPapalStart, false},
        RealDateCase{"MonthThirteen", 1985.1301L, kPapalStart, false},
        RealDateCase{"DayZero", 1985.0600L, kPapalStart, false},
        RealDateCase{"LeapDay2000", 2000.0229L, kPapalStart, true},
        RealDateCase{"LeapDay1900Gregorian", 1900.0229L, kPapalStart, false},
        RealDateCase{"LeapDay1900StillJulian", 1900.0229L, kRussianStart, true},
        RealDateCase{"LeapDay1700Julian", 1700.0229L, kBritishStart, true},
        RealDateCase{"LeapDay1700Gregorian", 1700.0229L, kPapalStart, false},
        RealDateCase{"NoLeapDayIn1985", 1985.0229L, kRussianStart, false},
        RealDateCase{"LastJulianDay", 1582.1004L, kPapalStart, true},
        RealDateCase{"FirstSkippedDay", 1582.1005L, kPapalStart, false},
        RealDateCase{"LastSkippedDay", 1582.1014L, kPapalStart, false},
        RealDateCase{"FirstGregorianDay", 1582.1015L, kPapalStart, true},
        RealDateCase{"BritishGap", 1752.0910L, kBritishStart, false},
        RealDateCase{"BritishLastJulianDay", 1752.0902L, kBritishStart, true},
        RealDateCase{"GapOnlyWhereTheCalendarChanged", 1582.1010L, kBritishStart, true},
        RealDateCase{"RussianGap", 1918.0201L, kRussianStart, false},
        RealDateCase{"RussianLastJulianDay", 1918.0131L, kRussianStart, true},
        RealDateCase{"StartThatIsNoDateSkipsNothing", 1582.1010L, 1582.1045L, true},
        RealDateCase{"MoreThanFourDecimals", 1985.06125L, kPapalStart, false},
        RealDateCase{"YearZero", 0.0612L, kPapalStart, false},
        RealDateCase{"Negative", -1985.0612L, kPapalStart, false},
        RealDateCase{"TenThousand", 10000.0101L, kPapalStart, false},
        RealDateCase{"Huge", 2147483647.0101L, kPapalStart, false},
        RealDateCase{"NaN", kNaN, kPapalStart, false},
        RealDateCase{"Infinite", kInfinity, kPapalStart, false},
        RealDateCase{"NaNStartMeansGregorian", 1900.0229L, kNaN, false}),
    [](const auto& testParam) { return std::string(testParam.param.what); });

}  // namespace
}  // namespace vyn
