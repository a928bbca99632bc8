#include "tools/tz/zone_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tests/tz/tz_test_support.h"
#include "tools/tz/atlas_lookup.h"
#include "tools/tz/civil_date.h"

namespace vyn::tz {
namespace {

using test::Utc;

ClockPeriod At(std::int64_t utc, int standardSeconds, int summerSeconds, bool lmt = false) {
  return {utc, standardSeconds, summerSeconds, lmt};
}
ClockPeriod Initially(int standardSeconds, int summerSeconds, bool lmt = false) {
  return At(kBeginningOfTime, standardSeconds, summerSeconds, lmt);
}
constexpr int kHour = 3600;

// The offset in minutes east that the tables should give a local time: its
// only reading, the earlier of two readings, or for a time that a change
// skips the offset after the change.
int ConventionalOffset(const std::vector<ClockPeriod>& history, std::int64_t local) {
  const auto minutes = [](std::int64_t seconds) {
    return static_cast<int>(FloorDiv(seconds + 30, 60));
  };
  for (std::size_t k = 0; k < history.size(); ++k) {
    const std::int64_t utc = local - history[k].UtcOffset();
    const std::int64_t end = k + 1 < history.size() ? history[k + 1].start
                                                    : std::numeric_limits<std::int64_t>::max();
    if (utc >= history[k].start && utc < end) return minutes(history[k].UtcOffset());
  }
  for (std::size_t k = 1; k < history.size(); ++k)
    if (local >= history[k].start + history[k - 1].UtcOffset() &&
        local < history[k].start + history[k].UtcOffset())
      return minutes(history[k].UtcOffset());
  ADD_FAILURE() << "no reading of local time " << local;
  return 0;
}

// Every minute (at :00 and :59 seconds) of the local days from..to (both
// YYYYMMDD, to exclusive) looks up the conventional offset.
void ExpectLookupsFollowHistory(const std::vector<ClockPeriod>& history,
                                const ZoneTables& tables, int from, int to) {
  int failures = 0;
  for (std::int64_t day = DaysFromPackedDate(from); day < DaysFromPackedDate(to); ++day)
    for (int minute = 0; minute < 1440; ++minute)
      for (const int second : {0, 59}) {
        const std::int64_t local = day * kSecondsPerDay + minute * 60 + second;
        const int hhmmss = minute / 60 * 10000 + minute % 60 * 100 + second;
        const auto derived = LookUpOffsetMinutes(tables, PackedDate(day), hhmmss);
        const int expected = ConventionalOffset(history, local);
        if (derived == expected || ++failures > 5) continue;
        ADD_FAILURE() << PackedDate(day) << " " << hhmmss << ": rows give "
                      << (derived ? std::to_string(*derived) : "nothing") << ", expected "
                      << expected;
      }
}

struct TablesCase {
  const char* what;
  std::vector<ClockPeriod> history;
  std::vector<ZoneRow> zone;
  std::vector<SummerRow> summer;
  int sweepFrom;
  int sweepTo;
};

TEST(TzZoneTables, ChangesOfStandardOffsetAndSummerTime) {
  const TablesCase cases[] = {
      {"standard change at local midnight",
       {Initially(kHour, 0), At(Utc(2000, 1, 9, 23), 2 * kHour, 0)},
       {{18500101, -100, false}, {20000110, -200, false}},
       {},
       20000108, 20000112},
      {"standard offset falls at 02:00: row on the day, bridge from midnight",
       {Initially(3 * kHour, 0), At(Utc(2000, 1, 9, 23), 2 * kHour, 0)},
       {{18500101, -300, false}, {20000110, -200, false}},
       {{20000109, 2400, 100}, {20000110, 200, 0}},
       20000108, 20000112},
      {"standard offset rises at 23:00: row on the next day, bridge to midnight",
       {Initially(2 * kHour, 0), At(Utc(2000, 1, 10, 21), 3 * kHour, 0)},
       {{18500101, -200, false}, {20000111, -300, false}},
       {{20000110, 2300, 100}, {20000111, 0, 0}},
       20000109, 20000113},
      {"standard offset falls into summer time at 02:00 (clocks unchanged)",
       {Initially(3 * kHour, 0), At(Utc(1991, 3, 30, 23), 2 * kHour, kHour)},
       {{18500101, -300, false}, {19910331, -200, false}},
       {{19910331, 0, 100}},
       19910329, 19910402},
      {"summer time from 02:00 wall clock to 03:00 summer wall clock",
       {Initially(kHour, 0), At(Utc(2000, 3, 26, 1), kHour, kHour),
        At(Utc(2000, 10, 29, 1), kHour, 0)},
       {{18500101, -100, false}},
       {{20000326, 200, 100}, {20001029, 300, 0}},
       20000325, 20000327},
      {"bridge back to midnight on a date that has its own change: 2400",
       {Initially(2 * kHour, 0), At(Utc(2000, 1, 10, 21), 3 * kHour, 0),
        At(Utc(2000, 1, 10, 23), 3 * kHour, kHour)},
       {{18500101, -200, false}, {20000111, -300, false}},
       {{20000110, 2300, 100}, {20000110, 2400, 0}, {20000111, 200, 100}},
       20000109, 20000113},
      {"half-hour summer time",
       {Initially(10 * kHour + 1800, 0), At(Utc(1990, 10, 27, 15, 30), 10 * kHour + 1800, 1800)},
       {{18500101, -1030, false}},
       {{19901028, 200, 30}},
       19901027, 19901029},
  };
  for (const TablesCase& c : cases) {
    SCOPED_TRACE(c.what);
    const ZoneTables tables = BuildZoneTables(c.history);
    EXPECT_EQ(tables.zone, c.zone);
    EXPECT_EQ(tables.summer, c.summer);
    ExpectLookupsFollowHistory(c.history, tables, c.sweepFrom, c.sweepTo);
  }
}

TEST(TzZoneTables, LocalMeanTimeDays) {
  // Mean time ahead of the new standard time: the bridge covers the
  // mean-time hours, so the day is a standard-time day although mean time
  // held for 17 of its hours (as a mean-time day its later hours would need
  // a negative TimeDiff).
  const std::vector<ClockPeriod> ahead{Initially(4200, 0, true),
                                       At(Utc(1900, 5, 1, 17) - 4200, kHour, 0)};
  const ZoneTables aheadTables = BuildZoneTables(ahead);
  EXPECT_EQ(aheadTables.zone,
            (std::vector<ZoneRow>{{18500101, -110, true}, {19000501, -100, false}}));
  EXPECT_EQ(aheadTables.summer,
            (std::vector<SummerRow>{{19000430, 2400, 10}, {19000501, 1700, 0}}));
  ExpectLookupsFollowHistory(ahead, aheadTables, 19000429, 19000503);

  // Mean time behind: a bridge before the change would be negative, so the
  // day stays a mean-time day and the hours after noon carry the bridge.
  const std::vector<ClockPeriod> behind{Initially(3000, 0, true),
                                        At(Utc(1900, 5, 1, 12) - 3000, kHour, 0)};
  TableStatistics statistics;
  const ZoneTables behindTables = BuildZoneTables(behind, {}, &statistics);
  EXPECT_EQ(behindTables.zone,
            (std::vector<ZoneRow>{{18500101, -50, true}, {19000502, -100, false}}));
  EXPECT_EQ(behindTables.summer,
            (std::vector<SummerRow>{{19000501, 1200, 10}, {19000502, 0, 0}}));
  EXPECT_EQ(statistics.localMeanTimeDaysWithStandardHours, 1);
  ExpectLookupsFollowHistory(behind, behindTables, 19000429, 19000503);
}

TEST(TzZoneTables, SecondsAreRoundedToTheNearestMinute) {
  // +0:19:32 mean time, then +0:20 until 1940-05-16 00:00 local, whose
  // change at 23:40 UTC falls on local midnight.
  const std::vector<ClockPeriod> history{Initially(1172, 0), At(Utc(1937, 6, 30, 23, 40, 28), 1200, 0),
                                         At(Utc(1940, 5, 15, 23, 40), kHour, 0)};
  TableStatistics statistics;
  const ZoneTables tables = BuildZoneTables(history, {}, &statistics);
  EXPECT_EQ(tables.zone, (std::vector<ZoneRow>{{18500101, -20, false}, {19400516, -100, false}}));
  EXPECT_TRUE(tables.summer.empty());
  EXPECT_EQ(statistics.roundedZoneRows, 1);
  ASSERT_EQ(statistics.roundedStandardRows.size(), 1u);
  EXPECT_EQ(statistics.roundedStandardRows[0].exactSeconds, 1172);

  // A change at 12:03:58 mean time (-4:56:02) takes effect at 12:04.
  const std::vector<ClockPeriod> newYork{Initially(-17762, 0, true),
                                         At(Utc(1883, 11, 18, 17), -5 * kHour, 0)};
  const ZoneTables nyTables = BuildZoneTables(newYork);
  EXPECT_EQ(nyTables.zone,
            (std::vector<ZoneRow>{{18500101, 456, true}, {18831118, 500, false}}));
  EXPECT_EQ(nyTables.summer,
            (std::vector<SummerRow>{{18831117, 2400, 4}, {18831118, 1204, 0}}));
}

TEST(TzZoneTables, TheRangeLimitsTheRows) {
  const std::vector<ClockPeriod> history{Initially(kHour, 0), At(Utc(1800, 1, 1), kHour, kHour),
                                         At(Utc(1800, 6, 1), kHour, 0),
                                         At(Utc(2200, 1, 1), 2 * kHour, 0)};
  const ZoneTables tables = BuildZoneTables(history);
  EXPECT_EQ(tables.zone, (std::vector<ZoneRow>{{18500101, -100, false}}));
  EXPECT_TRUE(tables.summer.empty());
  const ZoneTables summerAtStart =
      BuildZoneTables({Initially(kHour, 0), At(Utc(1849, 6, 1), kHour, kHour)});
  EXPECT_EQ(summerAtStart.summer, (std::vector<SummerRow>{{18500101, 0, 100}}));
}

TEST(TzZoneTables, HoursAndMinutesForms) {
  const std::pair<int, int> cases[] = {{60, -100},  {-300, 500}, {330, -530}, {-25, 25},
                                       {-570, 930}, {0, 0},      {765, -1245}, {-1, 1}};
  for (const auto& [east, timeDelta] : cases) {
    EXPECT_EQ(TimeDeltaFromMinutesEast(east), timeDelta) << east;
    EXPECT_EQ(-HoursMinutesToMinutes(timeDelta), east) << timeDelta;
  }
}

// The look-ups on the rows, as the program performs them.
TEST(TzAtlasLookup, ZoneAndSummerRowsByLocalDateAndTime) {
  const std::vector<ZoneRow> zone{{19000101, -100, false}, {19400515, -200, false}};
  EXPECT_EQ(LookUpZoneRow(zone, 19400515)->timeDelta, -200);
  EXPECT_EQ(LookUpZoneRow(zone, 19400514)->timeDelta, -100);
  EXPECT_EQ(LookUpZoneRow(zone, 21000101)->timeDelta, -200);
  EXPECT_FALSE(LookUpZoneRow(zone, 18991231).has_value());

  const std::vector<SummerRow> summer{{19800330, 200, 100}, {19800928, 300, 0}};
  EXPECT_EQ(LookUpTimeDiff(summer, 19800330, 15959), 0);
  EXPECT_EQ(LookUpTimeDiff(summer, 19800330, 20000), 100);
  EXPECT_EQ(LookUpTimeDiff(summer, 19800601, 120000), 100);
  EXPECT_EQ(LookUpTimeDiff(summer, 19800928, 25900), 100);
  EXPECT_EQ(LookUpTimeDiff(summer, 19800928, 30000), 0);
  EXPECT_EQ(LookUpTimeDiff(summer, 19700101, 0), 0);
  EXPECT_EQ(LookUpTimeDiff({}, 19800601, 0), 0);

  // A row at 2400 counts from the next midnight; of two rows on one date
  // only the first is ever read, which is why the tables avoid them.
  const std::vector<SummerRow> late{{20000109, 2400, 100}, {20000110, 200, 0}};
  EXPECT_EQ(LookUpTimeDiff(late, 20000109, 235959), 0);
  EXPECT_EQ(LookUpTimeDiff(late, 20000110, 0), 100);
  EXPECT_EQ(LookUpTimeDiff(late, 20000110, 20000), 0);
  const std::vector<SummerRow> twoOnADate{{20000110, 0, 100}, {20000110, 200, 0}};
  EXPECT_EQ(LookUpTimeDiff(twoOnADate, 20000110, 30000), 100);

  const ZoneTables tables{zone, summer};
  EXPECT_EQ(LookUpOffsetMinutes(tables, 19800601, 120000), 180);
  EXPECT_FALSE(LookUpOffsetMinutes(tables, 18000101, 0).has_value());
}

}  // namespace
}  // namespace vyn::tz
