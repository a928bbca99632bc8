// Finding a birth place as the user types it, in the shipped atlas.
#include <gtest/gtest.h>

#include "dialogs/names/place_lookup.h"
#include "tests/dialogs/names/program_fixture.h"

namespace vyn::dialogs {
namespace {

class PlaceLookupTest : public ProgramFixture {
 protected:
  TPlaceLookup& Lookup() {
    if (!lookup_) lookup_ = std::make_unique<TPlaceLookup>(Program().Tables());
    return *lookup_;
  }
  std::unique_ptr<TPlaceLookup> lookup_;
};

TEST_F(PlaceLookupTest, TypedBeginningsCompleteToTheFirstName) {
  const std::string bavaria = Lookup().StateIdOf("Germany - Bavaria");
  ASSERT_NE(bavaria, kNoStateId);
  struct Case {
    const char* typed;
    const char* state;  // empty: a state is completed
    std::optional<std::string> completed;
  };
  const std::vector<Case> cases = {
      {"Germany - B", "", "Germany - Baden-Württemberg"},
      {"germany - bav", "", "Germany - Bavaria"},
      {"Denm", "", "Denmark"},
      {"Xyz", "", std::nullopt},
      {"", "", std::nullopt},
      {"Muni", "Germany - Bavaria", "Munich"},
      {"Mun", "Germany - Bavaria", "Münchberg"},  // accents set aside: "munc" < "muni"
      {"munn", "Germany - Bavaria", "Münnerstadt"},
      {"Mux", "Germany - Bavaria", std::nullopt},
      {"Mun", "No such state", std::nullopt},
  };
  for (const Case& c : cases) {
    const auto completed = std::string(c.state).empty()
                               ? Lookup().CompleteState(c.typed)
                               : Lookup().CompletePlace(Lookup().StateIdOf(c.state), c.typed);
    EXPECT_EQ(completed, c.completed) << c.typed;
  }
}

TEST_F(PlaceLookupTest, LeavingABoxFindsTheExactNameBeforeABeginning) {
  const auto exact = Lookup().FindState("Denmark  ");
  ASSERT_TRUE(exact);
  EXPECT_EQ(exact->name, "Denmark");
  EXPECT_TRUE(exact->exact);
  const auto begun = Lookup().FindState("germany - bav");
  ASSERT_TRUE(begun);
  EXPECT_EQ(begun->name, "Germany - Bavaria");
  EXPECT_FALSE(begun->exact);
  EXPECT_FALSE(Lookup().FindState("Atlantis"));

  const std::string bavaria = Lookup().StateIdOf("Germany - Bavaria");
  const auto munich = Lookup().FindPlace(bavaria, "Munich");
  ASSERT_TRUE(munich);
  EXPECT_TRUE(munich->exact);
  EXPECT_EQ(munich->row.latitude, 4808);
  EXPECT_EQ(munich->row.longitude, -1135);
  EXPECT_FALSE(Lookup().FindPlace(bavaria, "Hamburg"));
  EXPECT_FALSE(Lookup().FindPlace(kNoStateId, "Munich"));
}

TEST_F(PlaceLookupTest, TheForgivingSearchFindsOtherSpellings) {
  const auto candidates = Lookup().PlaceCandidates("München", "", 5);
  ASSERT_FALSE(candidates.empty());
  EXPECT_EQ(candidates.front().place, "Munich");
  EXPECT_EQ(candidates.front().state, "Germany - Bavaria");
  const auto withinState = Lookup().PlaceCandidates("London", "United Kingdom - England", 5);
  ASSERT_FALSE(withinState.empty());
  EXPECT_EQ(withinState.front().state, "United Kingdom - England");
  EXPECT_TRUE(Lookup().PlaceCandidates("  ", "", 5).empty());
  const auto states = Lookup().StateCandidates("Denmrak", 5);
  ASSERT_FALSE(states.empty());
  EXPECT_EQ(states.front().state, "Denmark");
}

TEST_F(PlaceLookupTest, ZoneAndSummerTimeOfAMoment) {
  const auto winter = Lookup().ZoneAndSummerAt("Germany - Bavaria", "Munich", 19800101, 120000);
  ASSERT_TRUE(winter);
  EXPECT_EQ(winter->zone, -1.0L);
  EXPECT_EQ(winter->summer, 0.0L);
  EXPECT_TRUE(winter->clockChanges.empty());
  const auto skipped = Lookup().ZoneAndSummerAt("Germany - Bavaria", "Munich", 19800406, 23000);
  ASSERT_TRUE(skipped);
  ASSERT_EQ(skipped->clockChanges.size(), 1u);
  EXPECT_EQ(skipped->clockChanges[0].kind, TClockChangeKind::ckSkipped);
  // A place on local mean time keeps that of its own longitude (11°35' E).
  const auto meanTime = Lookup().ZoneAndSummerAt("Germany - Bavaria", "Munich", 18500101, 120000);
  ASSERT_TRUE(meanTime);
  EXPECT_TRUE(meanTime->localMeanTime);
  EXPECT_EQ(meanTime->zone, -0.46L);
  EXPECT_FALSE(Lookup().ZoneAndSummerAt("Germany - Bavaria", "Atlantis", 19800101, 0));
  EXPECT_FALSE(Lookup().ZoneAndSummerAt("Germany - Bavaria", "Munich", 19800231, 0));
}

}  // namespace
}  // namespace vyn::dialogs
