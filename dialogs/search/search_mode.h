#pragma once
// The six lists of the search dialog and the fixed texts each one uses.
namespace vyn::dialogs {

enum class ESearchMode {
  smStates = 1,       // countries and states
  smPlaces = 2,       // the places of one state
  smZones = 3,        // time zones
  smSummerTimes = 4,  // summer-time rules
  smGroups = 5,       // groups of people
  smPeople = 6,       // people, optionally of one group
};

// The window caption's token.
int CaptionToken(ESearchMode mode);
// The search label's token: "Group name" for groups, "Search for" otherwise.
int SearchLabelToken(ESearchMode mode);
// The word after the number of listed entries ("12 Names").
int CountToken(ESearchMode mode);

}  // namespace vyn::dialogs
