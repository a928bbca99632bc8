// Facts of the committed tzdata.zi as the atlas rows must give them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/tz/tz_test_support.h"
#include "tools/tz/atlas_lookup.h"

namespace vyn::tz {
namespace {

using test::AtlasZoneNamed;
using test::CommittedAtlas;

struct Moment {
  const char* zone;
  int date;
  int hhmmss;
  int timeDelta;  // expected ZONE value
  int timeDiff;   // expected SUMMER value
};

void ExpectMoments(std::initializer_list<Moment> moments) {
  for (const Moment& m : moments) {
    const ZoneTables& tables = AtlasZoneNamed(m.zone).tables;
    const auto row = LookUpZoneRow(tables.zone, m.date);
    ASSERT_TRUE(row.has_value()) << m.zone << " " << m.date;
    EXPECT_EQ(row->timeDelta, m.timeDelta) << m.zone << " " << m.date << " " << m.hhmmss;
    EXPECT_EQ(LookUpTimeDiff(tables.summer, m.date, m.hhmmss), m.timeDiff)
        << m.zone << " " << m.date << " " << m.hhmmss;
  }
}

TEST(TzAtlasFacts, SourceVersionAndNames) {
  const Atlas& atlas = CommittedAtlas();
  EXPECT_EQ(atlas.version, "2025b");
  EXPECT_EQ(atlas.zones.size(), static_cast<std::size_t>(atlas.zoneCount + atlas.linkCount));
  EXPECT_EQ(atlas.zones.front().zoneId, "1001");
  EXPECT_TRUE(std::is_sorted(atlas.zones.begin(), atlas.zones.end(),
                             [](const AtlasZone& a, const AtlasZone& b) {
                               return a.zoneName < b.zoneName;
                             }));
  for (std::size_t i = 0; i < atlas.zones.size(); ++i)
    EXPECT_EQ(atlas.zones[i].zoneId, std::to_string(1001 + i));
  // A link is a zone of its own name with its target's rows.
  const AtlasZone& link = AtlasZoneNamed("US/Eastern");
  const AtlasZone& target = AtlasZoneNamed("America/New_York");
  EXPECT_EQ(link.target, "America/New_York");
  EXPECT_NE(link.zoneId, target.zoneId);
  EXPECT_EQ(link.tables.zone, target.tables.zone);
  EXPECT_EQ(link.tables.summer, target.tables.summer);
}

TEST(TzAtlasFacts, LondonDoubleSummerTime) {
  ExpectMoments({
      {"Europe/London", 18500101, 0, 0, 0},  // GMT since 1847
      {"Europe/London", 19400601, 120000, 0, 100},
      {"Europe/London", 19410101, 120000, 0, 100},  // summer time all winter
      {"Europe/London", 19410701, 120000, 0, 200},  // double summer time
      {"Europe/London", 19411215, 120000, 0, 100},
      {"Europe/London", 19430701, 120000, 0, 200},
      {"Europe/London", 19440101, 120000, 0, 100},
      {"Europe/London", 19450601, 120000, 0, 200},
      {"Europe/London", 19450801, 120000, 0, 100},
      {"Europe/London", 19451215, 120000, 0, 0},
      {"Europe/London", 19470601, 120000, 0, 200},
      {"Europe/London", 19700101, 120000, -100, 0},  // British Standard Time
      {"Europe/London", 19720101, 120000, 0, 0},
  });
  EXPECT_FALSE(AtlasZoneNamed("Europe/London").tables.zone.front().localMeanTime);
}

TEST(TzAtlasFacts, NewYorkFirstDaylightSaving) {
  ExpectMoments({
      {"America/New_York", 18831118, 120000, 500, 4},  // mean time, bridged
      {"America/New_York", 18831118, 120400, 500, 0},  // Eastern Standard Time
      {"America/New_York", 19180331, 15959, 500, 0},
      {"America/New_York", 19180331, 20000, 500, 100},
      {"America/New_York", 19180601, 120000, 500, 100},
      {"America/New_York", 19181027, 15959, 500, 100},
      {"America/New_York", 19181027, 20000, 500, 0},
  });
  const auto& zone = AtlasZoneNamed("America/New_York").tables.zone;
  ASSERT_EQ(zone.size(), 2u);
  EXPECT_EQ(zone[0], (ZoneRow{18500101, 456, true}));  // mean time -4:56:02
  EXPECT_EQ(zone[1], (ZoneRow{18831118, 500, false}));
  const auto& summer = AtlasZoneNamed("America/New_York").tables.summer;
  const auto firstHour = std::find_if(summer.begin(), summer.end(),
                                      [](const SummerRow& row) { return row.timeDiff == 100; });
  ASSERT_NE(firstHour, summer.end());
  EXPECT_EQ(firstHour->fromDate, 19180331);
  EXPECT_EQ(firstHour->fromTime, 200);
}

TEST(TzAtlasFacts, LordHoweHalfHourSummerTime) {
  ExpectMoments({
      {"Australia/Lord_Howe", 19800101, 120000, -1000, 0},
      {"Australia/Lord_Howe", 19820101, 120000, -1030, 100},  // a full hour until 1985
      {"Australia/Lord_Howe", 19860101, 120000, -1030, 30},
      {"Australia/Lord_Howe", 20240101, 120000, -1030, 30},
      {"Australia/Lord_Howe", 20240701, 120000, -1030, 0},
      {"Australia/Lord_Howe", 20991231, 120000, -1030, 30},
  });
}

TEST(TzAtlasFacts, MoscowIn1991And1992) {
  ExpectMoments({
      {"Europe/Moscow", 19910330, 120000, -300, 0},
      {"Europe/Moscow", 19910331, 10000, -200, 100},  // +3 unchanged, as +2 and summer
      {"Europe/Moscow", 19910601, 120000, -200, 100},
      {"Europe/Moscow", 19911201, 120000, -200, 0},
      {"Europe/Moscow", 19920119, 10000, -200, 0},
      {"Europe/Moscow", 19920119, 30000, -200, 100},  // +3 from 02:00, bridged
      {"Europe/Moscow", 19920120, 120000, -300, 0},
      {"Europe/Moscow", 19920701, 120000, -300, 100},
  });
}

TEST(TzAtlasFacts, NegativeSummerTimeIsFolded) {
  ExpectMoments({
      {"Europe/Dublin", 19690101, 120000, -100, 0},  // Irish Standard Time all year
      {"Europe/Dublin", 20000115, 120000, 0, 0},
      {"Europe/Dublin", 20000715, 120000, 0, 100},
      {"Africa/Windhoek", 19950701, 120000, -100, 0},
      {"Africa/Windhoek", 19960115, 120000, -100, 100},
      {"Africa/Windhoek", 20180701, 120000, -200, 0},
      {"Africa/Casablanca", 20240315, 120000, 0, 0},    // Ramadan
      {"Africa/Casablanca", 20240601, 120000, 0, 100},  // +01
      {"Europe/Prague", 19470101, 120000, 0, 0},       // winter time 1946/47
  });
  for (const AtlasZone& zone : CommittedAtlas().zones)
    for (const SummerRow& row : zone.tables.summer)
      ASSERT_GE(row.timeDiff, 0) << zone.zoneName << " " << row.fromDate;
}

TEST(TzAtlasFacts, RowsAreKeyedAndOneSummerRowPerDate) {
  for (const AtlasZone& zone : CommittedAtlas().zones) {
    const auto& rows = zone.tables.zone;
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().startDate, 18500101) << zone.zoneName;
    for (std::size_t i = 1; i < rows.size(); ++i)
      EXPECT_LT(rows[i - 1].startDate, rows[i].startDate) << zone.zoneName;
    const auto& summer = zone.tables.summer;
    for (std::size_t i = 1; i < summer.size(); ++i) {
      const SummerRow& a = summer[i - 1];
      const SummerRow& b = summer[i];
      EXPECT_TRUE(a.fromDate < b.fromDate || (a.fromDate == b.fromDate && b.fromTime == 2400))
          << zone.zoneName << " " << b.fromDate << " " << b.fromTime;
      EXPECT_NE(a.timeDiff, b.timeDiff) << zone.zoneName << " " << b.fromDate;
    }
    for (const SummerRow& row : summer) {
      EXPECT_LE(row.fromTime, 2400);
      EXPECT_LT(row.fromTime % 100, 60);
      EXPECT_LT(row.fromDate, 21010101);
    }
  }
}

}  // namespace
}  // namespace vyn::tz
