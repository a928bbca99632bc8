// Filling a list in slices: how much one slice reads, and a fill that fails
// on the way.
#include <gtest/gtest.h>

#include <chrono>

#include "dialogs/search/search_fill.h"
#include "tests/dialogs/search/search_fixture.h"

namespace vyn::dialogs::testing {
namespace {

class SearchFill : public ::testing::Test {
 protected:
  TStartedProgram started_;
};

TEST_F(SearchFill, ASliceWithoutTimeReadsOneBatchAndTheListGrowsSliceBySlice) {
  const long long places = started_.Count(R"(SELECT count(*) FROM "PLACES" WHERE "StateID" = '1133')");
  ASSERT_GT(places, static_cast<long long>(TSearchFill::kBatchRows));
  TSearchList list;
  list.Reset(true, false, true);
  TSearchFill fill;
  fill.Start(MakeListSource(started_.Tables(), ESearchMode::smPlaces, {"1133", "Denmark", "", true}));
  std::size_t before = 0;
  while (!fill.Step(list, std::chrono::microseconds(0))) {
    EXPECT_TRUE(fill.Pending());
    EXPECT_EQ(list.Count(), before + TSearchFill::kBatchRows);
    before = list.Count();
  }
  EXPECT_FALSE(fill.Pending());
  EXPECT_EQ(static_cast<long long>(list.Count()), places);
  EXPECT_EQ(fill.Slices(), static_cast<int>((places + TSearchFill::kBatchRows - 1) /
                                            TSearchFill::kBatchRows));
  EXPECT_EQ(static_cast<long long>(fill.Rows()), places);
}

TEST_F(SearchFill, AFailureEndsTheFillAndKeepsTheRowsRead) {
  TSearchList list;
  list.Reset(true, false, true);
  TSearchFill fill;
  fill.Start(MakeListSource(started_.Tables(), ESearchMode::smStates, {}));
  ASSERT_FALSE(fill.Step(list, std::chrono::microseconds(0)));
  started_.Execute(R"(ALTER TABLE "STATES" RENAME TO "STATES_GONE")");
  EXPECT_ANY_THROW(fill.Step(list, std::chrono::microseconds(0)));
  EXPECT_FALSE(fill.Pending());
  EXPECT_EQ(list.Count(), TSearchFill::kBatchRows);
}

}  // namespace
}  // namespace vyn::dialogs::testing
