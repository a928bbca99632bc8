#pragma once
// One row of a pick list as read from its table.
#include <string>

namespace vyn::dialogs {

struct TSearchEntry {
  // The listed name (a state, place, zone, rule or group), or a person's
  // first name.
  std::string name;
  // A person's last name; empty in the other lists.
  std::string lastName;
  // The row's identifier where the list keeps one: the state of a state,
  // the zone or rule of a zone or rule; empty otherwise.
  std::string id;

  friend bool operator==(const TSearchEntry&, const TSearchEntry&) = default;
};

}  // namespace vyn::dialogs
