#pragma once
// The print items: the blocks that the chart printouts place on a page,
// their keys in [PrintOptions], and which of them each file holds with
// which defaults.
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "settings/print_item.h"

namespace vyn {

enum TPrintItemId : int {
  piWheel, piWheelT, piWheelD, piWheelX,
  piInformationS, piInformationD, piInformationT, piInformationG,
  piInformationX, piInformationXG,
  piSymbol, piHouses, piAspects, piAspectsD,
  piPlanets, piPlanetsT, piPlanetsD, piPlanetsX, piPlanetsXD,
  piContact, piHarmony, piTension, piMode, piElement,
  kPrintItemCount
};

// The key of an item: its name without the prefix ("InformationXG").
std::string_view PrintItemKey(TPrintItemId item);

// Every item; at start all are zero and not shown.
using TPrintItems = std::array<PrintItem, kPrintItemCount>;

struct TPrintItemDefault {
  TPrintItemId Item;
  // The default rectangle; none: the value held is the default, so a
  // missing key changes nothing.
  std::optional<TBounds> Bounds;
};

// The items that the settings file gives for an edition ("US", "JP", or
// any other code), with their defaults. Items not listed are not read.
const std::vector<TPrintItemDefault>& EditionPrintItems(std::string_view edition);

enum TPrintoutKind { pkDoubleWheel, pkTwinWheel, pkSingleWheel, pkGraphs };

// The printout file of one kind: the black-and-white key and the items it
// loads and saves.
struct TPrintoutFile {
  std::string_view FileName;
  std::string_view BlackWhiteKey;  // "BW" or "GPHBW" of [PrintOptions]
  std::optional<bool> BlackWhiteDefault;  // none: the value held
  std::vector<TPrintItemDefault> Items;
};

const TPrintoutFile& PrintoutFile(TPrintoutKind kind);

}  // namespace vyn
