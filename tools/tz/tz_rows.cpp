// tz_rows OUTPUT_DIR [--source TZDATA.ZI]
//
// Writes the atlas tables ZONEID, ZONE, SUMMERID and SUMMER made from the
// time zone source (default: the committed content/tz/tzdata.zi) as TSV
// files into OUTPUT_DIR and prints the figures of the build. Each file is
// replaced in one step; on an error the previous files stay as they were.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/atomic_file.h"
#include "tools/tz/atlas_report.h"
#include "tools/tz/atlas_tsv.h"
#include "tools/tz/atlas_zones.h"

namespace {

struct Arguments {
  std::string output;
  std::string source = VYN_TZ_SOURCE_FILE;
};

std::optional<Arguments> ParseArguments(int argc, char** argv) {
  Arguments arguments;
  bool haveOutput = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--source" && i + 1 < argc) {
      arguments.source = argv[++i];
    } else if (!argument.starts_with("-") && !haveOutput) {
      arguments.output = argument;
      haveOutput = true;
    } else {
      return std::nullopt;
    }
  }
  if (!haveOutput) return std::nullopt;
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Arguments> arguments = ParseArguments(argc, argv);
  if (!arguments) {
    std::fprintf(stderr, "usage: tz_rows OUTPUT_DIR [--source TZDATA.ZI]\n");
    return 2;
  }
  try {
    const vyn::tz::Atlas atlas = vyn::tz::BuildAtlas(vyn::tz::LoadTzSource(arguments->source));
    std::filesystem::create_directories(arguments->output);
    for (const auto& [name, text] : vyn::tz::AtlasTsvFiles(atlas)) {
      vyn::WriteFileAtomically((std::filesystem::path(arguments->output) / name).string(),
                               text);
    }
    std::printf("%s", vyn::tz::AtlasSummary(atlas).c_str());
    std::printf("written to %s\n", arguments->output.c_str());
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tz_rows: %s\n", error.what());
    return 1;
  }
}
