#pragma once
// vyn-cli graph: the compatibility, element, modality and degree-dial
// graphs of a pair drawn into a PNG, SVG or PDF file through the graphs'
// own drawing code, and what each graph computed as JSON.
#include <string>
#include <vector>

namespace vyn::cli {

//   vyn-cli graph compatibility|element|modality|dial30|dial60|dial90
//                 --out FILE.png|.svg|.pdf [--size WxH] [--lang XX] [--json]
// The pair is the synastry input document on standard input (at a
// terminal, the two sample people); it needs two charts. The compatibility
// graph takes the charts with the language's widest orb set (token 1016)
// and scores against the sets of tokens 1016, 1015 and 1014; the other
// graphs take the charts with the synastry orb set. WxH is 728x339 unless
// given (64 to 4096 each). Returns the exit status.
int GraphCommand(const std::vector<std::string>& args);

}  // namespace vyn::cli
