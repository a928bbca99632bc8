#include "tools/tz/tzif_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/tz/tz_test_support.h"
#include "tools/tz/posix_tz.h"

namespace vyn::tz {
namespace {

using test::Utc;

TEST(TzPosixTz, RulesOfTheFooter) {
  struct Case {
    const char* text;
    int year;
    std::int64_t firstAt;
    std::int64_t firstOffset;
    std::int64_t secondAt;
    std::int64_t secondOffset;
  };
  const Case cases[] = {
      {"EST5EDT,M3.2.0,M11.1.0", 2024, Utc(2024, 3, 10, 7), -4 * 3600, Utc(2024, 11, 3, 6),
       -5 * 3600},
      {"GMT0BST,M3.5.0/1,M10.5.0", 2024, Utc(2024, 3, 31, 1), 3600, Utc(2024, 10, 27, 1), 0},
      // Southern hemisphere: the end comes first in the year.
      {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", 2024, Utc(2024, 4, 6, 15), 37800,
       Utc(2024, 10, 5, 15, 30), 39600},
      // Extended rule times (RFC 8536) and Julian days.
      {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", 2024, Utc(2024, 3, 31, 1), -3600,
       Utc(2024, 10, 27, 1), -7200},
      {"EST5EDT,J60/2,300/25", 2024, Utc(2024, 3, 1, 7), -4 * 3600, Utc(2024, 10, 28, 5),
       -5 * 3600},
  };
  for (const Case& c : cases) {
    const std::vector<OffsetChange> changes = PosixTzChanges(ParsePosixTz(c.text), c.year, c.year);
    ASSERT_EQ(changes.size(), 2u) << c.text;
    EXPECT_EQ(changes[0].at, c.firstAt) << c.text;
    EXPECT_EQ(changes[0].utcOffset, c.firstOffset) << c.text;
    EXPECT_EQ(changes[1].at, c.secondAt) << c.text;
    EXPECT_EQ(changes[1].utcOffset, c.secondOffset) << c.text;
  }
  EXPECT_EQ(ParsePosixTz("<+0545>-5:45").standardOffset, 20700);
  EXPECT_FALSE(ParsePosixTz("UTC0").hasDaylight);
  for (const char* bad : {"", "E5", "EST", "EST5EDT", "EST5EDT,M3.2.0", "EST5EDT,M13.1.0,M1.1.0",
                          "<+01", "EST5EDT,M3.2.0/200,M11.1.0"})
    EXPECT_THROW(ParsePosixTz(bad), PosixTzError) << bad;
}

constexpr const char* kSnippet = R"(
R T 1990 ma - Mar lastSu 1u 1 S
R T 1990 ma - O lastSu 1u 0 -
Z Test/Zone 0:30 - LMT 1980
1 T CE%sT
)";

TEST(TzTzifFile, CompiledSnippetContinuesWithItsTzString) {
  const std::vector<OffsetChange> history = test::ZicHistory(kSnippet, "Test/Zone", 2100);
  ASSERT_GT(history.size(), 3u);
  EXPECT_EQ(history[0].utcOffset, 1800);
  EXPECT_EQ(history[1].at, Utc(1979, 12, 31, 23, 30));
  EXPECT_EQ(history[1].utcOffset, 3600);
  // Beyond the file's transitions the TZ string gives 2100's changes.
  const OffsetChange& last = history.back();
  EXPECT_EQ(last.at, Utc(2100, 10, 31, 1));
  EXPECT_EQ(last.utcOffset, 3600);
  EXPECT_EQ(history[history.size() - 2].at, Utc(2100, 3, 28, 1));
  for (std::size_t k = 1; k < history.size(); ++k)
    EXPECT_NE(history[k].utcOffset, history[k - 1].utcOffset);
}

TEST(TzTzifFile, RejectsWhatIsNotAVersion2File) {
  const std::vector<std::uint8_t> notTzif{'T', 'Z', 'i', 'x', 0};
  EXPECT_THROW(ParseTzif(notTzif), TzifError);
  std::vector<std::uint8_t> version1(44, 0);
  version1[0] = 'T', version1[1] = 'Z', version1[2] = 'i', version1[3] = 'f';
  version1[39] = 1;  // one local time type
  EXPECT_THROW(ParseTzif(version1), TzifError);
  std::vector<std::uint8_t> cut = version1;
  cut[4] = '2';
  EXPECT_THROW(ParseTzif(cut), TzifError);
  EXPECT_THROW(LoadTzif("/nonexistent/zone"), TzifError);
}

}  // namespace
}  // namespace vyn::tz
