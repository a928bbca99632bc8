#include "tools/tz/zone_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tz/tz_test_support.h"

namespace vyn::tz {
namespace {

using test::Utc;

struct Expected {
  std::int64_t at;
  std::int64_t utcOffset;
};

// The changes of UTC offset of the zone's history from the year on.
std::vector<Expected> OffsetChangesFrom(const std::vector<Period>& periods, int fromYear) {
  std::vector<Expected> changes;
  for (std::size_t k = 1; k < periods.size(); ++k) {
    if (periods[k].UtcOffset() == periods[k - 1].UtcOffset()) continue;
    if (periods[k].start < Utc(fromYear, 1, 1)) continue;
    changes.push_back({periods[k].start, periods[k].UtcOffset()});
  }
  return changes;
}

std::vector<Period> HistoryOf(const std::string& snippet, const std::string& zone,
                              int lastYear = 2030) {
  const TzSource source = ParseTzSource(snippet);
  return BuildZoneHistory(*source.FindZone(zone), source, lastYear);
}

// The history agrees with zic's compilation of the same snippet, change
// by change, to the second.
void ExpectSameAsZic(const std::string& snippet, const std::string& zone) {
  const std::vector<Period> periods = HistoryOf(snippet, zone);
  std::vector<OffsetChange> compiled = test::ZicHistory(snippet, zone);
  std::erase_if(compiled, [](const OffsetChange& c) { return c.at >= Utc(2031, 1, 1); });
  std::vector<OffsetChange> ours{{compiled.front().at, periods.front().UtcOffset()}};
  for (std::size_t k = 1; k < periods.size(); ++k)
    if (periods[k].UtcOffset() != ours.back().utcOffset && periods[k].start < Utc(2031, 1, 1))
      ours.push_back({periods[k].start, periods[k].UtcOffset()});
  ASSERT_EQ(ours.size(), compiled.size()) << zone;
  for (std::size_t k = 0; k < ours.size(); ++k) {
    EXPECT_EQ(ours[k].at, compiled[k].at) << zone << " change " << k;
    EXPECT_EQ(ours[k].utcOffset, compiled[k].utcOffset) << zone << " change " << k;
  }
}

constexpr const char* kRuleForms = R"(
R U 2000 ma - Mar lastSu 1u 1 S
R U 2000 ma - O lastSu 1u 0 -
Z Test/Universal 1 U CE%sT
R W 2001 o - Ap Su>=1 2 1 D
R W 2001 o - O lastSu 2 0 S
Z Test/Wall -5 W E%sT
R S 2001 o - Mar Su>=8 2s 1 D
R S 2001 o - N Sun<=7 2s 0 S
Z Test/Standard -5 S E%sT
R L 2001 o - F lastTh 24 1 D
R L 2001 o - O Sa>=30 0 0 S
Z Test/LateDays 3 L %z
)";

TEST(TzZoneHistory, RuleDaysAndTimeSuffixes) {
  // lastSun with a universal time: 2001-03-25 and 2001-10-28 at 01:00 UTC.
  const auto universal = OffsetChangesFrom(HistoryOf(kRuleForms, "Test/Universal"), 2001);
  ASSERT_GE(universal.size(), 2u);
  EXPECT_EQ(universal[0].at, Utc(2001, 3, 25, 1));
  EXPECT_EQ(universal[0].utcOffset, 7200);
  EXPECT_EQ(universal[1].at, Utc(2001, 10, 28, 1));
  EXPECT_EQ(universal[1].utcOffset, 3600);

  // Wall clock: 02:00 EST on 2001-04-01 and 02:00 EDT on 2001-10-28.
  const auto wall = OffsetChangesFrom(HistoryOf(kRuleForms, "Test/Wall"), 2001);
  ASSERT_EQ(wall.size(), 2u);
  EXPECT_EQ(wall[0].at, Utc(2001, 4, 1, 7));
  EXPECT_EQ(wall[1].at, Utc(2001, 10, 28, 6));

  // Standard time: 02:00 EST in both directions; Sun>=8 of March 2001 is
  // the 11th, Sun<=7 of November the 4th.
  const auto standard = OffsetChangesFrom(HistoryOf(kRuleForms, "Test/Standard"), 2001);
  ASSERT_EQ(standard.size(), 2u);
  EXPECT_EQ(standard[0].at, Utc(2001, 3, 11, 7));
  EXPECT_EQ(standard[1].at, Utc(2001, 11, 4, 7));

  // "lastTh 24" of February 2001 is 24:00 on Thursday the 22nd; Sa>=30 of
  // October runs into November (Saturday the 3rd).
  const auto late = OffsetChangesFrom(HistoryOf(kRuleForms, "Test/LateDays"), 2001);
  ASSERT_EQ(late.size(), 2u);
  EXPECT_EQ(late[0].at, Utc(2001, 2, 23, 0) - 3 * 3600);
  EXPECT_EQ(late[1].at, Utc(2001, 11, 3, 0) - 4 * 3600);

  for (const char* zone : {"Test/Universal", "Test/Wall", "Test/Standard", "Test/LateDays"})
    ExpectSameAsZic(kRuleForms, zone);
}

constexpr const char* kContinuation = R"(
Z Test/Lines 0:10 - LMT 1900
1 - CET 1916 May 1 23:00
1 1:00 CEST 1916 O 1 1:00s
1 - CET 1920 Mar 1 2u
2 - EET
)";

