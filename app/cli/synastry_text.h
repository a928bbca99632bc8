#pragma once
// The synastry as readable text: both charts, their aspects and the cross
// aspects of the pair.
#include <string>

#include "app/cli/synastry.h"

namespace vyn::cli {

std::string SynastryText(const TSynastry& synastry);

}  // namespace vyn::cli
