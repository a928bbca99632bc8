// The edit states: what leaving a person does in each, and where a new
// picture leads.
#include <gtest/gtest.h>

#include "dialogs/names/edit_state.h"

namespace vyn::dialogs {
namespace {

using S = TEditState;
using A = TCommitAction;

TEST(EditStateTest, LeavingStoresWhatWasTypedOrLoadedButNeverANamelessPerson) {
  struct Case {
    S state;
    bool leaving, named;
    A action;
  };
  const std::vector<Case> cases = {
      {S::esInitClear, true, true, A::caNothing},
      {S::esNameFound, false, true, A::caNothing},  // stored just now; Clear keeps it
      {S::esNameFound, true, true, A::caStore},
      {S::esNameChanged, false, true, A::caStore},
      {S::esNameChanged, true, false, A::caNothing},
      {S::esNewName, false, true, A::caStore},
      {S::esNewName, true, false, A::caReposition},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CommitActionOf(c.state, c.leaving, c.named), c.action)
        << static_cast<int>(c.state) << " leaving " << c.leaving << " named " << c.named;
}

TEST(EditStateTest, APictureMakesALoadedPersonNewAndAStoredOneChanged) {
  EXPECT_EQ(AfterPictureChange(S::esInitClear), S::esNewName);
  EXPECT_EQ(AfterPictureChange(S::esNewName), S::esNewName);
  EXPECT_EQ(AfterPictureChange(S::esNameFound), S::esNameChanged);
  EXPECT_EQ(AfterPictureChange(S::esNameChanged), S::esNameChanged);
}

TEST(EditStateTest, OnlyAnEmptyDialogEmptiesTheGroupsAndLocksThePersonButtons) {
  EXPECT_TRUE(ControlsOf(S::esInitClear).emptyGroups);
  EXPECT_FALSE(ControlsOf(S::esInitClear).person);
  for (S s : {S::esNameFound, S::esNameChanged, S::esNewName}) {
    EXPECT_FALSE(ControlsOf(s).emptyGroups);
    EXPECT_TRUE(ControlsOf(s).person);
  }
  EXPECT_EQ(EditStateCaption(S::esNameChanged), "Edit State = [Name Changed]");
}

}  // namespace
}  // namespace vyn::dialogs
