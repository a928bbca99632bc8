// vyn-cli as a process: exit status, standard output and standard error.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sqlite3.h>
#include <string>

#include "tests/app/cli_runner.h"
#include "tests/support/temp_directory.h"

namespace {

using vyn::testing::ReadFile;
using vyn::testing::RunCli;
using TRun = vyn::testing::TCliRun;

// A failed run: the status, nothing on standard output, and one line on
// standard error that contains `message`.
void ExpectFailure(const TRun& run, int status, const std::string& message,
                   const std::string& what) {
  EXPECT_EQ(run.status, status) << what << "\n" << run.err;
  EXPECT_TRUE(run.out.empty()) << what << "\n" << run.out;
  EXPECT_NE(run.err.find(message), std::string::npos) << what << "\n" << run.err;
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << what << "\n" << run.err;
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

  ExpectFailure(RunCli("place Sweden Atlantis", ""), 2,
                "PLACE: the atlas has no place \"Atlantis\"", "missing place");
  ExpectFailure(RunCli("place Atlantis Poseidonia", ""), 2,
                "STATE: the atlas has no state \"Atlantis\"", "missing state");
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

struct TBadRun {
  const char* name;
  std::string args;
  std::string input;
  std::string message;  // the one line on standard error contains it
};

std::string Chart(const std::string& fields) {
  return R"({"charts": [{)" + fields + "}]}";
}

const std::string kStockholm = R"("State": "Sweden", "Place": "Stockholm", )";

TEST(VynCliProcessTest, BadInputGivesOneLineStatusTwoAndNoOutput) {
  const std::string tooLong(41, 'x');
  const std::string directory = ::testing::TempDir();
  const TBadRun runs[] = {
      {"DeepJson", "synastry --json", std::string(100000, '['),
       "nests arrays and objects deeper than 64 levels"},
      {"HugeYear", "synastry --json", Chart(R"("BirthDate": 2147483647.0101)"),
       "charts[0].BirthDate: must be a date YYYY.MMDD with a year from 1 to 9999"},
      {"HugeYearAtAPlace", "synastry --json",
       Chart(kStockholm + R"("BirthDate": 2147483647.0101)"), "charts[0].BirthDate:"},
      {"HugeTimeAtAPlace", "synastry --json", Chart(kStockholm + R"("BirthTime": 1e300)"),
       "charts[0].BirthTime: must be a clock time"},
      {"NumberBeyondDouble", "synastry --json", Chart(R"("Latitude": 1e309)"),
       "charts[0].Latitude: must be a finite number"},
      {"FractionForWholeNumber", "synastry --json", Chart(R"("HouseSystem": 1.5)"),
       "charts[0].HouseSystem: must be a whole number"},
      {"HugeWholeNumber", "synastry --json",
       Chart(R"("HouseSystem": 18446744073709551615)"),
       "charts[0].HouseSystem: must lie within 0 to 2"},
      {"ThirtyFirstOfFebruary", "synastry --json", Chart(R"("BirthDate": 1985.0231)"),
       "charts[0].BirthDate: must be a real date: 1985-02-31"},
      {"LongStateInJson", "synastry --json",
       Chart(R"("State": ")" + tooLong + R"(", "Place": "Stockholm")"),
       "charts[0].State: must have at most 40 characters"},
      {"LineBreakInAKey", "synastry --json", Chart(R"("Bad\nKey": 1)"),
       "charts[0].Bad Key: is not a field of a chart"},
      {"NulInTheEphemerisPath", "synastry --json",
       R"({"charts": [{}], "ephemeris": "a\u0000b"})",
       "ephemeris: must be a path without NUL characters"},
      {"UnknownLanguageInJsonMode", "synastry --json --lang XY", Chart(""),
       "--lang: must be one of the language codes"},
      {"InputIsADirectory", "synastry --input " + directory, "",
       directory + ": is a directory"},
      {"InputMissing", "synastry --input " + directory + "/no_such_file.json", "",
       "no_such_file.json: cannot be opened (No such file or directory)"},
      {"PlaceDateNotReal", "place Sweden Stockholm --date 19850231", "",
       "--date: must be a real date: 1985-02-31"},
      {"PlaceDateHuge", "place Sweden Stockholm --date 2147483647", "",
       "--date: must be a date YYYYMMDD"},
      {"PlaceTimeNotReal", "place Sweden Stockholm --date 19850101 --time 2460", "",
       "--time: must be a clock time"},
      {"PlaceLongState", "place " + tooLong + " Stockholm", "",
       "STATE: must have at most 40 characters (it has 41)"},
      {"ZoneDateNotReal", "zone Europe/London 19850229 1200", "",
       "DATE: must be a real date: 1985-02-29"},
      {"ZoneTimeNotReal", "zone Europe/London 19850101 1275", "",
       "TIME: minutes and seconds"},
  };
  for (const TBadRun& bad : runs)
    ExpectFailure(RunCli(bad.args, bad.input), 2, bad.message, bad.name);
}

TEST(VynCliProcessTest, AJulianLeapDayIsARealDateWhereTheJulianCalendarHeld) {
  // Russia counted by the Julian calendar until 1918.
  const TRun run =
      RunCli("place \"Russia - Moscow\" Moscow --date 19000229 --time 1200 --json", "");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(nlohmann::json::parse(run.out).at("GregorianStart"), 1918.0214);
  const TRun refused = RunCli("place Sweden Stockholm --date 19000229 --json", "");
  ExpectFailure(refused, 2, "--date: must be a real date: 1900-02-29", "Stockholm");
}

TEST(VynCliProcessTest, AStateNotInTheAtlasSuggestsTheNearestStates) {
  ExpectFailure(RunCli("place Germany Munich", ""), 2, "\"Germany - Bavaria\"", "Germany");
  const TRun search = RunCli("place --search Munich --json", "");
  ASSERT_EQ(search.status, 0) << search.err;
  EXPECT_NE(search.out.find("Germany - Bavaria"), std::string::npos) << search.out;
}

TEST(VynCliProcessTest, AnOutputThatCannotBeWrittenIsAFailure) {
  for (const char* redirect : {">/dev/full", ">&-"}) {
    const TRun run = RunCli("synastry", "", {redirect, VYN_TEST_APP_DIR, ""});
    EXPECT_EQ(run.status, 4) << redirect << "\n" << run.err;
    EXPECT_NE(run.err.find("standard output"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
}

// An application directory with the build's ephemeris and a database that
// `prepare` may damage.
class DamagedInstallationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_ + "/Data");
    std::filesystem::copy_file(VYN_TEST_APP_DIR "/VYN.LNG", dir_ + "/VYN.LNG");
  }
  std::string Database() const { return dir_ + "/Data/VYN32.db"; }
  TRun Run(const std::string& args, const std::string& input = "{\"charts\": [{}]}") {
    return RunCli(args, input, {"", dir_, ""});
  }
  const vyn::testing::TTempDirectory temp_{"vyn_damaged"};
  const std::string dir_ = temp_.Path();
};

TEST_F(DamagedInstallationTest, AMissingDatabase) {
  ExpectFailure(Run("synastry --json"), 3, "database", "missing database");
}

TEST_F(DamagedInstallationTest, AFileThatIsNoDatabase) {
  std::ofstream(Database()) << std::string(4096, 'x');
  ExpectFailure(Run("place Sweden Stockholm"), 3, "database", "garbage database");
}

TEST_F(DamagedInstallationTest, AMissingTableIsNamedNotBlamedOnTheLanguage) {
  std::filesystem::copy_file(VYN_TEST_APP_DIR "/Data/VYN32.db", Database());
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(Database().c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, "DROP TABLE HELPUK", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
  const TRun run = Run("synastry --json --lang UK");
  ExpectFailure(run, 3, "HELPUK", "missing table");
  EXPECT_EQ(run.err.find("--lang"), std::string::npos) << run.err;
}

TEST_F(DamagedInstallationTest, AMissingEphemeris) {
  std::filesystem::copy_file(VYN_TEST_APP_DIR "/Data/VYN32.db", Database());
  std::filesystem::remove(dir_ + "/VYN.LNG");
  ExpectFailure(Run("synastry --json"), 3, "ephemeris: File", "missing ephemeris");
}

}  // namespace

// The interpretation of a pair given by atlas places: the window's four
// groups with both people's texts, expanded; as JSON in the fixed shape; and
// the printout's sections.
TEST(VynCliProcessTest, InterpretsAPairInEveryForm) {
  const std::string pair =
      R"({"charts": [{"FirstName": "Anna", "LastName": "Lind", "Sex": "F",
                      "State": "Sweden", "Place": "Stockholm",
                      "BirthDate": 1985.0614, "BirthTime": 8.20},
                     {"FirstName": "Marco", "LastName": "Bell", "Sex": "M",
                      "State": "Italy - Lazio", "Place": "Rome",
                      "BirthDate": 1982.1103, "BirthTime": 22.45}]})";
  const TRun text = RunCli("interpret", pair);
  ASSERT_EQ(text.status, 0) << text.err;
  for (const char* part : {"General Background", "Soul Mate", "Love and Sex", "Other Issues",
                           "Anna: Sun in Gemini", "Marco: Sun in Scorpio"})
    EXPECT_NE(text.out.find(part), std::string::npos) << part;
  for (const char* leftover : {"%X", "%Z", "%PS", "%DR", "|"})
    EXPECT_EQ(text.out.find(leftover), std::string::npos) << leftover;

  const TRun asJson = RunCli("interpret --json", pair);
  ASSERT_EQ(asJson.status, 0) << asJson.err;
  const auto doc = nlohmann::json::parse(asJson.out);
  ASSERT_EQ(doc.at("groups").size(), 4u);
  const auto& first = doc["groups"][0]["topics"].at(0);
  for (const char* key :
       {"person", "code", "caption", "keyword", "text", "partner_text", "mutual_text"})
    EXPECT_TRUE(first.contains(key)) << key;
  EXPECT_EQ(first["caption"], "Anna: Sun in Gemini");
  bool anyMutual = false;
  for (const auto& group : doc["groups"])
    for (const auto& topic : group["topics"]) anyMutual |= !topic["mutual_text"].get<std::string>().empty();
  EXPECT_TRUE(anyMutual);

  const TRun printed = RunCli("interpret --print --lang US", pair);
  ASSERT_EQ(printed.status, 0) << printed.err;
  const std::size_t background = printed.out.find("General Background");
  ASSERT_NE(background, std::string::npos);
  EXPECT_LT(printed.out.find("Soul Mates"), printed.out.find("Love and Sex"));
  EXPECT_LT(background, printed.out.find("Soul Mates"));
  EXPECT_EQ(printed.out.find("%X"), std::string::npos);

  ExpectFailure(RunCli("interpret --sideways", pair), 2, "--sideways", "unknown option");
  ExpectFailure(RunCli("interpret", R"({"charts": [{"BirthDate": 1985.0614}]})"), 2,
                "charts: the interpretation compares two people", "one chart");
}
