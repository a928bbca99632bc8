#include "dialogs/names/edit_state.h"

namespace vyn::dialogs {

TEditControls ControlsOf(TEditState state) {
  switch (state) {
    case TEditState::esInitClear:
      return {false, true};
    case TEditState::esNameFound:
    case TEditState::esNameChanged:
    case TEditState::esNewName:
      // A loaded person keeps the groups read with it.
      return {true, false};
  }
  return {};
}

TEditState AfterPictureChange(TEditState state) {
  switch (state) {
    case TEditState::esInitClear:
    case TEditState::esNewName:
      return TEditState::esNewName;
    case TEditState::esNameFound:
    case TEditState::esNameChanged:
      return TEditState::esNameChanged;
  }
  return state;
}

TCommitAction CommitActionOf(TEditState state, bool leaving, bool nameEntered) {
  switch (state) {
    case TEditState::esInitClear:
      return TCommitAction::caNothing;
    // A person without a first name is never stored.
    case TEditState::esNameFound:
      return leaving && nameEntered ? TCommitAction::caStore : TCommitAction::caNothing;
    case TEditState::esNameChanged:
      return nameEntered ? TCommitAction::caStore : TCommitAction::caNothing;
    case TEditState::esNewName:
      return nameEntered ? TCommitAction::caStore : TCommitAction::caReposition;
  }
  return TCommitAction::caNothing;
}

std::string EditStateCaption(TEditState state) {
  switch (state) {
    case TEditState::esInitClear:
      return "Edit State = [Init/Clear]";
    case TEditState::esNameFound:
      return "Edit State = [Name Found]";
    case TEditState::esNameChanged:
      return "Edit State = [Name Changed]";
    case TEditState::esNewName:
      return "Edit State = [New Name]";
  }
  return {};
}

}  // namespace vyn::dialogs
