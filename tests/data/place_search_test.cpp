// Finding places as a user types them: keys that ignore case, accents and
// punctuation, other names, states given after a comma, ranking, and the
// states offered for a state name the atlas lacks.
#include "data/place_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/data_collection.h"
#include "data/table_loader.h"
#include "tests/data/temp_database.h"

namespace vyn {
namespace {

TEST(SearchKey, IgnoresCaseAccentsAndPunctuation) {
  const std::pair<const char*, const char*> cases[] = {
      {"München", "munchen"},
      {"  São   Paulo ", "sao paulo"},
      {"ZÜRICH", "zurich"},
      {"Kuril\u2019sk", "kurilsk"},
      {"Kuril'sk", "kurilsk"},
      {"Washington, D.C.", "washington dc"},
      {"Saint\u2013Étienne", "saint etienne"},
      {"Gießen", "giessen"},
      {"St. Petersburg", "st petersburg"},
      {"-- ,", ""},
  };
  for (const auto& [text, key] : cases) EXPECT_EQ(SearchKey(text), key) << text;
}

TEST(SearchKey, PlaceKeysComeOnceWithTheirBestKind) {
  const std::vector<TAliasKey> keys = PlaceAliasKeys("New York City", {"New York", "NEW YORK", "City"});
  std::vector<std::pair<std::string, TAliasKind>> got;
  for (const TAliasKey& k : keys) got.emplace_back(k.key, k.kind);
  const std::vector<std::pair<std::string, TAliasKind>> expected = {
      {"new york city", TAliasKind::akName},
      {"new york", TAliasKind::akOtherName},
      {"city", TAliasKind::akOtherName},  // an other name ranks before a later word
      {"york city", TAliasKind::akLaterWords},
  };
  EXPECT_EQ(got, expected);
}

class PlaceSearchTest : public testing::TempDatabaseTest {
 protected:
  void SetUp() override {
    TempDatabaseTest::SetUp();
    atlas_.SetLanguage("UK");
    atlas_.CreateSchema();
    atlas_.SetActive(true);
    TVynTable(database_, std::string(kPlaceAliasTable), PlaceAliasLayout()).CreateTable();
    TVynTable(database_, std::string(kStateAliasTable), StateAliasLayout()).CreateTable();
    AddZone("1001", "Europe/Berlin");
    AddZone("1002", "America/New_York");
    AddState("1001", "Germany - Bavaria", {"Bavaria", "Germany", "Deutschland"});
    AddState("1002", "Germany - Hesse", {"Hesse", "Germany", "Deutschland"});
    AddState("1003", "India - Maharashtra", {"Maharashtra", "India"});
    AddState("1004", "United Kingdom - England", {"England", "United Kingdom", "UK"});
    AddState("1005", "United States - Maine", {"Maine", "ME", "United States", "USA"});
    AddState("1006", "United States - Massachusetts", {"Massachusetts", "MA", "United States"});
    AddState("1007", "United States - New York", {"New York", "NY", "United States"});
    AddState("1008", "United States - Oregon", {"Oregon", "OR", "United States"});
    AddState("1009", "Türkiye", {"Turkey"});
    AddState("1010", "Italy - Veneto", {"Veneto", "Italy"});
    AddState("1011", "United States - Ohio", {"Ohio", "OH", "United States"});
    AddPlace("1001", "Munich", 4808, -1135, "1001", 1260391, {"München", "Muenchen", "Monaco di Baviera"});
    AddPlace("1001", "Münchberg", 5011, -1147, "1001", 10000, {});
    AddPlace("1002", "Frankfurt am Main", 5007, -841, "1001", 650000, {"Frankfurt"});
    AddPlace("1003", "Mumbai", 1904, -7252, "1001", 12691836, {"Bombay"});
    AddPlace("1004", "Cambridge", 5212, -7, "1001", 145000, {});
    AddPlace("1004", "York", 5358, 105, "1001", 150000, {});
    AddPlace("1005", "Portland", 4339, 7015, "1002", 66000, {});
    AddPlace("1006", "Cambridge", 4222, 7106, "1002", 118000, {});
    AddPlace("1007", "New York City", 4043, 7400, "1002", 8804190, {"New York", "NYC"});
    AddPlace("1007", "Yorktown Heights", 4116, 7347, "1002", 1800000, {});
    AddPlace("1008", "Portland", 4531, 12241, "1002", 652503, {});
    AddPlace("1009", "Izmir", 3825, -2708, "1001", 2500000, {"Smyrna"});
    // A place's own name against another, larger place's old name: Venice
    // has 51,298 people, Dayton (once also called Venice) 137,644; the
    // village of Bombay, New York, 1,300 against Mumbai's millions.
    AddPlace("1010", "Venice", 4526, -1220, "1001", 51298, {"Venezia"});
    AddPlace("1011", "Dayton", 3946, 8411, "1002", 137644, {"Venice"});
    AddPlace("1007", "Bombay", 4456, 7434, "1002", 1300, {});
  }

