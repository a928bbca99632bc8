#pragma once
// Reading the birth data of a chart from a JSON object.
#include <nlohmann/json_fwd.hpp>
#include <string>

#include "app/core/chart_pair.h"

namespace vyn::cli {

// The chart input of `object`, whose fields carry the chart record's
// property names and "orbs"; a field left out keeps the record's default.
// `where` names the object in messages ("charts[0]"). Throws
// core::EInputError naming the field when a value has the wrong type or an
// orb is out of range; the values themselves are checked when the charts
// are assembled.
core::TChartInput ReadChartInput(const nlohmann::json& object, const std::string& where);

// A number field of a JSON object; `field` names it in messages.
long double JsonNumber(const nlohmann::json& value, const std::string& field);

}  // namespace vyn::cli
