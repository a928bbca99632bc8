#pragma once
// The changes the search dialog makes to the people's tables. Each runs in
// one transaction: it happens whole or, when any step fails, not at all,
// and the error of the table store reaches the caller.
#include <string>

namespace vyn {
class TDataCollection;
}

namespace vyn::dialogs {

// Removes the person from "NAME" and from every group in "NAMEGRPS".
void DeletePerson(TDataCollection& tables, const std::string& first, const std::string& last);

// Removes the group from "GROUPS" and every membership of it from "NAMEGRPS".
void DeleteGroup(TDataCollection& tables, const std::string& group);

struct TGroupChoice {
  std::string name;    // as stored
  bool added = false;  // the group is new
};

// The group a typed name stands for: the stored group spelled exactly so,
// else one spelled alike but for letter case and accents; a new group of
// that name (blanks at the ends dropped) is added when there is none. An
// empty name is refused (std::invalid_argument).
TGroupChoice StoredOrNewGroup(TDataCollection& tables, const std::string& typed);

}  // namespace vyn::dialogs
