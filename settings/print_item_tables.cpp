#include "settings/print_item_tables.h"

namespace vyn {
namespace {

constexpr std::array<std::string_view, kPrintItemCount> kKeys = {
    "Wheel",        "WheelT",       "WheelD",        "WheelX",
    "InformationS", "InformationD", "InformationT",  "InformationG",
    "InformationX", "InformationXG", "Symbol",       "Houses",
    "Aspects",      "AspectsD",     "Planets",       "PlanetsT",
    "PlanetsD",     "PlanetsX",     "PlanetsXD",     "Contact",
    "Harmony",      "Tension",      "Mode",          "Element"};

constexpr TBounds kWheelBounds{20, 27, 120, 120};
constexpr TBounds kWheelXBounds{65, 125, 120, 120};
constexpr TBounds kWideInformation{0, 2, 180, 21};
constexpr TBounds kModeBounds{0, 50, 140, 70};
constexpr TBounds kElementBounds{0, 100, 140, 70};
constexpr TBounds kContactBounds{5, 140, 100, 30};
constexpr TBounds kHarmonyBounds{80, 175, 100, 30};
constexpr TBounds kTensionBounds{5, 210, 100, 30};

std::vector<TPrintItemDefault> WithWheels(std::vector<TPrintItemDefault> rest) {
  std::vector<TPrintItemDefault> items = {{piWheel, kWheelBounds},
                                          {piWheelT, kWheelBounds},
                                          {piWheelD, kWheelBounds},
                                          {piWheelX, kWheelXBounds}};
  items.insert(items.end(), rest.begin(), rest.end());
  return items;
}

const std::vector<TPrintItemDefault>& OtherEditionItems() {
  static const auto items = WithWheels({
      {piInformationS, kWideInformation},
      {piInformationD, TBounds{0, 0, 60, 30}},
      {piInformationT, TBounds{0, 0, 60, 30}},
      {piInformationG, TBounds{0, 0, 60, 30}},
      {piInformationX, TBounds{120, 0, 60, 30}},
      {piInformationXG, TBounds{120, 0, 60, 25}},
      {piSymbol, TBounds{0, 5, 27, 225}},
      {piHouses, TBounds{160, 159, 28, 70}},
      {piAspects, TBounds{65, 170, 70, 70}},
      {piPlanets, TBounds{140, 170, 50, 70}},
      {piPlanetsX, TBounds{0, 170, 50, 70}},
      {piContact, kContactBounds},
      {piHarmony, kHarmonyBounds},
      {piTension, kTensionBounds},
      {piMode, kModeBounds},
      {piElement, kElementBounds},
  });
  return items;
}

const std::vector<TPrintItemDefault>& UsEditionItems() {
  static const auto items = WithWheels({
      {piInformationS, kWideInformation},
      {piInformationD, kWideInformation},
      {piInformationT, kWideInformation},
      {piInformationG, kWideInformation},
      {piSymbol, TBounds{0, 5, 30, 213}},
      {piHouses, TBounds{160, 159, 25, 70}},
      {piAspects, TBounds{65, 170, 70, 70}},
      {piAspectsD, TBounds{65, 170, 70, 70}},
      {piPlanets, TBounds{0, 170, 40, 70}},
      {piPlanetsT, TBounds{0, 170, 40, 70}},
      {piPlanetsD, TBounds{0, 170, 40, 70}},
      {piPlanetsX, TBounds{140, 170, 40, 70}},
      {piPlanetsXD, TBounds{140, 170, 40, 70}},
      {piContact, kContactBounds},
      {piHarmony, kHarmonyBounds},
      {piTension, kTensionBounds},
      {piMode, kModeBounds},
      {piElement, kElementBounds},
  });
  return items;
}

const std::vector<TPrintItemDefault>& JpEditionItems() {
  static const auto items = WithWheels({
      {piInformationS, kWideInformation},
      {piInformationD, TBounds{0, 2, 60, 30}},
      {piInformationT, TBounds{0, 2, 60, 30}},
      {piInformationG, TBounds{0, 2, 60, 30}},
      {piSymbol, TBounds{0, 23, 31, 224}},
      {piHouses, TBounds{36, 177, 24, 70}},
      {piAspects, TBounds{65, 177, 70, 70}},
      {piPlanets, TBounds{140, 177, 40, 70}},
      {piPlanetsX, TBounds{140, 170, 40, 70}},
      {piMode, kModeBounds},
      {piElement, kElementBounds},
  });
  return items;
}

// Each printout file loads and saves the same keys. Besides the items with
// their own defaults, a file also reads back what its printout saves but
// would otherwise never read again (the black-and-white choice; the houses
// and symbol blocks of the double wheel), with the value held as the
// default, and saves the second name box that it reads.
const std::array<TPrintoutFile, 4>& PrintoutFiles() {
  static const std::array<TPrintoutFile, 4> files = {{
      {"VYN21.INI", "BW", std::nullopt,
       {{piWheelD, kWheelBounds},
        {piInformationD, TBounds{0, 0, 60, 30}},
        {piInformationX, TBounds{120, 0, 60, 30}},
        {piAspectsD, TBounds{65, 170, 70, 70}},
        {piPlanetsD, TBounds{140, 170, 50, 70}},
        {piPlanetsXD, TBounds{0, 170, 50, 70}},
        {piHouses, std::nullopt},
        {piSymbol, std::nullopt}}},
      {"VYN22.INI", "BW", std::nullopt,
       {{piWheelT, kWheelBounds},
        {piWheelX, kWheelXBounds},
        {piInformationT, TBounds{0, 0, 60, 30}},
        {piInformationX, TBounds{120, 0, 60, 30}},
        {piPlanetsT, TBounds{140, 170, 50, 70}},
        {piPlanetsX, TBounds{0, 170, 50, 70}}}},
      {"VYN23.INI", "BW", std::nullopt,
       {{piWheel, kWheelBounds},
        {piInformationS, kWideInformation},
        {piSymbol, TBounds{0, 5, 27, 225}},
        {piHouses, TBounds{160, 159, 28, 70}},
        {piAspects, TBounds{65, 170, 70, 70}},
        {piPlanets, TBounds{140, 170, 50, 70}}}},
      {"VYN24.INI", "GPHBW", false,
       {{piInformationG, TBounds{0, 0, 60, 30}},
        {piInformationXG, TBounds{120, 0, 60, 30}},
        {piContact, kContactBounds},
        {piHarmony, kHarmonyBounds},
        {piTension, kTensionBounds},
        {piMode, kModeBounds},
        {piElement, kElementBounds}}},
  }};
  return files;
}

}  // namespace

std::string_view PrintItemKey(TPrintItemId item) { return kKeys[item]; }

const std::vector<TPrintItemDefault>& EditionPrintItems(std::string_view edition) {
  if (edition == "US") return UsEditionItems();
  if (edition == "JP") return JpEditionItems();
  return OtherEditionItems();
}

const TPrintoutFile& PrintoutFile(TPrintoutKind kind) { return PrintoutFiles()[kind]; }

}  // namespace vyn
