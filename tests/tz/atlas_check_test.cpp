// The atlas rows of the committed source against the same source compiled
// by zic.
#include "tools/tz/atlas_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "tests/tz/tz_test_support.h"
#include "tools/tz/zic_compiler.h"

namespace vyn::tz {
namespace {

class TzAtlasCheck : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    compiled_ = std::make_unique<CompiledZoneDirectory>(VYN_TZ_SOURCE_FILE, FindZic());
  }
  static void TearDownTestSuite() { compiled_.reset(); }

  static std::string Directory() { return compiled_->Path().string(); }

  static std::unique_ptr<CompiledZoneDirectory> compiled_;
};

std::unique_ptr<CompiledZoneDirectory> TzAtlasCheck::compiled_;

TEST_F(TzAtlasCheck, EveryZoneAgreesWithTheCompiledFiles) {
  const Atlas& atlas = test::CommittedAtlas();
  const CheckFigures figures = CheckAtlas(test::CommittedSource(), atlas, Directory());
  EXPECT_EQ(figures.zoneNames, static_cast<int>(atlas.zones.size()));
  EXPECT_GT(figures.transitions, 50000);
  EXPECT_EQ(figures.historyMismatches, 0);
  EXPECT_EQ(figures.standardTime.unexplained, 0);
  EXPECT_EQ(figures.localMeanTime.unexplained, 0);
  // Repeated hours go to the reading before the change, skipped ones to the
  // offset after it.
  EXPECT_EQ(figures.standardTime.repeatedLaterReading, 0);
  EXPECT_GT(figures.standardTime.repeatedEarlierReading, 0);
  EXPECT_EQ(figures.skippedGivenNewOffset, figures.skippedSamples);
  EXPECT_TRUE(figures.Passed());
  for (const std::string& example : figures.examples) ADD_FAILURE() << example;
}

TEST_F(TzAtlasCheck, FindsAWrongRow) {
  Atlas atlas = test::CommittedAtlas();
  const auto london = std::find_if(atlas.zones.begin(), atlas.zones.end(),
                                   [](const AtlasZone& z) { return z.zoneName == "Europe/London"; });
  ASSERT_NE(london, atlas.zones.end());
  auto& summer = london->tables.summer;
  const auto spring2000 = std::find_if(summer.begin(), summer.end(),
                                       [](const SummerRow& row) { return row.fromDate == 20000326; });
  ASSERT_NE(spring2000, summer.end());
  spring2000->fromTime = 300;  // an hour late
  const CheckFigures figures = CheckAtlas(test::CommittedSource(), atlas, Directory());
  EXPECT_FALSE(figures.Passed());
  EXPECT_GT(figures.standardTime.unexplained, 0);
  ASSERT_FALSE(figures.examples.empty());
  EXPECT_NE(figures.examples.front().find("Europe/London"), std::string::npos);
}

TEST_F(TzAtlasCheck, MissingZoneFileIsAnError) {
  Atlas atlas = test::CommittedAtlas();
  atlas.zones.resize(1);
  atlas.zones[0].zoneName = "No/Such_Zone";
  EXPECT_THROW(CheckAtlas(test::CommittedSource(), atlas, Directory()), std::runtime_error);
}

}  // namespace
}  // namespace vyn::tz
