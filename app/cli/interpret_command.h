#pragma once
// vyn-cli interpret: the interpretation of a pair, as the interpretation
// window presents it (text or JSON) or as the printout sets it out.
#include <string>
#include <vector>

namespace vyn::cli {

//   vyn-cli interpret [--input FILE] [--lang XX] [--orbset NAME] [--json | --print]
// The pair is the synastry input document (atlas places allowed), read from
// FILE, else from standard input; at a terminal without --input, the two
// sample people. Returns the exit status.
int InterpretCommand(const std::vector<std::string>& args);

}  // namespace vyn::cli
