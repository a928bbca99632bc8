#include "bench/ephemeris_path.h"

#include <filesystem>

#include "platform/app_directory.h"

namespace vyn::bench {

std::string EphemerisPath(int argc, char** argv) {
  if (argc > 1) return argv[1];
  const std::string beside = AppDirectory() + "VYN.LNG";
  std::error_code ec;
  if (std::filesystem::is_regular_file(beside, ec)) return beside;
  return VYN_DEFAULT_EPHEMERIS_FILE;
}

}  // namespace vyn::bench
