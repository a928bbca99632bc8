// vyn-cli wheel as a process: the layout contract of --json, the three file
// formats, black and white, and the refusals.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QSvgRenderer>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
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

const char* const kOne = R"({"charts": [{"FirstName": "Anna", "BirthDate": 1985.0614,
  "BirthTime": 8.20, "ZoneTime": -1.00, "Latitude": 59.20, "Longitude": -18.03}]})";

using vyn::testing::ReadFile;
using TRun = vyn::testing::TCliRun;

class WheelCommandTest : public ::testing::Test {
 protected:
  // vyn-cli wheel with `args` (paths relative to the test's directory) and
  // `input` on standard input.
  TRun Wheel(const std::string& args, const std::string& input = kPair) {
    return vyn::testing::RunCli("wheel " + args, input, {"", VYN_TEST_APP_DIR, dir_.Path()});
  }
  json Layout(const std::string& args) {
    const TRun run = Wheel("--json " + args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    return json::parse(run.out);
  }
  std::string File(const std::string& name) const { return dir_.File(name); }

  vyn::testing::TTempDirectory dir_{"vyn_wheel"};
};

bool IsPoint(const json& p, int n) {
  if (!p.is_array() || p.size() != static_cast<std::size_t>(n)) return false;
  for (const json& v : p)
    if (!v.is_number_integer()) return false;
  return true;
}

void ExpectPoints(const json& list, std::size_t count, int coordinates, const char* what) {
  ASSERT_TRUE(list.is_array()) << what;
  ASSERT_EQ(list.size(), count) << what;
  for (const json& p : list) EXPECT_TRUE(IsPoint(p, coordinates)) << what << " " << p;
}

double Distance(const json& p, const json& centre, int i = 0) {
  return std::hypot(p[i].get<double>() - centre[0].get<double>(),
                    p[i + 1].get<double>() - centre[1].get<double>());
}

// The fields and shapes of one chart.
void ExpectChart(const json& chart, bool single, const std::string& name) {
  EXPECT_EQ(chart.at("first_name"), name);
  EXPECT_EQ(chart.at("A").size(), 12u);
  EXPECT_EQ(chart.at("D").size(), 13u);
  EXPECT_EQ(chart.at("C").size(), 13u);
  EXPECT_EQ(chart.at("E").size(), 4u);
  std::set<int> order;
  for (const json& slot : chart.at("order")) order.insert(slot.get<int>());
  EXPECT_EQ(order, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  ExpectPoints(chart.at("glyphs"), 12, 2, "glyphs");
  ExpectPoints(chart.at("pointers"), 12, 4, "pointers");
  ExpectPoints(chart.at("cusps"), 13, 4, "cusps");
  ExpectPoints(chart.at("axes"), 4, 4, "axes");
  if (single) {
    ExpectPoints(chart.at("houses"), 12, 2, "houses");
    for (const json& level : chart.at("levels")) EXPECT_TRUE(level >= 1 && level <= 3);
    EXPECT_EQ(chart.at("levels").size(), 12u);
  } else {
    EXPECT_TRUE(chart.at("houses").is_null());
    EXPECT_TRUE(chart.at("levels").is_null());
  }
}

TEST_F(WheelCommandTest, TheSingleLayoutContract) {
  const json doc = Layout("--size 401");
  EXPECT_EQ(doc.at("rect"), json::array({0, 0, 401, 401}));
  EXPECT_EQ(doc.at("square"), json::array({0, 0, 400}));
  EXPECT_EQ(doc.at("R"), 200);
  EXPECT_EQ(doc.at("centre"), json::array({200, 200}));
  EXPECT_EQ(doc.at("rot"), 0.0);
  EXPECT_TRUE(doc.at("inner").is_null());
  const json& outer = doc.at("outer");
  ExpectChart(outer, true, "Anna");
  // Frame angles: the first cusp and the Ascendant at π, the cusps rising.
  EXPECT_NEAR(outer.at("D")[0].get<double>(), M_PI, 1e-12);
  EXPECT_NEAR(outer.at("D")[12].get<double>(), 3 * M_PI, 1e-12);
  EXPECT_NEAR(outer.at("E")[0].get<double>(), M_PI, 1e-12);
  EXPECT_NEAR(outer.at("C")[12].get<double>() - outer.at("C")[0].get<double>(), 2 * M_PI, 1e-12);
  // Cusp lines from 0.82 to 0.4 of R, axes from 0.4 to 0.94.
  const json& centre = doc.at("centre");
  for (const json& cusp : outer.at("cusps")) {
    EXPECT_NEAR(Distance(cusp, centre), 164, 1.5);
    EXPECT_NEAR(Distance(cusp, centre, 2), 80, 1.5);
  }
  for (const json& axis : outer.at("axes")) EXPECT_NEAR(Distance(axis, centre, 2), 188, 1.5);
  // The Ascendant points left along the centre's row (0.4 of R is just
  // over 80 pixels, cut to the pixel).
  EXPECT_EQ(outer.at("axes")[0], json::array({119, 200, 12, 200}));
  EXPECT_EQ(doc.at("font_heights"), (json{{"house", 9}, {"sign", 15}, {"body", 23}}));
  const json& aspects = doc.at("aspects");
  ASSERT_FALSE(aspects.empty());
  for (const json& aspect : aspects) {
    ASSERT_TRUE(IsPoint(aspect, 5)) << aspect;
    EXPECT_NEAR(Distance(aspect, centre), 80, 1.5);
    EXPECT_NEAR(Distance(aspect, centre, 2), 80, 1.5);
    EXPECT_TRUE(aspect[4] >= 0 && aspect[4] <= 12);
  }
}

TEST_F(WheelCommandTest, TheDoubleLayoutContract) {
  const json doc = Layout("--size 600 --layout double");
  ExpectChart(doc.at("outer"), false, "Anna");
  ExpectChart(doc.at("inner"), false, "Marco");
  EXPECT_TRUE(doc.at("aspects").empty());
  const json& centre = doc.at("centre");
  // The outer glyphs on their circle at 0.7181666, the inner cusps from
  // 0.58 to 0.36 of R = 300.
  for (const json& glyph : doc.at("outer").at("glyphs"))
    EXPECT_NEAR(Distance(glyph, centre), 215.45, 1.5);
  for (const json& cusp : doc.at("inner").at("cusps")) {
    EXPECT_NEAR(Distance(cusp, centre), 174, 1.5);
    EXPECT_NEAR(Distance(cusp, centre, 2), 108, 1.5);
  }
}

TEST_F(WheelCommandTest, APngOfEachLayout) {
  for (const auto& [layout, width] : {std::pair{"single", 300}, {"double", 300}, {"twin", 600}}) {
    const std::string name = std::string(layout) + ".png";
    const TRun run = Wheel("--out " + name + " --size 300 --layout " + layout);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE(run.err.empty()) << run.err;
    const QImage image(QString::fromStdString(File(name)));
    ASSERT_FALSE(image.isNull()) << layout;
    EXPECT_EQ(image.size(), QSize(width, 300)) << layout;
    // The centre: white, or crossed by the single wheel's aspect lines.
    if (std::string(layout) == "single") {
      int lines = 0;
      for (int x = 110; x < 190; ++x) lines += image.pixelColor(x, 150) != QColor(Qt::white);
      EXPECT_GT(lines, 0);
    } else {
      EXPECT_EQ(image.pixelColor(150, 150), QColor(Qt::white)) << layout;
    }
    // Coloured in the zodiac ring.
    int coloured = 0;
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, 150);
      coloured += c.saturation() > 200;
    }
    EXPECT_GT(coloured, 20) << layout;
  }
}

