#pragma once
// The synastry as readable text: both charts, their aspects and the cross
// aspects of the pair.
#include <string>

#include "app/cli/synastry.h"

namespace vyn {
class TLanguage;
}

namespace vyn::cli {

// Body, sign, aspect and house system names come from the language.
std::string SynastryText(const TSynastry& synastry, const TLanguage& language);

}  // namespace vyn::cli
