#pragma once
// The figures of an atlas build and of its check as printable lines.
#include <string>

#include "tools/tz/atlas_check.h"
#include "tools/tz/atlas_zones.h"

namespace vyn::tz {

std::string AtlasSummary(const Atlas& atlas);
std::string CheckSummary(const CheckFigures& figures);

}  // namespace vyn::tz
