#include "dialogs/search/search_suggestions.h"

#include "data/place_search.h"

namespace vyn::dialogs {
namespace {

constexpr int kStateSuggestions = 5;
constexpr int kPlaceSuggestions = 20;

std::vector<std::string> StateNames(TDataCollection& tables, std::string_view typed) {
  std::vector<std::string> names;
  for (TStateCandidate& state : NearestStates(tables, typed, kStateSuggestions))
    names.push_back(std::move(state.state));
  return names;
}

// The search keeps to the places of the state named after the comma; the
// identifier check drops those of other states of the same name.
std::vector<std::string> PlaceNames(TDataCollection& tables, const TListScope& scope,
                                    std::string_view typed) {
  std::vector<std::string> names;
  const std::string text = std::string(typed) + ", " + scope.stateName;
  for (TPlaceCandidate& place : SearchPlaces(tables, text, kPlaceSuggestions))
    if (place.stateId == scope.stateId) names.push_back(std::move(place.place));
  return names;
}

}  // namespace

std::vector<std::string> SuggestedNames(TDataCollection& tables, ESearchMode mode,
                                        const TListScope& scope, std::string_view typed) {
  if (SearchKey(typed).size() < kSuggestionMinimumLetters) return {};
  if (mode == ESearchMode::smStates) return StateNames(tables, typed);
  if (mode == ESearchMode::smPlaces && !scope.stateId.empty())
    return PlaceNames(tables, scope, typed);
  return {};
}

}  // namespace vyn::dialogs
