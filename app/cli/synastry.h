#pragma once
// The synastry job: one or two charts calculated from a JSON input document
// {"charts": [chart, chart?], "partners": bool, "ephemeris": "path"}.
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "data/birth_place.h"
#include "engine/horoscope.h"

namespace vyn::cli {

struct TSynastry {
  std::vector<std::unique_ptr<THoroscope>> charts;
  // Per chart, what the atlas gave when the chart named a place.
  std::vector<std::optional<TBirthPlace>> places;
};

class TAtlas;

// Calculates the charts; throws TInputError naming the field at fault. A
// chart may name a "State" and "Place" of the atlas instead of giving its
// coordinates, zone, summer time and Gregorian start; fields it gives
// besides take precedence. A chart without "orbs" takes the orb set
// `orbSet` of the atlas's language when one is named.
TSynastry RunSynastry(const nlohmann::json& input, TAtlas& atlas,
                      const std::string& orbSet = "");

// {"charts": [...]} with every derived value of each chart.
nlohmann::json SynastryToJson(const TSynastry& synastry);

}  // namespace vyn::cli
