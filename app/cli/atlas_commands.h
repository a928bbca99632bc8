#pragma once
// The command line's atlas look-ups:
//   vyn-cli place STATE PLACE [--date YYYYMMDD [--time HHMM[SS]]] [--json]
//   vyn-cli zone NAME YYYYMMDD HHMM[SS] [--json]
#include <string>
#include <vector>

namespace vyn::cli {

int PlaceCommand(const std::vector<std::string>& args);
int ZoneCommand(const std::vector<std::string>& args);

}  // namespace vyn::cli
