#pragma once
// What the atlas said about a birth place, for the output documents.
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <vector>

#include "data/birth_place.h"

namespace vyn::cli {

// `warnings`: the place's clock changes in words.
nlohmann::json BirthPlaceToJson(const TBirthPlace& place,
                                const std::vector<std::string>& warnings);

// Table forms (degrees * 100 + minutes) as D.MM numbers.
long double TableAngleToDM(long angle);

}  // namespace vyn::cli
