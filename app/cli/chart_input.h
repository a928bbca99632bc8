#pragma once
// Reading the birth data of a chart from a JSON object.
#include <nlohmann/json.hpp>
#include <string>

#include "engine/horoscope.h"

namespace vyn::cli {

// Sets the inputs of `chart` (inactive) from `object`, whose fields carry the
// chart record's property names and "orbs". `where` names the object in
// messages ("charts[0]"). Throws TInputError naming the field and the rule.
void ApplyChartInput(const nlohmann::json& object, const std::string& where,
                     THoroscope& chart);

}  // namespace vyn::cli
