// tz_check [--source TZDATA.ZI] [--zoneinfo DIR] [--zic PATH]
//
// Builds the atlas rows from the time zone source (default: the committed
// content/tz/tzdata.zi) and checks them against compiled zone files: by
// default the source compiled with zic into a temporary directory, or the
// files under DIR. Prints the figures of the build and of the check; exits
// 0 when the check finds no unexplained difference, 1 otherwise.
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "tools/tz/atlas_check.h"
#include "tools/tz/atlas_report.h"
#include "tools/tz/atlas_zones.h"
#include "tools/tz/zic_compiler.h"

namespace {

struct Arguments {
  std::string source = VYN_TZ_SOURCE_FILE;
  std::string zoneDirectory;  // empty: compile the source with zic
  std::string zic;
};

std::optional<Arguments> ParseArguments(int argc, char** argv) {
  Arguments arguments;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (i + 1 >= argc) return std::nullopt;
    if (argument == "--source") arguments.source = argv[++i];
    else if (argument == "--zoneinfo") arguments.zoneDirectory = argv[++i];
    else if (argument == "--zic") arguments.zic = argv[++i];
    else return std::nullopt;
  }
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Arguments> arguments = ParseArguments(argc, argv);
  if (!arguments) {
    std::fprintf(stderr,
                 "usage: tz_check [--source TZDATA.ZI] [--zoneinfo DIR] [--zic PATH]\n");
    return 2;
  }
  try {
    const vyn::tz::TzSource source = vyn::tz::LoadTzSource(arguments->source);
    const vyn::tz::Atlas atlas = vyn::tz::BuildAtlas(source);
    std::printf("%s", vyn::tz::AtlasSummary(atlas).c_str());
    vyn::tz::CheckFigures figures;
    if (arguments->zoneDirectory.empty()) {
      const std::string zic = vyn::tz::FindZic(arguments->zic);
      const vyn::tz::CompiledZoneDirectory compiled(arguments->source, zic);
      std::printf("reference: %s compiled with %s\n", arguments->source.c_str(), zic.c_str());
      figures = vyn::tz::CheckAtlas(source, atlas, compiled.Path().string());
    } else {
      std::printf("reference: zone files under %s\n", arguments->zoneDirectory.c_str());
      figures = vyn::tz::CheckAtlas(source, atlas, arguments->zoneDirectory);
    }
    std::printf("%s", vyn::tz::CheckSummary(figures).c_str());
    return figures.Passed() ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tz_check: %s\n", error.what());
    return 1;
  }
}
