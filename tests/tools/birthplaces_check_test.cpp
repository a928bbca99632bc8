// Well-known birth places typed the way people type them ("Muenchen",
// "Bombay", "Cambridge, MA") must find the right place of the shipped atlas
// as the first candidate. The share found is printed with every miss, so a
// change of the search or of the atlas shows what it costs.
#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "data/data_collection.h"
#include "data/place_search.h"
#include "data/vyn_database.h"
#include "tests/tools/shipped_database_fixture.h"
#include "tools/database/tsv_table.h"

namespace vyn {
namespace {

// The share of the list that must come first.
constexpr double kRequiredShare = 0.95;

struct TCheckRow {
  std::string typed, state, place;
};

std::vector<TCheckRow> CheckRows() {
  const tools::TTsvTable table = tools::TTsvTable::Read(VYN_BIRTHPLACES_CHECK);
  const std::size_t typed = table.Column("Typed");
  const std::size_t state = table.Column("State");
  const std::size_t place = table.Column("Place");
  std::vector<TCheckRow> rows;
  for (const auto& row : table.Rows()) rows.push_back({row[typed], row[state], row[place]});
  return rows;
}

class BirthplacesCheck : public testing::ShippedDatabaseFixture {
 protected:
  // "PLACE, STATE" of the first candidate, or "(none)".
  static std::string First(const std::string& typed) {
    const auto candidates = SearchPlaces(*atlas_, typed, 1);
    return candidates.empty() ? std::string("(none)")
                              : candidates.front().place + ", " + candidates.front().state;
  }
};

TEST_F(BirthplacesCheck, TheRightPlaceComesFirst) {
  const std::vector<TCheckRow> rows = CheckRows();
  ASSERT_FALSE(rows.empty());
  std::size_t found = 0;
  for (const TCheckRow& row : rows) {
    const std::string expected = row.place + ", " + row.state;
    const std::string first = First(row.typed);
    if (first == expected)
      ++found;
    else
      std::cout << "miss: \"" << row.typed << "\" gave " << first << "; expected " << expected
                << "\n";
  }
  const double share = static_cast<double>(found) / static_cast<double>(rows.size());
  std::cout << "birth places found first: " << found << " of " << rows.size() << " ("
            << share * 100.0 << " %)\n";
  EXPECT_GE(share, kRequiredShare);
}

TEST_F(BirthplacesCheck, SpellingsOldNamesAndStates) {
  const std::pair<const char*, const char*> cases[] = {
      {"munich", "Munich, Germany - Bavaria"},
      {"München", "Munich, Germany - Bavaria"},
      {"muenchen", "Munich, Germany - Bavaria"},
      {"Sao Paulo", "São Paulo, Brazil - São Paulo"},
      {"Zurich", "Zürich, Switzerland"},
      {"Cologne", "Köln, Germany - North Rhine-Westphalia"},
      {"Bombay", "Mumbai, India - Maharashtra"},
      {"Leningrad", "Saint Petersburg, Russia - Saint Petersburg"},
      {"Peking", "Beijing, China - Beijing"},
      {"Danzig", "Gdańsk, Poland"},
      {"Venice", "Venice, Italy - Veneto"},
      {"New Delhi", "New Delhi, India - Delhi"},
      {"Izmir, Turkey", "İzmir, Türkiye"},
      {"Brno, Czech Republic", "Brno, Czechia"},
      {"Portland", "Portland, United States - Oregon"},
      {"Portland, Maine", "Portland, United States - Maine"},
      {"Cambridge", "Cambridge, United Kingdom - England"},
      {"Cambridge, MA", "Cambridge, United States - Massachusetts"},
  };
  for (const auto& [typed, expected] : cases) EXPECT_EQ(First(typed), expected) << typed;
}

}  // namespace
}  // namespace vyn
