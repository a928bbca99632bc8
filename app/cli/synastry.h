#pragma once
// The synastry job: one or two charts calculated from a JSON input document
// {"charts": [chart, chart?], "partners": bool, "ephemeris": "path"}.
#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

#include "engine/horoscope.h"

namespace vyn::cli {

struct TSynastry {
  std::vector<std::unique_ptr<THoroscope>> charts;
};

// Calculates the charts; throws TInputError naming the field at fault.
TSynastry RunSynastry(const nlohmann::json& input);

// {"charts": [...]} with every derived value of each chart.
nlohmann::json SynastryToJson(const TSynastry& synastry);

}  // namespace vyn::cli
