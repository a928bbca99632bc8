// Deleting people and groups and adding groups: whole or not at all.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "dialogs/search/search_store.h"
#include "tests/dialogs/search/search_fixture.h"

namespace vyn::dialogs::testing {
namespace {

class SearchStore : public ::testing::Test {
 protected:
  void SetUp() override { AddSamplePeople(started_); }

  long long People() { return started_.Count(R"(SELECT count(*) FROM "NAME")"); }
  long long Memberships() { return started_.Count(R"(SELECT count(*) FROM "NAMEGRPS")"); }
  long long Groups() { return started_.Count(R"(SELECT count(*) FROM "GROUPS")"); }

  TStartedProgram started_;
};

TEST_F(SearchStore, DeletingAPersonRemovesItFromEveryGroup) {
  DeletePerson(started_.Tables(), "Bob", "Jones");
  EXPECT_EQ(People(), 4);
  EXPECT_EQ(started_.Count(R"(SELECT count(*) FROM "NAME" WHERE "FirstName" = 'Bob')"), 0);
  EXPECT_EQ(Memberships(), 2);  // Ann in Family, Åsa in Work
  EXPECT_EQ(started_.Count(R"(SELECT count(*) FROM "NAMEGRPS" WHERE "FirstName" = 'Bob')"), 0);
  EXPECT_EQ(Groups(), 2);
}

TEST_F(SearchStore, DeletingAGroupRemovesItFromEveryPerson) {
  DeleteGroup(started_.Tables(), "Family");
  EXPECT_EQ(Groups(), 1);
  EXPECT_EQ(started_.Count(R"(SELECT count(*) FROM "NAMEGRPS" WHERE "GroupName" = 'Family')"), 0);
  EXPECT_EQ(Memberships(), 2);  // Bob and Åsa in Work
  EXPECT_EQ(People(), 5);
}

// A delete that fails half-way -- the first table written, the second
// refusing -- leaves both tables as they were and says why.
TEST_F(SearchStore, AFailedDeleteLeavesTheTablesAsTheyWere) {
  struct TCase {
    const char* name;
    const char* refusingTable;
    std::function<void(TDataCollection&)> remove;
  };
  const TCase cases[] = {
      {"person", "NAMEGRPS", [](TDataCollection& t) { DeletePerson(t, "Bob", "Jones"); }},
      {"group", "GROUPS", [](TDataCollection& t) { DeleteGroup(t, "Family"); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    started_.Execute(std::string("CREATE TRIGGER \"refuse\" BEFORE DELETE ON \"") +
                     c.refusingTable + "\" BEGIN SELECT RAISE(ABORT, 'rows are locked'); END");
    try {
      c.remove(started_.Tables());
      ADD_FAILURE() << "the delete did not fail";
    } catch (const std::exception& failure) {
      EXPECT_NE(std::string(failure.what()).find("rows are locked"), std::string::npos)
          << failure.what();
    }
    EXPECT_EQ(People(), 5);
    EXPECT_EQ(Memberships(), 4);
    EXPECT_EQ(Groups(), 2);
    started_.Execute(R"(DROP TRIGGER "refuse")");
  }
}

TEST_F(SearchStore, ATypedGroupNameFindsTheStoredGroupOrAddsANewOne) {
  struct TCase {
    const char* typed;
    const char* stored;
    long long groupsAfter;
  };
  const TCase cases[] = {
      {"Family", "Family", 2},
      {"family", "Family", 2},      // the stored spelling
      {"WORK", "Work", 2},
      {"  Friends ", "Friends", 3},  // new, without the blanks
      {"friends", "Friends", 3},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.typed);
    const long long before = Groups();
    const TGroupChoice group = StoredOrNewGroup(started_.Tables(), c.typed);
    EXPECT_EQ(group.name, c.stored);
    EXPECT_EQ(Groups(), c.groupsAfter);
    EXPECT_EQ(group.added, c.groupsAfter > before);
  }
  EXPECT_THROW(StoredOrNewGroup(started_.Tables(), "   "), std::invalid_argument);
  EXPECT_EQ(Groups(), 3);
}

}  // namespace
}  // namespace vyn::dialogs::testing
