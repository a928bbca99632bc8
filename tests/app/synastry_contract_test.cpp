// The JSON contract of the synastry job, through the library the command
// line uses.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "app/cli/sample_people.h"
#include "app/cli/synastry.h"
#include "app/core/input_error.h"
#include "app/core/session.h"
#include "engine/ephemeris.h"
#include "platform/app_directory.h"

namespace vyn::cli {
namespace {

using nlohmann::json;

class SynastryContractTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetAppDirectory(VYN_TEST_APP_DIR);
    TEphemeris::Shared().Open(VYN_TEST_APP_DIR "/VYN.LNG");
  }
  static json Run(const json& input) {
    core::TSession session;
    return SynastryToJson(RunSynastry(input, session));
  }
};

json Person(double date, double time, double lat, double lon) {
  return {{"BirthDate", date}, {"BirthTime", time}, {"ZoneTime", 0.0},
          {"Latitude", lat},   {"Longitude", lon},  {"GregorianStart", 1582.1015},
          {"orbs", 8}};
}

TEST_F(SynastryContractTest, EveryChartCarriesTheFullShape) {
  const json out = Run(SamplePair());
  ASSERT_EQ(out.at("charts").size(), 2u);
  for (const json& chart : out.at("charts")) {
    for (const char* key : {"ut", "day_offset", "jd", "weekday", "day_number",
                            "T", "obliquity", "sidereal_time", "house_system"})
      EXPECT_TRUE(chart.contains(key)) << key;
    EXPECT_EQ(chart.at("positions").size(), 18u);
    EXPECT_EQ(chart.at("planet_pos").size(), 18u);
    EXPECT_EQ(chart.at("retrograde").size(), 12u);
    EXPECT_EQ(chart.at("cusps").size(), 14u);
    EXPECT_EQ(chart.at("order").size(), 13u);
    EXPECT_EQ(chart.at("order")[12], chart.at("order")[0]);
    const json& codes = chart.at("codes");
    for (const char* key : {"sign", "house", "overlay_house"})
      EXPECT_EQ(codes.at(key).size(), 17u) << key;
    for (const char* key : {"aspect_polarity", "overlay_polarity", "lead"})
      EXPECT_EQ(codes.at(key).size(), 17u * 17u) << key;
    EXPECT_TRUE(codes.at("descendant_ruler").is_string());
    for (const json& aspect : chart.at("cross_aspects")) {
      ASSERT_EQ(aspect.size(), 4u);
      EXPECT_GE(aspect[0].get<int>(), 1);
      EXPECT_LE(aspect[1].get<int>(), 14);
    }
  }
}

// 2000-01-01 12:00 UT: the Sun's apparent longitude is 280.37 degrees.
TEST_F(SynastryContractTest, SunOfJ2000) {
  const json out = Run({{"charts", {Person(2000.0101, 12.00, 51.29, 0.0)}}});
  const json& chart = out.at("charts")[0];
  EXPECT_NEAR(chart.at("jd").get<double>(), 2451545.0, 1e-9);
  EXPECT_NEAR(chart.at("positions")[0].get<double>() * 180 / M_PI, 280.37,
              0.02);
  EXPECT_EQ(chart.at("weekday"), 6);  // a Saturday
  EXPECT_EQ(chart.at("codes").at("sign").at("SU"), "CP");
}

TEST_F(SynastryContractTest, PartnersDecideWhatTheCrossListCompares) {
  json input = {{"charts", {Person(1970.0101, 6.00, 48.51, -2.20),
                            Person(1975.0707, 18.30, 40.25, 3.42)}}};
  const json paired = Run(input);
  input["partners"] = false;
  const json alone = Run(input);

  // Alone, a chart's cross list holds every point's conjunction with itself.
  const auto selfConjunctions = [](const json& chart) {
    int count = 0;
    for (const json& a : chart.at("cross_aspects"))
      count += a[0] == a[1] && a[2] == 0 && a[3] == 0;
    return count;
  };
  EXPECT_EQ(selfConjunctions(alone.at("charts")[0]), 14);
  EXPECT_LT(selfConjunctions(paired.at("charts")[0]), 14);
  EXPECT_EQ(alone.at("charts")[0].at("codes").at("overlay_house").at("SU"), "99");
  EXPECT_NE(paired.at("charts")[0].at("codes").at("overlay_house").at("SU"), "99");

  // The pair's cross lists mirror each other.
  const json& a = paired.at("charts")[0].at("cross_aspects");
  const json& b = paired.at("charts")[1].at("cross_aspects");
  ASSERT_EQ(a.size(), b.size());
  for (const json& entry : a) {
    const json mirrored = {entry[1], entry[0], entry[2], entry[3]};
    EXPECT_NE(std::find(b.begin(), b.end(), mirrored), b.end()) << entry;
  }
}

