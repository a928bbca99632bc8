// vyn-cli as a process: exit status, standard output and standard error.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

namespace {

struct TRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Runs vyn-cli with `args`, feeding `input` on standard input.
TRun RunCli(const std::string& args, const std::string& input) {
  // Tests run in parallel processes: each run has files of its own.
  static int runs = 0;
  const std::string dir = ::testing::TempDir() + "vyn_cli_" +
                          std::to_string(getpid()) + "_" + std::to_string(++runs);
  const std::string in = dir + "_in.json", out = dir + "_out.txt",
                    err = dir + "_err.txt";
  std::ofstream(in) << input;
  const std::string command = std::string("VYN_HOME=") + VYN_TEST_APP_DIR +
                              " " + VYN_CLI_PATH + " " + args + " <" + in +
                              " >" + out + " 2>" + err;
  const int raw = std::system(command.c_str());
  TRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
  for (const std::string& file : {in, out, err}) std::remove(file.c_str());
  return run;
}

TEST(VynCliProcessTest, JsonInJsonOut) {
  const TRun run = RunCli(
      "synastry --json",
      R"({"charts": [{"BirthDate": 1960.0527, "BirthTime": 14.35,
                      "Latitude": 52.31, "Longitude": -13.24, "ZoneTime": -1.00,
                      "orbs": 8},
                     {"BirthDate": 1962.1111, "BirthTime": 3.10, "orbs": 8}]})");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.err.empty());
  const auto doc = nlohmann::json::parse(run.out);
  EXPECT_EQ(doc.at("charts").size(), 2u);
}

TEST(VynCliProcessTest, SamplePairAsText) {
  const TRun run = RunCli("synastry", "");
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* part : {"Anna Lindqvist", "Marco Bellini", "Positions",
                           "Cusps", "Cross aspects", "Placidus"})
    EXPECT_NE(run.out.find(part), std::string::npos) << part;
}

TEST(VynCliProcessTest, AtlasLookUps) {
  const TRun place = RunCli(
      "place Sweden Stockholm --date 18700101 --time 1200 --json", "");
  ASSERT_EQ(place.status, 0) << place.err;
  const auto doc = nlohmann::json::parse(place.out);
  EXPECT_EQ(doc.at("zone_name"), "Europe/Stockholm");
  EXPECT_EQ(doc.at("local_mean_time"), true);
  EXPECT_EQ(doc.at("ZoneTime"), -1.12);

  const TRun zone = RunCli("zone Australia/Lord_Howe 19900101 1200", "");
  ASSERT_EQ(zone.status, 0) << zone.err;
  EXPECT_NE(zone.out.find("UTC+11:00"), std::string::npos) << zone.out;

  const TRun missing = RunCli("place Sweden Atlantis", "");
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("no place \"Atlantis\""), std::string::npos) << missing.err;
}

struct TFailure {
  const char* input;
  const char* message;
};

TEST(VynCliProcessTest, ErrorsGiveOneLineExitTwoAndNoDocument) {
  const TFailure failures[] = {
      {"{\"charts\": [", "standard input: not valid JSON"},
      {R"({"charts": [{"Latitude": 91}]})",
       "charts[0].Latitude: Incorrect Latitude Value!"},
      {R"({"charts": [{"BirthDate": 1980.0101}, {"BirthDate": 2200.0101}]})",
       "charts[1].BirthDate: Date outside the ephemeris"},
  };
  for (const TFailure& f : failures) {
    const TRun run = RunCli("synastry --json", f.input);
    EXPECT_EQ(run.status, 2) << f.input;
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_NE(run.err.find(f.message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
}

}  // namespace