  void AddZone(const char* id, const char* name) {
    testing::AddRow(atlas_.Table(TTableRole::trZoneIds),
                    {{"ZoneID", id}, {"ZoneName", name}, {"GregDate", 15821015}});
  }
  void AddState(const char* id, const char* name, const std::vector<std::string>& others) {
    testing::AddRow(atlas_.Table(TTableRole::trStates), {{"StateID", id}, {"StateName", name}});
    TTableLoader loader(database_, std::string(kStateAliasTable), StateAliasLayout());
    loader.Append({SearchKey(name), id});
    for (const std::string& other : others) loader.Append({SearchKey(other), id});
  }
  void AddPlace(const char* state, const char* name, long latitude, long longitude,
                const char* zone, long long population, const std::vector<std::string>& others) {
    testing::AddRow(atlas_.Table(TTableRole::trPlaces),
                    {{"StateID", state}, {"PlaceName", name}, {"Latitude", latitude},
                     {"Longitude", longitude}, {"ZoneRef", zone}, {"SummerRef", zone}});
    TTableLoader loader(database_, std::string(kPlaceAliasTable), PlaceAliasLayout());
    for (const TAliasKey& key : PlaceAliasKeys(name, others))
      loader.Append({key.key, state, name, static_cast<long long>(key.kind), population});
  }

  std::string First(const std::string& text) {
    const auto found = SearchPlaces(atlas_, text, 5);
    return found.empty() ? "(none)" : found.front().place + ", " + found.front().state;
  }

  TDataCollection atlas_{database_, "UK"};
};

TEST_F(PlaceSearchTest, FirstCandidateAsPeopleTypeIt) {
  const std::pair<const char*, const char*> cases[] = {
      {"munich", "Munich, Germany - Bavaria"},
      {"MÜNCHEN", "Munich, Germany - Bavaria"},
      {"muenchen", "Munich, Germany - Bavaria"},
      {"Münchberg", "Münchberg, Germany - Bavaria"},
      {"muenchberg", "Münchberg, Germany - Bavaria"},  // ue for ü, not in the names
      {"Bombay", "Mumbai, India - Maharashtra"},
      {"frankfurt", "Frankfurt am Main, Germany - Hesse"},
      {"Portland", "Portland, United States - Oregon"},
      {"Portland, Maine", "Portland, United States - Maine"},
      {"portland,ME", "Portland, United States - Maine"},
      {"Cambridge", "Cambridge, United Kingdom - England"},
      {"Cambridge, MA", "Cambridge, United States - Massachusetts"},
      {"Cambridge, Massa", "Cambridge, United States - Massachusetts"},
      {"Izmir, Turkey", "Izmir, Türkiye"},
      {"smyrna", "Izmir, Türkiye"},
      // Own names weigh ten times their population against other names.
      {"Venice", "Venice, Italy - Veneto"},
      {"venezia", "Venice, Italy - Veneto"},
      {"Bombay, NY", "Bombay, United States - New York"},
      {"Dayton", "Dayton, United States - Ohio"},
      {"new york", "New York City, United States - New York"},
      // The whole name exactly beats the start of a larger place's name.
      {"York", "York, United Kingdom - England"},
      // A later word of a name: "heights" only matches Yorktown Heights.
      {"heights", "Yorktown Heights, United States - New York"},
      // A state that names no state is ignored.
      {"Munich, Atlantis", "Munich, Germany - Bavaria"},
      {"Munich, England", "(none)"},
      {"nowhere", "(none)"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(First(text), expected) << text;
}

TEST_F(PlaceSearchTest, CandidatesCarryTheirPlaceDataAndRankByCloseness) {
  const auto found = SearchPlaces(atlas_, "mu", 10);
  ASSERT_EQ(found.size(), 3u);
  // All three begin with "mu": then by population.
  EXPECT_EQ(found[0].place, "Mumbai");
  EXPECT_EQ(found[1].place, "Munich");
  EXPECT_EQ(found[2].place, "Münchberg");
  EXPECT_EQ(found[1].stateId, "1001");
  EXPECT_EQ(found[1].latitude, 4808);
  EXPECT_EQ(found[1].longitude, -1135);
  EXPECT_EQ(found[1].zone, "Europe/Berlin");
  EXPECT_EQ(found[1].population, 1260391);

  EXPECT_EQ(SearchPlaces(atlas_, "mu", 2).size(), 2u);
  EXPECT_TRUE(SearchPlaces(atlas_, "mu", 0).empty());
  EXPECT_TRUE(SearchPlaces(atlas_, " ,.", 5).empty());
}

TEST_F(PlaceSearchTest, PlaceGoneFromTheAtlasIsLeftOut) {
  TVynTable& places = atlas_.Table(TTableRole::trPlaces);
  places.Open();
  ASSERT_TRUE(places.FindKey({"1001", "Munich"}));
  places.Delete();
  const auto found = SearchPlaces(atlas_, "munchen", 5);
  EXPECT_TRUE(found.empty());
}

TEST_F(PlaceSearchTest, NearestStates) {
  auto names = [&](const std::string& text) {
    std::vector<std::string> result;
    for (const TStateCandidate& s : NearestStates(atlas_, text, 10)) result.push_back(s.state);
    return result;
  };
  const std::vector<std::string> germany = {"Germany - Bavaria", "Germany - Hesse"};
  EXPECT_EQ(names("Germany"), germany);
  EXPECT_EQ(names("deutschland"), germany);
  EXPECT_EQ(names("Germny"), germany);  // a typing error
  EXPECT_EQ(names("Massach"), std::vector<std::string>{"United States - Massachusetts"});
  // Exact names first, then names the text begins.
  EXPECT_EQ(names("ma"), (std::vector<std::string>{"United States - Massachusetts",
                                                   "India - Maharashtra",
                                                   "United States - Maine"}));
  EXPECT_TRUE(names("Atlantis").empty());
  EXPECT_TRUE(names("").empty());
}

}  // namespace
}  // namespace vyn
