// Writing people: each operation whole or not at all, the memberships with
// the person, and errors that name the person and the cause.
#include <gtest/gtest.h>

#include "dialogs/names/person_store.h"
#include "tests/dialogs/names/program_fixture.h"

namespace vyn::dialogs {
namespace {

class PersonStoreTest : public ProgramFixture {
 protected:
  TPersonStore& Store() {
    if (!store_) store_ = std::make_unique<TPersonStore>(Program().Tables());
    return *store_;
  }
  // A write to the table fails from now on, as a full disk or a damaged
  // file would make it fail.
  void FailWritesTo(const std::string& table) {
    Execute("CREATE TRIGGER fail_test BEFORE INSERT ON \"" + table +
            "\" BEGIN SELECT RAISE(ABORT, 'forced failure'); END");
  }
  std::unique_ptr<TPersonStore> store_;
};

TEST_F(PersonStoreTest, InsertWritesEveryFieldAndTheGroups) {
  core::TPersonRecord anna = SamplePerson("Anna", "Berg");
  anna.picture = std::string("\x89PNG\r\n\x1a\n", 8) + "pixels";
  anna.notes = "first\nsecond";
  Store().Insert(anna, {"Friends", "Family"});
  const auto stored = Stored("Anna", "Berg");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->birthDate, "19700517");
  EXPECT_EQ(stored->birthTime, "083000");
  EXPECT_EQ(stored->latitude, 5609);
  EXPECT_EQ(stored->longitude, -1011);
  EXPECT_EQ(stored->timeZone, "0100E");
  EXPECT_EQ(stored->picture, anna.picture);
  EXPECT_EQ(stored->notes, "first\nsecond");
  EXPECT_EQ(Store().Groups({"Anna", "Berg"}), (std::vector<std::string>{"Family", "Friends"}));
  EXPECT_EQ(Count("GROUPS"), 2);
}

TEST_F(PersonStoreTest, APersonIsInsertedOnce) {
  Store().Insert(SamplePerson("Anna", "Berg"), {});
  try {
    Store().Insert(SamplePerson("Anna", "Berg"), {});
    FAIL() << "a second Anna Berg was added";
  } catch (const EPersonStoreError& e) {
    EXPECT_NE(std::string(e.what()).find("\"Anna Berg\""), std::string::npos) << e.what();
  }
  EXPECT_EQ(Count("NAME"), 1);
}

TEST_F(PersonStoreTest, ChangingReplacesTheRecordAndARenameTakesTheGroupsAlong) {
  Store().Insert(SamplePerson("Anna", "Berg"), {"Friends"});
  core::TPersonRecord changed = SamplePerson("Anna", "Holm");
  changed.birthTime = "091500";
  changed.picture.clear();
  Store().Change({"Anna", "Berg"}, changed, {"Friends", "Work"});
  EXPECT_FALSE(Stored("Anna", "Berg"));
  ASSERT_TRUE(Stored("Anna", "Holm"));
  EXPECT_EQ(Stored("Anna", "Holm")->birthTime, "091500");
  EXPECT_TRUE(Store().Groups({"Anna", "Berg"}).empty());
  EXPECT_EQ(Store().Groups({"Anna", "Holm"}), (std::vector<std::string>{"Friends", "Work"}));
  EXPECT_EQ(Count("NAME"), 1);
}

TEST_F(PersonStoreTest, ARenameOntoAnotherPersonIsRefused) {
  Store().Insert(SamplePerson("Anna", "Berg"), {});
  Store().Insert(SamplePerson("Karl", "Berg"), {});
  EXPECT_THROW(Store().Change({"Anna", "Berg"}, SamplePerson("Karl", "Berg"), {}),
               EPersonStoreError);
  EXPECT_EQ(Stored("Karl", "Berg")->birthTime, "083000");
  EXPECT_TRUE(Stored("Anna", "Berg"));
}

TEST_F(PersonStoreTest, StoreAddsANewPersonAndChangesAStoredOne) {
  EXPECT_TRUE(Store().Store(SamplePerson("Anna", "Berg"), {"Friends"}));
  core::TPersonRecord later = SamplePerson("Anna", "Berg");
  later.birthTown = "Odense";
  EXPECT_FALSE(Store().Store(later, {}));
  EXPECT_EQ(Stored("Anna", "Berg")->birthTown, "Odense");
  EXPECT_TRUE(Store().Groups({"Anna", "Berg"}).empty());
  EXPECT_EQ(Count("GROUPS"), 1);  // the group itself stays
}

TEST_F(PersonStoreTest, DeletingRemovesThePersonAndTheMembershipsOnly) {
  Store().Insert(SamplePerson("Anna", "Berg"), {"Friends"});
  Store().Insert(SamplePerson("Karl", "Berg"), {"Friends"});
  EXPECT_TRUE(Store().Delete({"Anna", "Berg"}));
  EXPECT_FALSE(Store().Delete({"Anna", "Berg"}));
  EXPECT_FALSE(Stored("Anna", "Berg"));
  EXPECT_EQ(Store().Groups({"Karl", "Berg"}), std::vector<std::string>{"Friends"});
  EXPECT_EQ(Count("NAMEGRPS"), 1);
  EXPECT_EQ(Count("GROUPS"), 1);
}

// A failure in the last step of each operation leaves every table as it was.
TEST_F(PersonStoreTest, AFailedWriteLeavesTheTablesAsTheyWere) {
  Store().Insert(SamplePerson("Anna", "Berg"), {"Friends"});
  FailWritesTo("NAMEGRPS");
  struct Case {
    const char* what;
    std::function<void()> write;
  };
  core::TPersonRecord later = SamplePerson("Anna", "Berg");
  later.birthTime = "230000";
  const std::vector<Case> cases = {
      {"insert", [&] { Store().Insert(SamplePerson("Karl", "Berg"), {"Friends"}); }},
      {"change", [&] { Store().Change({"Anna", "Berg"}, later, {"Work"}); }},
      {"rename", [&] { Store().Change({"Anna", "Berg"}, SamplePerson("Anna", "Holm"), {"Friends"}); }},
  };
  for (const Case& c : cases) {
    try {
      c.write();
      ADD_FAILURE() << c.what << " succeeded";
    } catch (const EPersonStoreError& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find("forced failure"), std::string::npos) << message;
      EXPECT_NE(message.find("the person \""), std::string::npos) << message;
    }
    EXPECT_EQ(Count("NAME"), 1) << c.what;
    EXPECT_EQ(Stored("Anna", "Berg")->birthTime, "083000") << c.what;
    EXPECT_EQ(Store().Groups({"Anna", "Berg"}), std::vector<std::string>{"Friends"}) << c.what;
    EXPECT_EQ(Count("GROUPS"), 1) << c.what;
  }
  // The tables are usable afterwards.
  Execute("DROP TRIGGER fail_test");
  Store().Insert(SamplePerson("Karl", "Berg"), {"Work"});
  EXPECT_EQ(Count("NAME"), 2);
}

}  // namespace
}  // namespace vyn::dialogs
