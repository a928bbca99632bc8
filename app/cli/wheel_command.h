#pragma once
// vyn-cli wheel: the chart wheel of a pair drawn into a PNG, SVG or PDF file
// through the wheel's own drawing code, and its layout as JSON.
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <vector>

namespace vyn {
class TWheel;
}

namespace vyn::cli {

//   vyn-cli wheel --out FILE.png|.svg|.pdf [--size N] [--layout single|double|twin]
//                 [--bw] [--json]
// The pair is the synastry input document (atlas places allowed) on
// standard input; at a terminal, the two sample people. single: the first
// chart alone with its aspects; double: the second chart as the inner ring;
// twin: both wheels side by side (a file of 2N × N). N is 600 unless
// --size gives 64 to 4096. --json prints the
// layout of the single or double wheel for the square N × N. Returns the
// exit status.
int WheelCommand(const std::vector<std::string>& args);

// The layout of a laid-out wheel: {"rect", "square", "R", "centre", "rot",
// "outer", "inner", "aspects", "font_heights"}, each chart with its angles
// (radians, frame angles before the rotation) and its points (pixels).
nlohmann::json WheelLayoutToJson(const TWheel& wheel);

}  // namespace vyn::cli
