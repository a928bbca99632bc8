#include "dialogs/search/search_mode.h"

namespace vyn::dialogs {

int CaptionToken(ESearchMode mode) {
  switch (mode) {
    case ESearchMode::smStates: return 237;
    case ESearchMode::smPlaces: return 470;
    case ESearchMode::smZones: return 518;
    case ESearchMode::smSummerTimes: return 519;
    case ESearchMode::smGroups: return 466;
    case ESearchMode::smPeople: return 463;
  }
  return 0;
}

int SearchLabelToken(ESearchMode mode) { return mode == ESearchMode::smGroups ? 25 : 509; }

int CountToken(ESearchMode mode) {
  switch (mode) {
    case ESearchMode::smStates: return 520;
    case ESearchMode::smPlaces: return 523;
    case ESearchMode::smZones: return 522;
    case ESearchMode::smSummerTimes: return 521;
    case ESearchMode::smGroups: return 374;
    case ESearchMode::smPeople: return 511;
  }
  return 0;
}

}  // namespace vyn::dialogs
