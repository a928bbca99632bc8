#pragma once
// The ephemeris file a benchmark reads.
#include <string>

namespace vyn::bench {

// The first program argument when given; otherwise "VYN.LNG" in the
// application directory when it exists there (the executable's directory or
// $VYN_HOME), else the file generated into the build tree.
std::string EphemerisPath(int argc, char** argv);

}  // namespace vyn::bench