TEST(TzZoneHistory, ContinuationLinesStartAtTheUntilOfTheLineBefore) {
  const std::vector<Period> periods = HistoryOf(kContinuation, "Test/Lines");
  ASSERT_EQ(periods.size(), 5u);
  EXPECT_TRUE(periods[0].localMeanTime);
  EXPECT_EQ(periods[0].standardOffset, 600);
  // 1900-01-01 00:00 LMT, 1916-05-01 23:00 CET (wall), 1916-10-01 01:00 CET
  // (standard, while CEST is on), 1920-03-01 02:00 UTC.
  EXPECT_EQ(periods[1].start, Utc(1899, 12, 31, 23, 50));
  EXPECT_EQ(periods[2].start, Utc(1916, 5, 1, 22));
  EXPECT_EQ(periods[2].save, 3600);
  EXPECT_TRUE(periods[2].daylight);
  EXPECT_EQ(periods[3].start, Utc(1916, 10, 1, 0));
  EXPECT_EQ(periods[4].start, Utc(1920, 3, 1, 2));
  EXPECT_EQ(periods[4].UtcOffset(), 7200);
  for (const Period& period : periods) EXPECT_EQ(period.localMeanTime, period.zoneLine == 0);
  ExpectSameAsZic(kContinuation, "Test/Lines");
}

constexpr const char* kLineStarts = R"(
R Y 1990 ma - Mar lastSu 1u 1 S
R Y 1990 ma - O lastSu 1u 0 -
Z Test/MidSummer 0 - GMT 1995 Jul 1
1 Y CE%sT
Z Test/UntilInSummer 1 Y CE%sT 1996 Jun 1 12
3 - MSK
Z Test/AtRuleChange 0 - GMT 1995 Mar 26 1u
1 Y CE%sT
)";

TEST(TzZoneHistory, LinesStartWithTheRuleInForceAndEndOnTheirWallClock) {
  // A line starting in summer takes the summer rule of its set.
  const std::vector<Period> midSummer = HistoryOf(kLineStarts, "Test/MidSummer");
  ASSERT_GE(midSummer.size(), 2u);
  EXPECT_EQ(midSummer[1].start, Utc(1995, 7, 1));
  EXPECT_EQ(midSummer[1].UtcOffset(), 7200);
  // The UNTIL 12:00 is read on the summer wall clock (+2).
  const std::vector<Period> until = HistoryOf(kLineStarts, "Test/UntilInSummer");
  const auto changes = OffsetChangesFrom(until, 1996);
  ASSERT_FALSE(changes.empty());
  EXPECT_EQ(changes[1].at, Utc(1996, 6, 1, 10));
  for (const char* zone : {"Test/MidSummer", "Test/UntilInSummer", "Test/AtRuleChange"})
    ExpectSameAsZic(kLineStarts, zone);
}

constexpr const char* kNegativeSave = R"(
R E 1971 o - O 31 2u -1 -
R E 1972 ma - Mar lastSu 1u 0 -
R E 1972 ma - O lastSu 1u -1 -
Z Test/Negative -0:25:21 - LMT 1880 Au 2
0 - GMT 1968 O 27
1 E IST/GMT
R P 1946 o - D 1 3 -1 GMT
R P 1947 o - F 23 2 0 -
Z Test/Winter 1 P CE%sT
)";

TEST(TzZoneHistory, NegativeSavesAndSecondsInOffsets) {
  const std::vector<Period> periods = HistoryOf(kNegativeSave, "Test/Negative");
  EXPECT_EQ(periods[0].standardOffset, -1521);
  bool sawNegative = false;
  for (const Period& period : periods)
    if (period.save < 0) {
      sawNegative = true;
      EXPECT_TRUE(period.daylight);
      EXPECT_EQ(period.UtcOffset(), 0);
    }
  EXPECT_TRUE(sawNegative);
  ExpectSameAsZic(kNegativeSave, "Test/Negative");
  ExpectSameAsZic(kNegativeSave, "Test/Winter");
}

TEST(TzZoneHistory, FebruaryTwentyNinthInACommonYearIsAnError) {
  EXPECT_EQ(RuleLocalSeconds(2000, 2, ParseDayOfMonth("29", 2), 0), Utc(2000, 2, 29));
  EXPECT_EQ(RuleLocalSeconds(2001, 2, ParseDayOfMonth("lastSu", 2), 0), Utc(2001, 2, 25));
  EXPECT_THROW(RuleLocalSeconds(2001, 2, ParseDayOfMonth("29", 2), 0), TzSourceError);
}

}  // namespace
}  // namespace vyn::tz