TEST_F(SynastryContractTest, OneOrbForAllEqualsTheFullMatrix) {
  json matrix = json::array();
  for (int row = 0; row < 13; ++row) {
    json cells = json::array();
    const bool aspect = row != 1 && row != 5 && row != 7 && row != 11;
    for (int point = 0; point < 14; ++point) cells.push_back(aspect ? 6 : 0);
    matrix.push_back(cells);
  }
  json single = Person(1990.0315, 9.45, 45.28, -9.11);
  single["orbs"] = 6;
  json full = single;
  full["orbs"] = matrix;
  EXPECT_EQ(Run({{"charts", {single}}}), Run({{"charts", {full}}}));
}

TEST_F(SynastryContractTest, APlaceOfTheAtlasGivesCoordinatesZoneAndCalendar) {
  json person = {{"BirthDate", 1941.0601}, {"BirthTime", 12.00},
                 {"State", "United Kingdom - England"}, {"Place", "London"},
                 {"orbs", 6}};
  const json chart = Run({{"charts", {person}}}).at("charts")[0];
  const json& place = chart.at("place");
  EXPECT_EQ(place.at("zone_name"), "Europe/London");
  EXPECT_EQ(place.at("SummerTime"), 2.0);  // double summer time
  EXPECT_EQ(place.at("Latitude"), 51.31);
  EXPECT_EQ(place.at("warnings").size(), 0u);
  EXPECT_DOUBLE_EQ(chart.at("ut").get<double>(), 10.0);

  // A field the chart gives itself wins over the atlas.
  person["SummerTime"] = 1.00;
  EXPECT_DOUBLE_EQ(Run({{"charts", {person}}}).at("charts")[0].at("ut").get<double>(),
                   11.0);
}

TEST_F(SynastryContractTest, ASkippedLocalTimeIsReportedWithTheReadingTaken) {
  const json person = {{"BirthDate", 1918.0331}, {"BirthTime", 2.30},
                       {"State", "United States - New York"},
                       {"Place", "New York City"}};
  const json chart = Run({{"charts", {person}}}).at("charts")[0];
  ASSERT_EQ(chart.at("place").at("warnings").size(), 1u);
  EXPECT_NE(chart.at("place").at("warnings")[0].get<std::string>().find(
                "read with the offset after the change"),
            std::string::npos);
  EXPECT_DOUBLE_EQ(chart.at("ut").get<double>(), 6.5);  // 02:30 EDT
}

struct TBadInput {
  const char* name;
  json input;
  const char* field;  // the message starts with it
  const char* rule;   // and contains this
};

void PrintTo(const TBadInput& bad, std::ostream* os) { *os << bad.name; }

class SynastryInputErrorTest : public SynastryContractTest,
                               public ::testing::WithParamInterface<TBadInput> {};

TEST_P(SynastryInputErrorTest, NamesTheFieldAndTheRule) {
  const TBadInput& bad = GetParam();
  try {
    core::TSession session;
    RunSynastry(bad.input, session);
    FAIL() << "accepted";
  } catch (const core::EInputError& e) {
    const std::string message = e.what();
    EXPECT_EQ(message.rfind(bad.field, 0), 0u) << message;
    EXPECT_NE(message.find(bad.rule), std::string::npos) << message;
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
  }
}

json WithField(const char* key, json value) {
  json person = Person(1980.0505, 12.00, 10.00, 10.00);
  person[key] = std::move(value);
  return {{"charts", {person}}};
}

