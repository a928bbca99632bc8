// Facts of the shipped atlas that catch real faults in its histories and in
// how a birth place is resolved.
#include <gtest/gtest.h>

#include <string>

#include "data/birth_place.h"
#include "data/data_collection.h"
#include "data/sqlite_statement.h"
#include "data/vyn_database.h"
#include "tests/tools/shipped_database_fixture.h"

namespace vyn {
namespace {

class ShippedDatabaseTest : public testing::ShippedDatabaseFixture {
 protected:
  static long long Scalar(const std::string& sql) {
    TSqliteStatement statement(database_->Connection(), sql);
    statement.Step();
    return statement.Column(0).Integer();
  }
};

struct TClock {
  const char* zone;
  std::int64_t date, time;
  long double zoneTime, summerTime;
};

TEST_F(ShippedDatabaseTest, ZoneHistories) {
  const TClock cases[] = {
      // British double summer time in the summers of 1941 to 1945, one hour
      // in the winters between.
      {"Europe/London", 19410601, 120000, 0.0L, 2.00L},
      {"Europe/London", 19411215, 120000, 0.0L, 1.00L},
      {"Europe/London", 19450701, 120000, 0.0L, 2.00L},
      {"Europe/London", 19460101, 120000, 0.0L, 0.0L},
      // New York's first daylight saving, from 02:00 on 31 March 1918.
      {"America/New_York", 19180330, 120000, 5.00L, 0.0L},
      {"America/New_York", 19180331, 30000, 5.00L, 1.00L},
      // Lord Howe Island keeps half an hour of summer time.
      {"Australia/Lord_Howe", 19900101, 120000, -10.30L, 0.30L},
      {"Australia/Lord_Howe", 19900701, 120000, -10.30L, 0.0L},
      // Moscow went to UTC+2 with summer time in March 1991 and back to
      // UTC+3 in January 1992.
      {"Europe/Moscow", 19910301, 120000, -3.00L, 0.0L},
      {"Europe/Moscow", 19910601, 120000, -2.00L, 1.00L},
      {"Europe/Moscow", 19911201, 120000, -2.00L, 0.0L},
      {"Europe/Moscow", 19920301, 120000, -3.00L, 0.0L},
      // Ireland's winter time, a negative saving in the source, is standard
      // time with summer time on top.
      {"Europe/Dublin", 19800101, 120000, 0.0L, 0.0L},
      {"Europe/Dublin", 19800701, 120000, 0.0L, 1.00L},
  };
  for (const TClock& c : cases) {
    EXPECT_EQ(atlas_->ZoneOffset(c.zone, c.date), c.zoneTime) << c.zone << " " << c.date;
    EXPECT_EQ(atlas_->SummerOffset(c.zone, c.date, c.time), c.summerTime)
        << c.zone << " " << c.date << " " << c.time;
  }
  EXPECT_GE(Scalar("SELECT MIN(TimeDiff) FROM SUMMER"), 0);
}

TEST_F(ShippedDatabaseTest, BirthPlacesBeforeStandardTimeKeepTheirOwnMeanTime) {
  // Stockholm lies at 18 degrees 4 minutes east: 1 h 12 min ahead of
  // Greenwich, while its zone's history holds the mean time of its reference
  // point until Sweden took standard time in 1900.
  const TBirthPlace stockholm =
      ResolveBirthPlace(*atlas_, "Sweden", "Stockholm", 18700101, 120000);
  EXPECT_TRUE(stockholm.localMeanTime);
  EXPECT_EQ(stockholm.zoneTime, MeanTimeOffset(stockholm.longitude));
  EXPECT_EQ(stockholm.gregorianStart, 1753.0301L);
  // Kant's birth in Königsberg (20 degrees 31 minutes east), before the
  // zone histories begin in 1850.
  const TBirthPlace kant = ResolveBirthPlace(*atlas_, "Russia - Kaliningrad Oblast",
                                             "Kaliningrad", 17240422, 50000);
  EXPECT_TRUE(kant.localMeanTime);
  EXPECT_EQ(kant.zoneTime, -1.22L);
  EXPECT_EQ(kant.gregorianStart, 1610.0902L);
  const TBirthPlace later =
      ResolveBirthPlace(*atlas_, "Sweden", "Stockholm", 19500101, 120000);
  EXPECT_FALSE(later.localMeanTime);
  EXPECT_EQ(later.zoneTime, -1.00L);
}

TEST_F(ShippedDatabaseTest, APlaceLeavesMeanTimeWhenItsZoneDoes) {
  // Spain took Greenwich time at 00:00 UT on 1 January 1901. Benalup-Casas
  // Viejas, 5 degrees 49 minutes west, kept its mean time (UT-0:23) until
  // then: its clocks went forward from 23:37 to 00:00.
  const std::string state = "Spain - Andalusia", place = "Benalup-Casas Viejas";
  const TBirthPlace before = ResolveBirthPlace(*atlas_, state, place, 19001231, 233000);
  EXPECT_TRUE(before.localMeanTime);
  EXPECT_EQ(before.zoneTime, 0.23L);
  EXPECT_TRUE(before.clockChanges.empty());
  const TBirthPlace skipped = ResolveBirthPlace(*atlas_, state, place, 19001231, 234000);
  ASSERT_EQ(skipped.clockChanges.size(), 1u);
  EXPECT_EQ(skipped.clockChanges[0].kind, TClockChangeKind::ckSkipped);
  EXPECT_EQ(skipped.clockChanges[0].changeMinute, 23 * 60 + 37);
  EXPECT_EQ(skipped.clockChanges[0].setToMinute, 0);
  const TBirthPlace after = ResolveBirthPlace(*atlas_, state, place, 19010101, 500);
  EXPECT_FALSE(after.localMeanTime);
  EXPECT_EQ(after.zoneTime - after.summerTime, 0.0L);
  EXPECT_TRUE(after.clockChanges.empty());
}

TEST_F(ShippedDatabaseTest, PlacesCarryTheirZones) {
  const TBirthPlace london =
      ResolveBirthPlace(*atlas_, "United Kingdom - England", "London", 19800601, 120000);
  EXPECT_EQ(london.zoneName, "Europe/London");
  EXPECT_EQ(london.latitude, 5131);
  EXPECT_NEAR(london.longitude, 8, 2);  // just west of Greenwich
  EXPECT_EQ(london.summerTime, 1.00L);
  const TBirthPlace nyc = ResolveBirthPlace(*atlas_, "United States - New York",
                                            "New York City", 19180331, 23000);
  ASSERT_EQ(nyc.clockChanges.size(), 1u);
  EXPECT_EQ(nyc.clockChanges[0].kind, TClockChangeKind::ckSkipped);
  EXPECT_EQ(nyc.clockChanges[0].birthMinute, 2 * 60 + 30);
  EXPECT_GT(Scalar("SELECT COUNT(*) FROM PLACES"), 110000);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM PLACES p LEFT JOIN ZONEID z ON "
                   "z.ZoneID = p.ZoneRef WHERE z.ZoneID IS NULL"),
            0);
}

