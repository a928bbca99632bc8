// The generator program's behaviour when it cannot do its work.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/temp_directory.h"
#include "tools/ephemeris_generator.h"

namespace vyn::tools {
namespace {

namespace fs = std::filesystem;

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class MakeEphemerisTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(dir_ / "no_data"); }

  // Runs the program with the arguments (the library's own path variable
  // unset, so only the given directory counts); returns its exit status.
  int Run(const std::vector<std::string>& arguments) {
    std::string command = "env -u SE_EPHE_PATH " + Quoted(VYN_MAKE_EPHEMERIS);
    for (const std::string& argument : arguments) command += " " + Quoted(argument);
    command += " >" + Quoted((dir_ / "stdout").string()) + " 2>" +
               Quoted((dir_ / "stderr").string());
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string Stderr() const { return Contents(dir_ / "stderr"); }

  const vyn::testing::TTempDirectory temp_{"vyn_make_ephemeris"};
  const fs::path dir_ = temp_.Path();
};

TEST_F(MakeEphemerisTest, MissingDataFilesStopItNamingBodyAndDate) {
  const fs::path output = dir_ / "VYN.LNG";
  std::ofstream(output) << "previous table";

  EXPECT_EQ(Run({output.string(), "--ephe-path", (dir_ / "no_data").string()}), 1);

  // The first value computed is the Sun's at the epoch.
  EXPECT_NE(Stderr().find("Sun"), std::string::npos) << Stderr();
  EXPECT_NE(Stderr().find("1499-12-11 Julian"), std::string::npos) << Stderr();
  EXPECT_EQ(Contents(output), "previous table");
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir_))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"VYN.LNG", "no_data", "stderr", "stdout"}));
}

TEST_F(MakeEphemerisTest, BadCommandLinesPrintUsageAndWriteNothing) {
  const std::string output = (dir_ / "VYN.LNG").string();
  const std::vector<std::vector<std::string>> commandLines = {
      {},
      {output, "--ephe-path"},
      {output, output + "2"},
      {"--unknown", output},
  };
  for (const auto& arguments : commandLines) {
    EXPECT_EQ(Run(arguments), 2) << arguments.size() << " arguments";
    EXPECT_NE(Stderr().find("usage: make_ephemeris OUTPUT"), std::string::npos) << Stderr();
    EXPECT_FALSE(fs::exists(output));
  }
}

struct RoundingCase {
  double degrees;
  int minutes;
};

TEST(EphemerisGeneratorTest, LongitudesRoundToArcMinutesOfOneCircle) {
  const RoundingCase cases[] = {
      {0.0, 0},        {0.49 / 60, 0},     {0.51 / 60, 1},  {180.0, 10800},
      {359.99, 21599}, {359.995, 0},  // rounds up to 360 degrees, which is 0
      {360.0, 0},      {-0.2 / 60, 0},   {-1.0 / 60, 21599},
  };
  for (const RoundingCase& c : cases)
    EXPECT_EQ(ArcMinutesOfLongitude(c.degrees), c.minutes) << c.degrees << " degrees";
}

}  // namespace
}  // namespace vyn::tools
