#pragma once
// The synastry job: one or two charts calculated from a JSON input document
// {"charts": [chart, chart?], "partners": bool, "ephemeris": "path"}.
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <vector>

#include "app/core/chart_pair.h"
#include "data/birth_place.h"

namespace vyn::core {
class TSession;
}

namespace vyn::cli {

struct TSynastry {
  core::TChartPair charts;
  // Per chart, what the atlas gave when the chart named a place.
  std::vector<std::optional<TBirthPlace>> places;
  // Per chart, its place's clock changes in words (none without a place).
  std::vector<std::vector<std::string>> warnings;
};

// Calculates the charts; throws core::EInputError naming the field at
// fault. A chart may name a "State" and "Place" of the atlas instead of
// giving its coordinates, zone, summer time and Gregorian start; fields it
// gives besides take precedence. A chart without "orbs" takes the orb set
// `orbSet` of the session's language when one is named.
TSynastry RunSynastry(const nlohmann::json& input, core::TSession& session,
                      const std::string& orbSet = "");

// {"charts": [...]} with every derived value of each chart.
nlohmann::json SynastryToJson(const TSynastry& synastry);

}  // namespace vyn::cli
