#include "dialogs/names/place_lookup.h"

#include "app/core/input_checks.h"
#include "app/core/input_error.h"
#include "data/birth_place.h"
#include "data/data_collection.h"
#include "data/database_error.h"
#include "data/text_fold.h"
#include "data/zone_lookup.h"
#include "dialogs/names/primary_order.h"
#include "engine/text_helpers.h"

namespace vyn::dialogs {
namespace {

// The first row at or after `from` in the table's primary order.
std::optional<TTableRow> FirstRowFrom(TVynTable& table, const std::vector<TVynValue>& from) {
  TPrimaryOrder order(table);
  std::vector<TTableRow> rows = table.ReadRows(from, 1);
  if (rows.empty()) return std::nullopt;
  return std::move(rows.front());
}

}  // namespace

bool BeginsWith(const std::string& name, const std::string& typed) {
  return FoldText(name).starts_with(FoldText(typed));
}

std::optional<std::string> TPlaceLookup::CompleteState(const std::string& typed) {
  if (typed.empty()) return std::nullopt;
  TVynTable& states = tables_.Table(TTableRole::trStates);
  const auto row = FirstRowFrom(states, {typed});
  if (!row) return std::nullopt;
  const std::string& name = RowText(states, *row, "StateName");
  if (!BeginsWith(name, typed)) return std::nullopt;
  return name;
}

std::optional<std::string> TPlaceLookup::CompletePlace(const std::string& stateId,
                                                       const std::string& typed) {
  if (typed.empty() || stateId.empty() || stateId == kNoStateId) return std::nullopt;
  TVynTable& places = tables_.Table(TTableRole::trPlaces);
  const auto row = FirstRowFrom(places, {stateId, typed});
  if (!row || RowText(places, *row, "StateID") != stateId) return std::nullopt;
  const std::string& name = RowText(places, *row, "PlaceName");
  if (!BeginsWith(name, typed)) return std::nullopt;
  return name;
}

std::string TPlaceLookup::StateIdOf(const std::string& name) {
  if (name.empty()) return kNoStateId;
  const auto state = tables_.Atlas().StateByName(name);
  return state ? state->stateId : std::string(kNoStateId);
}

std::optional<TFoundState> TPlaceLookup::FindState(const std::string& typed) {
  const std::string name = TrimTrailingBlanks(typed);
  if (name.empty()) return std::nullopt;
  if (const auto state = tables_.Atlas().StateByName(name))
    return TFoundState{state->stateName, state->stateId, true};
  const auto completed = CompleteState(name);
  if (!completed) return std::nullopt;
  const auto state = tables_.Atlas().StateByName(*completed);
  if (!state) return std::nullopt;
  return TFoundState{state->stateName, state->stateId, false};
}

std::optional<TFoundPlace> TPlaceLookup::FindPlace(const std::string& stateId,
                                                   const std::string& typed) {
  const std::string name = TrimTrailingBlanks(typed);
  if (name.empty() || stateId.empty() || stateId == kNoStateId) return std::nullopt;
  TAtlasReader& atlas = tables_.Atlas();
  if (auto place = atlas.PlaceByKey(stateId, name)) return TFoundPlace{std::move(*place), true};
  const auto completed = CompletePlace(stateId, name);
  if (!completed) return std::nullopt;
  auto place = atlas.PlaceByKey(stateId, *completed);
  if (!place) return std::nullopt;
  return TFoundPlace{std::move(*place), false};
}

std::vector<TPlaceCandidate> TPlaceLookup::PlaceCandidates(const std::string& town,
                                                           const std::string& state, int limit) {
  const std::string text = TrimTrailingBlanks(town);
  if (SearchKey(text).empty()) return {};
  const std::string within = TrimTrailingBlanks(state);
  return SearchPlaces(tables_, within.empty() ? text : text + ", " + within, limit);
}

std::vector<TStateCandidate> TPlaceLookup::StateCandidates(const std::string& typed, int limit) {
  const std::string text = TrimTrailingBlanks(typed);
  if (SearchKey(text).empty()) return {};
  return NearestStates(tables_, text, limit);
}

extended TPlaceLookup::GregorianStart(const std::string& state, const std::string& town,
                                      extended birthDate) {
  try {
    return tables_.GregorianStartOf(state, town, birthDate);
  } catch (const EDatabaseError& e) {
    if (e.Kind() == TDataErrorKind::deBadValue) return kDefaultGregorianStart;
    throw;
  }
}

std::optional<TZoneReading> TPlaceLookup::ZoneAndSummerAt(const std::string& state,
                                                          const std::string& town,
                                                          std::int64_t date, std::int64_t time) {
  if (state.empty() || town.empty()) return std::nullopt;
  try {
    core::CheckDate(date, core::kJulianAlways, "date");
  } catch (const core::EInputError&) {
    return std::nullopt;
  }
  try {
    const TBirthPlace place = ResolveBirthPlace(tables_, state, town, date, time);
    return TZoneReading{place.zoneTime, place.summerTime, place.localMeanTime,
                        place.clockChanges};
  } catch (const EAtlasError&) {
    return std::nullopt;
  } catch (const EDatabaseError& e) {
    if (e.Kind() == TDataErrorKind::deBadValue) return std::nullopt;
    throw;
  }
}

}  // namespace vyn::dialogs
