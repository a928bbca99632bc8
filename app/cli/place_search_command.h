#pragma once
// vyn-cli place --search TEXT [--limit N] [--json]: the atlas places that
// match a name as a user types it, best first.
#include <string>
#include <vector>

namespace vyn::cli {

// `args`: the words after "place". Writes the candidates to std::cout and
// returns the exit status; bad input throws EInputError naming the option.
int PlaceSearchCommand(const std::vector<std::string>& args);

}  // namespace vyn::cli
