#pragma once
// What the atlas said about a birth place, for the output documents.
#include <nlohmann/json.hpp>

#include "data/birth_place.h"

namespace vyn::cli {

nlohmann::json BirthPlaceToJson(const TBirthPlace& place);

// Table forms (degrees * 100 + minutes) as D.MM numbers.
long double TableAngleToDM(long angle);

}  // namespace vyn::cli
