#pragma once
// The names a typed text may mean when no entry of a list begins with it,
// found by the forgiving place search of the atlas: other spellings and
// transliterations ("Muenchen", "Bombay", "St Petersburg") and, for states,
// small typing errors ("Germny"). Only the lists of states and places have
// them; best first.
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/search/search_list_source.h"
#include "dialogs/search/search_mode.h"

namespace vyn {
class TDataCollection;
}

namespace vyn::dialogs {

// Texts shorter than this many letters in search form are not looked up:
// they match too many names to mean one.
inline constexpr std::size_t kSuggestionMinimumLetters = 3;

std::vector<std::string> SuggestedNames(TDataCollection& tables, ESearchMode mode,
                                        const TListScope& scope, std::string_view typed);

}  // namespace vyn::dialogs
