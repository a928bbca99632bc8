#pragma once
// Two sample people for the command line's synastry when no input is given.
#include <nlohmann/json.hpp>

namespace vyn::cli {

// The orbs of the sample pair, a 13 x 14 array of whole degrees.
nlohmann::json SampleOrbs();

// {"charts": [..two people..]} in the synastry input format.
nlohmann::json SamplePair();

}  // namespace vyn::cli