TEST_F(ShippedDatabaseTest, GregorianStartIsTheRegionsOwn) {
  struct TCase {
    const char* state;
    const char* place;
    long double start;
  };
  const TCase cases[] = {
      // Bavaria went over in October 1583, Protestant Germany in 1700.
      {"Germany - Bavaria", "Munich", 1583.1016L},
      {"Germany - Berlin", "Berlin", 1700.0301L},
      {"Switzerland", "Zürich", 1701.0112L},
      // Königsberg, in the Duchy of Prussia, in 1610; Russia only in 1918.
      {"Russia - Kaliningrad Oblast", "Kaliningrad", 1610.0902L},
      {"Russia - Moscow", "Moscow", 1918.0214L},
      {"United States - Louisiana", "New Orleans", 1582.1220L},
      {"United States - New York", "New York City", 1752.0914L},
      // A French town in Canada keeps Canada's date.
      {"Canada - Ontario", "Paris", 1752.0914L},
      {"France - Île-de-France", "Paris", 1582.1220L},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(ResolveBirthPlace(*atlas_, c.state, c.place, 17000101, 120000).gregorianStart,
              c.start)
        << c.place << ", " << c.state;
    EXPECT_EQ(atlas_->GregorianStartOf(c.state, c.place, 1700.0101L), c.start)
        << c.place << ", " << c.state;
  }
}

TEST_F(ShippedDatabaseTest, PeopleTablesStartEmpty) {
  for (const char* table : {"NAME", "CurrNAME", "GROUPS", "NAMEGRPS"})
    EXPECT_EQ(Scalar(std::string("SELECT COUNT(*) FROM \"") + table + "\""), 0) << table;
}

}  // namespace
}  // namespace vyn
