// vyn-cli graph as a process: the --json contract of each graph (the dial's
// worked example at 728 × 339), the file formats and the refusals.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "tests/app/cli_runner.h"
#include "tests/support/temp_directory.h"

namespace {

using nlohmann::json;

const char* const kPair = R"({"charts": [
  {"FirstName": "Anna", "BirthDate": 1985.0614, "BirthTime": 8.20, "ZoneTime": -1.00,
   "SummerTime": 1.00, "Latitude": 59.20, "Longitude": -18.03},
  {"FirstName": "Marco", "BirthDate": 1982.1103, "BirthTime": 22.45, "ZoneTime": -1.00,
   "Latitude": 41.54, "Longitude": -12.29}]})";

using vyn::testing::ReadFile;
using TRun = vyn::testing::TCliRun;

class GraphCommandTest : public ::testing::Test {
 protected:
  TRun Graph(const std::string& args, const std::string& input = kPair) {
    return vyn::testing::RunCli("graph " + args, input, {"", VYN_TEST_APP_DIR, dir_.Path()});
  }
  json Figures(const std::string& args) {
    const TRun run = Graph(args + " --json");
    EXPECT_EQ(run.status, 0) << run.err;
    return json::parse(run.out);
  }
  vyn::testing::TTempDirectory dir_;
};

TEST_F(GraphCommandTest, CompatibilityContract) {
  const json j = Figures("compatibility");
  ASSERT_EQ(j["orb_sets"].size(), 3u);
  ASSERT_EQ(j["persons"].size(), 2u);
  double harmony = 0;
  for (const json& p : j["persons"]) {
    for (const char* key : {"harmony_points", "tension_points", "harmony_percent",
                            "tension_percent", "harmony_entries", "tension_entries"})
      ASSERT_EQ(p[key].size(), 7u) << key;
    for (int s = 0; s < 7; ++s) {
      const double points = p["harmony_points"][s];
      harmony += points;
      EXPECT_NEAR(p["harmony_percent"][s].get<double>(), std::min(100.0, points * 100 / 30), 1e-9);
      double listed = 0;
      for (const json& e : p["harmony_entries"][s]) {
        EXPECT_EQ(e[0].get<std::string>().substr(3, 1), "+");
        listed += std::stoi(e[1].get<std::string>());
      }
      EXPECT_NEAR(listed, points * 10, 1e-6);
    }
  }
  EXPECT_NEAR(j["overall_harmony"].get<double>(), std::min(100.0, harmony * 100 / 270), 1e-9);
}

TEST_F(GraphCommandTest, ElementAndModalityContract) {
  for (auto [graph, bars] : {std::pair{"element", 4u}, {"modality", 3u}}) {
    const json j = Figures(graph);
    ASSERT_EQ(j["persons"].size(), 2u);
    double total = 0;
    for (const json& p : j["persons"]) {
      ASSERT_EQ(p["points"].size(), bars);
      ASSERT_EQ(p["percent"].size(), bars);
      for (const json& v : p["points"]) total += v.get<double>();
    }
    // Every body and both angles of both people are counted once.
    EXPECT_EQ(total, graph == std::string("element") ? 2 * 68 : 2 * 67) << graph;
  }
}

TEST_F(GraphCommandTest, DialContractAtTheWorkedExampleSize) {
  const json j = Figures("dial60");
  EXPECT_EQ(j["angle"], 60);
  EXPECT_EQ(j["rect"], json::parse("[0, 10, 728, 339]"));
  EXPECT_EQ(j["band"], json::parse("[52, 119, 676, 241]"));
  EXPECT_EQ(j["unit"], 52);
  EXPECT_EQ(j["step"], 4);
  EXPECT_EQ(j["ticks"].size(), 11u);
  EXPECT_EQ(j["ticks"][0], 104);
  for (const json& p : j["persons"]) {
    ASSERT_EQ(p["values"].size(), 13u);
    ASSERT_EQ(p["pointers"].size(), 13u);
    for (const json& v : p["values"]) EXPECT_LT(v.get<double>(), 60);
  }
  EXPECT_EQ(Figures("dial90 --size 900x400")["ticks"].size(), 17u);
}

TEST_F(GraphCommandTest, FilesInEveryFormat) {
  ASSERT_EQ(Graph("element --out e.png --size 900x400").status, 0);
  const QImage image(QString::fromStdString(dir_.File("e.png")));
  EXPECT_EQ(image.size(), QSize(900, 400));
  ASSERT_EQ(Graph("compatibility --out c.svg").status, 0);
  EXPECT_NE(ReadFile(dir_.File("c.svg")).find("<svg"), std::string::npos);
  ASSERT_EQ(Graph("dial30 --out d.pdf").status, 0);
  EXPECT_EQ(ReadFile(dir_.File("d.pdf")).substr(0, 4), "%PDF");
}

TEST_F(GraphCommandTest, Refusals) {
  EXPECT_EQ(Graph("pie --json").status, 2);
  EXPECT_EQ(Graph("element").status, 2);
  EXPECT_EQ(Graph("element --out x.gif").status, 2);
  EXPECT_EQ(Graph("element --json --size 10x10").status, 2);
  EXPECT_EQ(Graph("element --json --lang XX").status, 2);
  const TRun one = Graph("element --json", R"({"charts": [{"FirstName": "Anna",
    "BirthDate": 1985.0614, "BirthTime": 8.20, "Latitude": 59.20, "Longitude": -18.03}]})");
  EXPECT_EQ(one.status, 2);
  EXPECT_NE(one.err.find("two charts"), std::string::npos) << one.err;
}

}  // namespace
