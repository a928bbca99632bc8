#pragma once
// How the name dialog finds a birth place in the atlas as the user types
// it: completion of state and town names, the look-up on leaving a box
// (the exact name, else the first name that begins with the typed text,
// letter case and accents set aside), the forgiving search for names the
// atlas spells otherwise ("Munich" for "München", "Portland, Maine"), and
// the zone offset and summer time of a place at a local birth moment.
//
// Reads go through statements of their own or ReadRows in the primary
// order; no table's cursor moves.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/atlas_reader.h"
#include "data/clock_change.h"
#include "data/place_search.h"
#include "engine/angles.h"

namespace vyn {
class TDataCollection;
}

namespace vyn::dialogs {

// The state identifier that stands for no state.
inline constexpr const char* kNoStateId = "0000";

struct TFoundState {
  std::string name, id;
  bool exact = false;  // false: the typed text was only the start of the name
};

struct TFoundPlace {
  TPlaceRow row;
  bool exact = false;
};

// A place's zone offset (H.MM, positive west) and summer-time advance at a
// local moment, with the clock changes that make the moment ambiguous.
struct TZoneReading {
  long double zone = 0, summer = 0;
  bool localMeanTime = false;
  std::vector<TClockChange> clockChanges;
};

class TPlaceLookup {
 public:
  // The collection must be open and outlive the look-up.
  explicit TPlaceLookup(TDataCollection& tables) : tables_(tables) {}

  // The first state (place of the state) whose name begins with `typed`;
  // nothing for empty text.
  std::optional<std::string> CompleteState(const std::string& typed);
  std::optional<std::string> CompletePlace(const std::string& stateId, const std::string& typed);

  // The identifier of the state named exactly `name`; kNoStateId when none.
  std::string StateIdOf(const std::string& name);

  // On leaving a box: trailing blanks dropped, the exact name, else the
  // first name that begins with the text.
  std::optional<TFoundState> FindState(const std::string& typed);
  std::optional<TFoundPlace> FindPlace(const std::string& stateId, const std::string& typed);

  // The forgiving search: places that `town` may mean, within the states
  // `state` names when it names any, best first.
  std::vector<TPlaceCandidate> PlaceCandidates(const std::string& town, const std::string& state,
                                               int limit);
  // States the typed text may mean.
  std::vector<TStateCandidate> StateCandidates(const std::string& typed, int limit);

  // The first Gregorian date (YYYY.MMDD) of the place's region for a birth
  // on `birthDate` (YYYY.MMDD); 1522.0101 when the place is not known.
  extended GregorianStart(const std::string& state, const std::string& town, extended birthDate);

  // The reading of the place at local `date` (YYYYMMDD) and `time`
  // (HHMMSS): a place still on local mean time keeps the mean time of its
  // own longitude. Nothing when the atlas lacks the state or place or the
  // date is no date; damaged rows and errors of the store throw.
  std::optional<TZoneReading> ZoneAndSummerAt(const std::string& state, const std::string& town,
                                              std::int64_t date, std::int64_t time);

 private:
  TDataCollection& tables_;
};

// Whether `name` begins with `typed`, letter case and accents set aside.
bool BeginsWith(const std::string& name, const std::string& typed);

}  // namespace vyn::dialogs
