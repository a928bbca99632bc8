#pragma once
// The edit state of the name dialog: what the boxes show and what leaving
// them does with it.
//
//   0 Init/Clear    nothing loaded
//   1 Name Found    the person shown has just been stored
//   2 Name Changed  a name box was edited
//   3 New Name      a person was loaded by name
#include <string>

namespace vyn::dialogs {

enum class TEditState { esInitClear = 0, esNameFound = 1, esNameChanged = 2, esNewName = 3 };

// What entering a state does to the controls.
struct TEditControls {
  bool person = false;       // group Add and Remove, picture Insert and Clear enabled
  bool emptyGroups = false;  // the groups list is emptied
};
TEditControls ControlsOf(TEditState state);

// The state after a picture was inserted or cleared.
TEditState AfterPictureChange(TEditState state);

// What leaving the person shown does (`leaving`: the dialog moves on to
// another person or closes; `nameEntered`: the first-name box is not empty).
enum class TCommitAction { caNothing, caStore, caReposition };
TCommitAction CommitActionOf(TEditState state, bool leaving, bool nameEntered);

// "Edit State = [Name Found]" and so on, for the caption in database debug mode.
std::string EditStateCaption(TEditState state);

}  // namespace vyn::dialogs
