#include "tools/tz/clock_history.h"

#include <gtest/gtest.h>

#include <vector>

namespace vyn::tz {
namespace {

constexpr int kHour = 3600;

Period P(std::int64_t start, int standard, int save, int line, bool daylight = true) {
  Period period;
  period.start = start;
  period.standardOffset = standard;
  period.save = save;
  period.daylight = daylight && save != 0;
  period.zoneLine = line;
  return period;
}

ClockPeriod C(std::int64_t start, int standard, int summer) {
  return {start, standard, summer, false};
}

TEST(TzClockHistory, NegativeSavesFoldIntoTheStandardOffset) {
  struct Case {
    const char* what;
    std::vector<Period> periods;
    std::vector<ClockPeriod> folded;
  };
  const Case cases[] = {
      {"Irish winter time: the stretch runs from the first negative save on",
       {P(kBeginningOfTime, 0, 0, 0), P(100, kHour, 0, 1), P(200, kHour, -kHour, 1),
        P(300, kHour, 0, 1), P(400, kHour, -kHour, 1)},
       {C(kBeginningOfTime, 0, 0), C(100, kHour, 0), C(200, 0, 0), C(300, 0, kHour),
        C(400, 0, 0)}},
      {"Namibian winter time: the line's standard offset returns after the stretch",
       {P(kBeginningOfTime, 2 * kHour, 0, 0), P(100, 2 * kHour, -kHour, 0),
        P(200, 2 * kHour, 0, 0), P(300, 2 * kHour, -kHour, 0), P(400, 2 * kHour, 0, 0)},
       {C(kBeginningOfTime, 2 * kHour, 0), C(100, kHour, 0), C(200, kHour, kHour),
        C(300, kHour, 0), C(400, 2 * kHour, 0)}},
      {"a negative save of one line leaves the other lines alone",
       {P(kBeginningOfTime, kHour, kHour, 0), P(100, kHour, -kHour, 1),
        P(200, kHour, 0, 2)},
       {C(kBeginningOfTime, kHour, kHour), C(100, 0, 0), C(200, kHour, 0)}},
      {"a save that does not count as daylight time is standard time",
       {P(kBeginningOfTime, kHour, 0, 0), P(100, kHour, kHour, 1, false)},
       {C(kBeginningOfTime, kHour, 0), C(100, 2 * kHour, 0)}},
      {"the most negative save of the stretch sets the new standard offset",
       {P(kBeginningOfTime, kHour, 0, 0), P(100, kHour, -kHour, 0),
        P(200, kHour, -2 * kHour, 0), P(300, kHour, kHour, 0)},
       {C(kBeginningOfTime, kHour, 0), C(100, -kHour, kHour), C(200, -kHour, 0),
        C(300, kHour, kHour)}},
      {"equal periods merge",
       {P(kBeginningOfTime, kHour, 0, 0), P(100, kHour, 0, 1), P(200, kHour, kHour, 1)},
       {C(kBeginningOfTime, kHour, 0), C(200, kHour, kHour)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<ClockPeriod> folded = FoldToClockPeriods(c.periods);
    EXPECT_EQ(folded, c.folded);
    for (const ClockPeriod& period : folded) EXPECT_GE(period.summer, 0);
  }
}

}  // namespace
}  // namespace vyn::tz
