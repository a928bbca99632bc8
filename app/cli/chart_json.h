#pragma once
// A calculated chart as a JSON document.
#include <nlohmann/json_fwd.hpp>

#include "engine/horoscope.h"

namespace vyn::cli {

nlohmann::json ChartToJson(const THoroscope& chart);

}  // namespace vyn::cli
