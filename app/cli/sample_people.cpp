#include "app/cli/sample_people.h"

#include <array>

namespace vyn::cli {
namespace {

using nlohmann::json;

// Whole degrees per aspect kind 0..12 (0 for the kinds that are no aspect):
// wide for the conjunction and opposition, narrow for the minor aspects.
constexpr std::array<int, 13> kKindOrbs = {8, 0, 2, 2, 5, 0, 7,
                                           0, 7, 2, 2, 0, 8};

bool IsLuminary(int point) { return point == 1 || point == 2; }
bool IsMinor(int kind) { return kKindOrbs[kind] <= 2; }

}  // namespace

json SampleOrbs() {
  json rows = json::array();
  for (int kind = 0; kind < 13; ++kind) {
    json row = json::array();
    for (int point = 1; point <= 14; ++point) {
      const int base = kKindOrbs[kind];
      row.push_back(base > 0 && IsLuminary(point) && !IsMinor(kind) ? base + 2
                                                                     : base);
    }
    rows.push_back(row);
  }
  return rows;
}

json SamplePair() {
  return {{"charts",
           {{{"FirstName", "Anna"}, {"LastName", "Lindqvist"}, {"Sex", "F"},
             {"PlaceName", "Stockholm"}, {"StateName", "Sweden"},
             {"BirthDate", 1985.0614}, {"BirthTime", 8.20},
             {"ZoneTime", -1.00}, {"SummerTime", 1.00},
             {"Latitude", 59.20}, {"Longitude", -18.03},
             {"GregorianStart", 1753.0301}, {"orbs", SampleOrbs()}},
            {{"FirstName", "Marco"}, {"LastName", "Bellini"}, {"Sex", "M"},
             {"PlaceName", "Roma"}, {"StateName", "Italy"},
             {"BirthDate", 1982.1103}, {"BirthTime", 22.45},
             {"ZoneTime", -1.00}, {"SummerTime", 0.00},
             {"Latitude", 41.54}, {"Longitude", -12.29},
             {"GregorianStart", 1582.1015}, {"orbs", SampleOrbs()}}}}};
}

}  // namespace vyn::cli
