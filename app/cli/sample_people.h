#pragma once
// Two sample people for the command line's synastry when no input is given.
#include <nlohmann/json_fwd.hpp>

namespace vyn::cli {

// {"charts": [..two people..]} in the synastry input format, without orbs:
// they take an orb set of the language.
nlohmann::json SamplePair();

// The input document on standard input; at a terminal, the sample pair.
nlohmann::json PairFromStandardInput();

}  // namespace vyn::cli
