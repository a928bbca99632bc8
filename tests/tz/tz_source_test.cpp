#include "tools/tz/tz_source.h"

#include <gtest/gtest.h>

#include <string>

namespace vyn::tz {
namespace {

struct TimeCase {
  const char* text;
  std::int64_t seconds;
  ClockKind clock;
};

TEST(TzSourceFields, TimesOfDayWithSuffixes) {
  const TimeCase cases[] = {
      {"2", 7200, ClockKind::Wall},          {"2:00", 7200, ClockKind::Wall},
      {"2:00w", 7200, ClockKind::Wall},      {"2s", 7200, ClockKind::Standard},
      {"1u", 3600, ClockKind::Universal},    {"1g", 3600, ClockKind::Universal},
      {"1z", 3600, ClockKind::Universal},    {"-", 0, ClockKind::Wall},
      {"24:00", 86400, ClockKind::Wall},     {"260:00", 936000, ClockKind::Wall},
      {"-2:30", -9000, ClockKind::Wall},     {"01:28:14", 5294, ClockKind::Wall},
      {"00:19:32.13", 1172, ClockKind::Wall},  // fractions round to the second
      {"0:0:0.5", 0, ClockKind::Wall},         // ties go to the even second
      {"0:0:1.5", 2, ClockKind::Wall},         {"0:0:1.51", 2, ClockKind::Wall},
  };
  for (const TimeCase& c : cases) {
    const TimeOfDay time = ParseTimeOfDay(c.text);
    EXPECT_EQ(time.seconds, c.seconds) << c.text;
    EXPECT_EQ(time.clock, c.clock) << c.text;
  }
  for (const char* bad : {"", "x", "2:60", "1:2:3:4", "2:00q", "--1", "1:"})
    EXPECT_THROW(ParseTimeOfDay(bad), TzSourceError) << bad;
}

TEST(TzSourceFields, SaveAmountsCountAsDaylightUnlessZeroOrMarked) {
  struct Case {
    const char* text;
    std::int64_t seconds;
    bool daylight;
  };
  const Case cases[] = {{"1", 3600, true},      {"0", 0, false},       {"-", 0, false},
                        {"-1", -3600, true},    {"0:30", 1800, true},  {"2", 7200, true},
                        {"1:00s", 3600, false}, {"0d", 0, true},       {"-1:00", -3600, true}};
  for (const Case& c : cases) {
    const SaveAmount save = ParseSaveAmount(c.text);
    EXPECT_EQ(save.seconds, c.seconds) << c.text;
    EXPECT_EQ(save.daylight, c.daylight) << c.text;
  }
}

TEST(TzSourceFields, MonthNamesByUnambiguousPrefix) {
  const std::pair<const char*, int> cases[] = {
      {"Ja", 1}, {"F", 2},  {"Mar", 3}, {"Ap", 4}, {"May", 5},      {"Jun", 6},
      {"Jul", 7}, {"Au", 8}, {"S", 9},   {"O", 10}, {"N", 11},       {"D", 12},
      {"january", 1}, {"DECEMBER", 12}};
  for (const auto& [text, month] : cases) EXPECT_EQ(ParseMonthName(text), month) << text;
  for (const char* bad : {"Ju", "Ma", "A", "X", "", "Janu4ry"})
    EXPECT_THROW(ParseMonthName(bad), TzSourceError) << bad;
}

TEST(TzSourceFields, DaysOfMonth) {
  const DayOfMonth lastSunday = ParseDayOfMonth("lastSu", 3);
  EXPECT_EQ(lastSunday.kind, DayKind::WeekdayOnOrBefore);
  EXPECT_TRUE(lastSunday.last);
  EXPECT_EQ(lastSunday.day, 31);
  EXPECT_EQ(lastSunday.weekday, 0);
  EXPECT_EQ(ParseDayOfMonth("lastTh", 2).day, 29);  // corrected per year later
  EXPECT_EQ(ParseDayOfMonth("lastSunday", 4).day, 30);

  const DayOfMonth onOrAfter = ParseDayOfMonth("Su>=8", 3);
  EXPECT_EQ(onOrAfter.kind, DayKind::WeekdayOnOrAfter);
  EXPECT_EQ(onOrAfter.day, 8);
  EXPECT_EQ(onOrAfter.weekday, 0);
  const DayOfMonth onOrBefore = ParseDayOfMonth("Sat<=25", 9);
  EXPECT_EQ(onOrBefore.kind, DayKind::WeekdayOnOrBefore);
  EXPECT_EQ(onOrBefore.day, 25);
  EXPECT_EQ(onOrBefore.weekday, 6);
  EXPECT_EQ(ParseDayOfMonth("M>=1", 9).weekday, 1);
  EXPECT_EQ(ParseDayOfMonth("F<=1", 4).weekday, 5);
  const DayOfMonth fixed = ParseDayOfMonth("15", 6);
  EXPECT_EQ(fixed.kind, DayKind::Fixed);
  EXPECT_EQ(fixed.day, 15);

  for (const char* bad : {"Su>8", "S>=1", "T>=1", "32", "0", "last", "lastX", "Su>=", "31x"})
    EXPECT_THROW(ParseDayOfMonth(bad, 3), TzSourceError) << bad;
  EXPECT_THROW(ParseDayOfMonth("31", 4), TzSourceError);
  EXPECT_NO_THROW(ParseDayOfMonth("29", 2));
}

constexpr const char* kSnippet = R"(# version 2099z
# A comment line.
R X 1990 ma - Mar lastSu 1u 1 S   # trailing comment
R X 1990 1995 - S lastSu 1u 0 -
R X 1996 ma - O lastSu 1u 0 -
R Y mi o - Ja 1 0 0 -
Z Test/Zone 0:9:21 - LMT 1891 Mar 16
0:9:21 - "P MT" 1911 Mar 11 0:1
0 X WE%sT 1940 Jun 14 23
1 0:30 +0130 1950
1 X CE%sT
L Test/Zone Test/Link
L Test/Link Test/Link2
)";

TEST(TzSourceParser, ReadsRulesZonesContinuationLinesAndLinks) {
  const TzSource source = ParseTzSource(kSnippet);
  EXPECT_EQ(source.version, "2099z");
  ASSERT_EQ(source.rules.at("X").size(), 3u);
  const RuleLine& first = source.rules.at("X")[0];
  EXPECT_EQ(first.fromYear, 1990);
  EXPECT_EQ(first.toYear, kMaximumYear);
  EXPECT_EQ(first.month, 3);
  EXPECT_TRUE(first.on.last);
  EXPECT_EQ(first.at.clock, ClockKind::Universal);
  EXPECT_EQ(first.save.seconds, 3600);
  EXPECT_EQ(first.lineNumber, 3);
  EXPECT_EQ(source.rules.at("X")[1].toYear, 1995);
  EXPECT_EQ(source.rules.at("Y")[0].fromYear, kMinimumYear);
  EXPECT_EQ(source.rules.at("Y")[0].toYear, kMinimumYear);  // "only" repeats FROM

  ASSERT_EQ(source.zones.size(), 1u);
  const Zone& zone = source.zones[0];
  EXPECT_EQ(zone.name, "Test/Zone");
  ASSERT_EQ(zone.lines.size(), 5u);
  EXPECT_EQ(zone.lines[0].standardOffset, 561);
  EXPECT_EQ(zone.lines[0].rules, ZoneLine::Rules::Standard);
  EXPECT_EQ(zone.lines[0].format, "LMT");
  EXPECT_EQ(zone.lines[0].untilYear, 1891);
  EXPECT_EQ(zone.lines[0].untilMonth, 3);
  EXPECT_EQ(zone.lines[0].untilDay.day, 16);
  EXPECT_EQ(zone.lines[1].format, "P MT");  // quoted field
  EXPECT_EQ(zone.lines[1].untilTime.seconds, 60);
  EXPECT_EQ(zone.lines[2].rules, ZoneLine::Rules::Named);
  EXPECT_EQ(zone.lines[2].ruleName, "X");
  EXPECT_EQ(zone.lines[2].untilTime.seconds, 23 * 3600);
  EXPECT_EQ(zone.lines[3].rules, ZoneLine::Rules::Fixed);
  EXPECT_EQ(zone.lines[3].fixedSave.seconds, 1800);
  EXPECT_TRUE(zone.lines[3].fixedSave.daylight);
  EXPECT_EQ(zone.lines[3].untilYear, 1950);
  EXPECT_EQ(zone.lines[3].untilMonth, 1);  // missing fields default to the start
  EXPECT_EQ(zone.lines[3].untilDay.day, 1);
  EXPECT_FALSE(zone.lines[4].hasUntil);
  EXPECT_EQ(zone.lines[4].lineNumber, 11);

  ASSERT_EQ(source.links.size(), 2u);
  EXPECT_EQ(source.ResolveName("Test/Link2"), &zone);
  EXPECT_EQ(source.ResolveName("Test/Zone"), &zone);
  EXPECT_EQ(source.ResolveName("Test/None"), nullptr);
}

TEST(TzSourceParser, LongKeywordsAndWholeNames) {
  const TzSource source = ParseTzSource(
      "Rule\tUS\t1967\tonly\t-\tApril\tlastSunday\t2:00w\t1:00d\tD\n"
      "Zone\tTest/Long\t-5:00\tUS\tE%sT\n"
      "Link\tTest/Long\tTest/Alias\n");
  EXPECT_EQ(source.rules.at("US")[0].toYear, 1967);
  EXPECT_EQ(source.rules.at("US")[0].month, 4);
  EXPECT_EQ(source.zones[0].lines[0].standardOffset, -18000);
  EXPECT_EQ(source.links[0].name, "Test/Alias");
}

TEST(TzSourceParser, ErrorsNameTheLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"Z A 1 - X 2000\n", "no continuation line"},
      {"Z A 1 Nope X\n", "unknown rule set"},
      {"Z A 1 - X\nZ A 2 - Y\n", "duplicate zone name"},
      {"L Nowhere B\n", "leads to no zone"},
      {"Z A 1 - X\nQ A\n", "line 2"},
      {"R X 1990 1980 - Mar 1 0 1 S\n", "line 1"},
      {"R X 1990 o x Mar 1 0 1 S\n", "TYPE"},
      {"\nR X 1990 o - Mar 1 0 1\n", "line 2"},
      {"Z A 1 - X 2000 Mar 1 2 extra\n", "too many fields"},
      {"Z A 1:99 - X\n", "time expected"},
  };
  for (const auto& [text, fragment] : cases) {
    try {
      ParseTzSource(text);
      ADD_FAILURE() << "no error for: " << text;
    } catch (const TzSourceError& error) {
      EXPECT_NE(std::string(error.what()).find(fragment), std::string::npos)
          << error.what() << " for: " << text;
    }
  }
}

}  // namespace
}  // namespace vyn::tz
