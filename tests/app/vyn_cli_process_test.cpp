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

TEST(VynCliProcessTest, NamesAndOrbSetInTheChosenLanguage) {
  const TRun german = RunCli("synastry --lang GE --orbset Synastrie", "");
  ASSERT_EQ(german.status, 0) << german.err;
  for (const char* part : {"Sonne", "Zwillinge", "Nordknoten", "Aszendent"})
    EXPECT_NE(german.out.find(part), std::string::npos) << part;
  EXPECT_EQ(german.out.find("Gemini"), std::string::npos);

  // The text's default is the language's synastry set: the same aspects.
  const TRun byDefault = RunCli("synastry --lang GE", "");
  EXPECT_EQ(byDefault.out, german.out);

  // A wider set finds more aspects than the strong one.
  const auto count = [](const std::string& text) {
    std::size_t n = 0;
    for (std::size_t at = text.find(" orb "); at != std::string::npos;
         at = text.find(" orb ", at + 1))
      ++n;
    return n;
  };
  const TRun strong = RunCli("synastry --orbset Strong", "");
  const TRun wide = RunCli("synastry --orbset \"Weak, medium and strong\"", "");
  ASSERT_EQ(strong.status, 0) << strong.err;
  ASSERT_EQ(wide.status, 0) << wide.err;
  EXPECT_LT(count(strong.out), count(wide.out));
  EXPECT_NE(strong.out.find("Gemini"), std::string::npos);

  const TRun unknown = RunCli("synastry --lang GE --orbset Strong", "");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("has no orb set \"Strong\"; its sets are"),
            std::string::npos)
      << unknown.err;
  EXPECT_NE(unknown.err.find("\"Stark\""), std::string::npos) << unknown.err;

  const TRun noLanguage = RunCli("synastry --lang XY", "");
  EXPECT_EQ(noLanguage.status, 2);
  EXPECT_NE(noLanguage.err.find("--lang"), std::string::npos) << noLanguage.err;
}

TEST(VynCliProcessTest, AnOrbSetFillsTheChartsOfAJsonDocumentWithoutOrbs) {
  const std::string input =
      R"({"charts": [{"BirthDate": 1985.0614, "BirthTime": 8.20,
                      "Latitude": 59.20, "Longitude": -18.03}]})";
  const TRun none = RunCli("synastry --json", input);
  const TRun synastry = RunCli("synastry --json --orbset Synastry", input);
  ASSERT_EQ(none.status, 0) << none.err;
  ASSERT_EQ(synastry.status, 0) << synastry.err;
  const auto own = [](const TRun& run) {
    return nlohmann::json::parse(run.out).at("charts")[0].at("aspects").size();
  };
  EXPECT_LT(own(none), own(synastry));
}

struct TFailure {
  const char* input;
  const char* message;
};

TEST(VynCliProcessTest, ErrorsGiveOneLineExitTwoAndNoDocument) {
  const TFailure failures[] = {
      {"{\"charts\": [", "standard input: not valid JSON"},
      {R"({"charts": [{"Latitude": 91}]})",
       "charts[0].Latitude: must lie within -90 to 90"},
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
