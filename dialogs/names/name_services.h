#pragma once
// What the name dialog asks of other windows: the pick lists of the search
// dialog (people, states, places of a state, groups), the atlas dialog for
// a state the atlas lacks, the place-saving dialog for a town it lacks, and
// help. Each is a function the owner assigns; an empty one is not offered
// (its button is disabled, its question not asked).
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace vyn::dialogs {

struct TPickedPerson {
  std::string firstName, lastName;
};

struct TNameServices {
  // The people list, first name first or last name first; nothing on Cancel.
  std::function<std::optional<TPickedPerson>(QWidget* parent, bool firstNameFirst)> PickPerson;
  // The states; the chosen state's name.
  std::function<std::optional<std::string>(QWidget* parent)> PickState;
  // The places of a state; the chosen place's name.
  std::function<std::optional<std::string>(QWidget* parent, const std::string& state)>
      PickPlace;
  // The groups (a new one may be made there); the chosen group's name.
  std::function<std::optional<std::string>(QWidget* parent)> PickGroup;
  // The atlas dialog opened with a state name typed in.
  std::function<void(QWidget* parent, const std::string& state)> OpenAtlas;
  // The place-saving dialog for the town typed in the state shown; true
  // when a place was added.
  std::function<bool(QWidget* parent, const std::string& state, const std::string& town)>
      SavePlace;
  // The help of the dialog; without one the Help button shows the help page.
  std::function<void(QWidget* parent)> ShowHelp;
};

}  // namespace vyn::dialogs
