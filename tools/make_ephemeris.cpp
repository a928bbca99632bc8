// make_ephemeris OUTPUT [--ephe-path DIR]
//
// Writes the ephemeris file "VYN.LNG" from the Swiss Ephemeris data files in
// DIR (default /usr/share/libswe/ephe) and prints a one-line summary with
// the SHA-256 of the file. Exits non-zero, leaving any previous OUTPUT as it
// was, when a longitude cannot be computed from the data files.
#include <swephexp.h>

#include <cstdint>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ephemeris_format.h"
#include "platform/atomic_file.h"
#include "tools/calendar_date_text.h"
#include "tools/ephemeris_generator.h"
#include "tools/sha256.h"

namespace {

namespace format = vyn::ephemeris_format;
namespace tools = vyn::tools;

constexpr const char* kDefaultEphemerisDirectory = "/usr/share/libswe/ephe";

struct Arguments {
  std::string output;
  std::string ephemerisDirectory = kDefaultEphemerisDirectory;
};

std::optional<Arguments> ParseArguments(int argc, char** argv) {
  Arguments arguments;
  bool haveOutput = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--ephe-path" && i + 1 < argc) {
      arguments.ephemerisDirectory = argv[++i];
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

std::string Summary(const std::string& output, int records,
                    const std::string& checksum) {
  const double first = static_cast<double>(format::kEpochJD);
  const double end = first + static_cast<double>(records) * format::kRecordDays;
  char version[AS_MAXCH] = "";
  swe_version(version);
  char text[512];
  std::snprintf(text, sizeof text,
                "%s: %d records, JD %.1f (%s) to JD %.1f (%s) exclusive, "
                "%d bytes, SHA-256 %s, Swiss Ephemeris %s",
                output.c_str(), records, first, tools::CalendarDateText(first).c_str(),
                end, tools::CalendarDateText(end).c_str(),
                records * format::kRecordBytes, checksum.c_str(), version);
  return text;
}

void MakeEphemeris(const Arguments& arguments) {
  const int records = tools::EphemerisRecordCount();
  std::vector<std::uint8_t> bytes;
  {
    tools::SwissEphemerisSession session(arguments.ephemerisDirectory);
    bytes = tools::GenerateEphemeris(records);
  }
  vyn::WriteFileAtomically(
      arguments.output,
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  std::printf("%s\n", Summary(arguments.output, records, tools::Sha256Hex(bytes)).c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Arguments> arguments = ParseArguments(argc, argv);
  if (!arguments) {
    std::fprintf(stderr, "usage: make_ephemeris OUTPUT [--ephe-path DIR]\n");
    return 2;
  }
  try {
    MakeEphemeris(*arguments);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_ephemeris: %s\n", error.what());
    return 1;
  }
  return 0;
}