INSTANTIATE_TEST_SUITE_P(
    Table, SynastryInputErrorTest,
    ::testing::Values(
        TBadInput{"NoCharts", json::object(), "charts", "one or two charts"},
        TBadInput{"ThreeCharts", {{"charts", {json::object(), json::object(), json::object()}}},
                  "charts", "one or two charts"},
        TBadInput{"UnknownDocumentField", {{"charts", {json::object()}}, {"chart", 1}},
                  "chart", "not a field"},
        TBadInput{"UnknownChartField", WithField("Birthdate", 1980.0101),
                  "charts[0].Birthdate", "not a field"},
        TBadInput{"Latitude", WithField("Latitude", 90.01),
                  "charts[0].Latitude", "must lie within -90 to 90"},
        TBadInput{"Longitude", WithField("Longitude", -180.5),
                  "charts[0].Longitude", "must lie within -180 to 180"},
        TBadInput{"Time", WithField("BirthTime", 24.01), "charts[0].BirthTime",
                  "must be a clock time"},
        TBadInput{"Zone", WithField("ZoneTime", 13.0), "charts[0].ZoneTime",
                  "must lie within -12 to 12"},
        TBadInput{"Summer", WithField("SummerTime", -12.5),
                  "charts[0].SummerTime", "must lie within -12 to 12"},
        TBadInput{"Minutes", WithField("BirthTime", 12.75),
                  "charts[0].BirthTime", "below 60"},
        TBadInput{"Month", WithField("BirthDate", 1980.1301),
                  "charts[0].BirthDate", "month from 01 to 12"},
        TBadInput{"TextForNumber", WithField("Latitude", "52.30"),
                  "charts[0].Latitude", "must be a number"},
        TBadInput{"HouseSystem", WithField("HouseSystem", 3),
                  "charts[0].HouseSystem", "0 to 2"},
        TBadInput{"OrbShape", WithField("orbs", json::array({1, 2})),
                  "charts[0].orbs", "13 rows"},
        TBadInput{"OrbCell", WithField("orbs", json(13, json(14, 2.5))),
                  "charts[0].orbs[0][0]", "whole number"},
        TBadInput{"TimeUnknown", WithField("TimeUnknown", 1),
                  "charts[0].TimeUnknown", "true or false"},
        TBadInput{"BeforeTheEphemeris", WithField("BirthDate", 1499.1220),
                  "charts[0].BirthDate", "covers 1500-01-12 to"},
        TBadInput{"AfterTheEphemeris", WithField("BirthDate", 2150.0101),
                  "charts[0].BirthDate", "covers 1500-01-12 to"},
        TBadInput{"PartnersWithOneChart",
                  {{"charts", {json::object()}}, {"partners", true}},
                  "partners", "two charts"},
        TBadInput{"UnknownPlace",
                  {{"charts", {{{"State", "Sweden"}, {"Place", "Atlantis"}}}}},
                  "charts[0].Place", "no place \"Atlantis\" in \"Sweden\""},
        // A place named like a missing state is still a missing place.
        TBadInput{"PlaceNamedLikeAMissingState",
                  {{"charts", {{{"State", "Sweden"}, {"Place", "no state"}}}}},
                  "charts[0].Place", "no place \"no state\" in \"Sweden\""},
        // A country the atlas holds as regions, and a typing error.
        TBadInput{"CountryOfRegions",
                  {{"charts", {{{"State", "Germany"}, {"Place", "Munich"}}}}},
                  "charts[0].State", "nearest states are \"Germany - Baden-W"},
        TBadInput{"StateMistyped",
                  {{"charts", {{{"State", "Germny"}, {"Place", "Munich"}}}}},
                  "charts[0].State", "\"Germany - Bavaria\""},
        TBadInput{"PlaceWithoutState",
                  {{"charts", {{{"Place", "Stockholm"}}}}},
                  "charts[0].State", "needs both State and Place"},
        TBadInput{"MissingEphemeris",
                  {{"charts", {json::object()}}, {"ephemeris", "/nonexistent/VYN.LNG"}},
                  "ephemeris", "File /nonexistent/VYN.LNG not found!"}),
    [](const auto& testParam) { return std::string(testParam.param.name); });

}  // namespace
}  // namespace vyn::cli
