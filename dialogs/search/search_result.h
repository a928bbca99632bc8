#pragma once
// What the search dialog is asked to list, and what it returns on OK.
#include <QString>

class QWidget;

#include "dialogs/search/search_mode.h"

namespace vyn::dialogs {

struct TSearchRequest {
  ESearchMode mode = ESearchMode::smStates;
  // Places: the name of the state whose places are listed (as in "STATES";
  // an unknown name lists nothing).
  QString state;
  // People: shown as "first last" (true) or "last first".
  bool firstNameFirst = true;
  // Put into the search box once the list is filled, selecting the entry it
  // finds; empty leaves the first entry selected.
  QString start;
  // The window the dialog stands over while it is shown modally (another
  // dialog asking for a choice); none: the dialog's own parent.
  QWidget* owner = nullptr;
};

struct TSearchResult {
  // The chosen entry as shown; people: first name, blank, last name; groups:
  // the group's stored name (a new group's typed name).
  QString text;
  // People: the chosen person's names.
  QString firstName, lastName;
  // States and places: the state's identifier ("0000" when none).
  QString stateId = QStringLiteral("0000");
  // Places: degrees with the minutes in the first two decimals (55.41 is
  // 55 degrees 41 minutes), south and east negative.
  double latitude = 0;
  double longitude = 0;
  // Places: the place's zone and summer-time rule; zones: the zone; rules:
  // the rule. Identifiers of four digits.
  QString zoneRef, summerRef;
};

}  // namespace vyn::dialogs