TEST_F(WheelCommandTest, BlackAndWhiteHasNoColour) {
  const TRun run = Wheel("--out bw.png --size 240 --bw --layout double");
  ASSERT_EQ(run.status, 0) << run.err;
  const QImage image(QString::fromStdString(File("bw.png")));
  ASSERT_FALSE(image.isNull());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      ASSERT_TRUE(c.red() == c.green() && c.green() == c.blue()) << x << "," << y;
    }
}

TEST_F(WheelCommandTest, AnSvgWithItsViewBox) {
  const TRun run = Wheel("--out wheel.SVG --size 320 --layout twin");
  ASSERT_EQ(run.status, 0) << run.err;
  QSvgRenderer svg(QString::fromStdString(File("wheel.SVG")));
  ASSERT_TRUE(svg.isValid());
  EXPECT_EQ(svg.viewBoxF(), QRectF(0, 0, 640, 320));
  // The glyphs are outlines: readers need no symbol font.
  EXPECT_EQ(ReadFile(File("wheel.SVG")).find("VYN Sans Serif"), std::string::npos);
}

TEST_F(WheelCommandTest, APdfOfOnePage) {
  const TRun run = Wheel("--out wheel.pdf --size 400 --layout double");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string pdf = ReadFile(File("wheel.pdf"));
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  // 400 pixels at 96 dots per inch: 300 points.
  EXPECT_NE(pdf.find("MediaBox [0 0 300"), std::string::npos);
  EXPECT_NE(pdf.find("FontFile2"), std::string::npos);
}

struct TRefusal {
  const char* args;
  const char* input;
  int status;
  const char* message;
};

TEST_F(WheelCommandTest, RefusesWhatItCannotDraw) {
  for (const TRefusal& r : {
           TRefusal{"", kPair, 2, "--out"},
           TRefusal{"--out w.gif", kPair, 2, "--out: must name a .png, .svg or .pdf file"},
           TRefusal{"--out w.png --size 20", kPair, 2, "--size"},
           TRefusal{"--out w.png --size 600x", kPair, 2, "--size"},
           TRefusal{"--out w.png --layout triple", kPair, 2, "--layout"},
           TRefusal{"--json --layout twin", kPair, 2, "--json"},
           TRefusal{"--out w.png --colour", kPair, 2, "--colour"},
           TRefusal{"--out w.png --layout double", kOne, 2, "two charts"},
           TRefusal{"--out w.png", "{", 2, "standard input"},
           TRefusal{"--out missing/w.png", kPair, 4, "missing/w.png"},
       }) {
    const TRun run = Wheel(r.args, r.input);
    EXPECT_EQ(run.status, r.status) << r.args << "\n" << run.err;
    EXPECT_TRUE(run.out.empty()) << r.args;
    EXPECT_NE(run.err.find(r.message), std::string::npos) << r.args << "\n" << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << r.args << "\n" << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(File("w.png")));
}

// A file that cannot be finished leaves the one there before untouched.
TEST_F(WheelCommandTest, AFailedRunKeepsTheOldFile) {
  std::ofstream(File("kept.png")) << "before";
  const TRun run = Wheel("--out kept.png --layout double", kOne);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(ReadFile(File("kept.png")), "before");
}

}  // namespace
