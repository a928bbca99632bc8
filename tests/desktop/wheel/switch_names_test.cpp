// Copying a person between chart records and exchanging the two people
// compared, with the list of current people that the next start reads.
#include "app/desktop/wheel/switch_names.h"

#include <gtest/gtest.h>

#include "data/data_collection.h"
#include "data/vyn_table.h"
#include "engine/horoscope.h"
#include "tests/desktop/wheel/wheel_window_fixture.h"

namespace vyn::desktop {
namespace {

using testing::People;

class SwitchNamesTest : public testing::DesktopTest {
 protected:
  std::vector<std::string> CurrentNames() {
    std::vector<std::string> names;
    TVynTable& current = Program().Tables().Table(TTableRole::trCurrentNames);
    for (current.First(); !current.Eof(); current.Next())
      names.push_back(current.FieldByName("FirstName").AsString() + " " +
                      current.FieldByName("LastName").AsString());
    return names;
  }
};

TEST_F(SwitchNamesTest, CopyPersonTakesTheBirthDataAndTheActiveState) {
  StartWith(People(2));
  THoroscope& anna = Program().Chart(1);
  anna.SetHouseSystem(1);
  THoroscope copy;
  CopyPerson(copy, anna);
  EXPECT_EQ(copy.FirstName(), "Anna");
  EXPECT_EQ(copy.LastName(), "Holm");
  EXPECT_EQ(copy.BirthDate(), anna.BirthDate());
  EXPECT_EQ(copy.BirthTime(), anna.BirthTime());
  EXPECT_EQ(copy.Latitude(), anna.Latitude());
  EXPECT_EQ(copy.Longitude(), anna.Longitude());
  EXPECT_EQ(copy.ZoneTime(), anna.ZoneTime());
  EXPECT_EQ(copy.GregorianStart(), anna.GregorianStart());
  EXPECT_EQ(copy.HouseSystem(), 1);
  EXPECT_TRUE(copy.Active());
  EXPECT_EQ(copy.PlanetPos(1), anna.PlanetPos(1));
  EXPECT_EQ(copy.CuspPos(1), anna.CuspPos(1));
}

TEST_F(SwitchNamesTest, ThePairTradesPlacesAndTheCurrentListFollows) {
  StartWith(People(2));
  const extended annaSun = Program().Chart(1).PlanetPos(1);
  const extended benSun = Program().Chart(2).PlanetPos(1);
  SwitchPeople(Program());
  EXPECT_EQ(Program().Chart(1).FirstName(), "Ben");
  EXPECT_EQ(Program().Chart(2).FirstName(), "Anna");
  EXPECT_EQ(Program().Chart(1).PlanetPos(1), benSun);
  EXPECT_EQ(Program().Chart(2).PlanetPos(1), annaSun);
  // Still partners, their cross aspects taken the new way round.
  EXPECT_EQ(Program().Chart(1).Partner(), &Program().Chart(2));
  EXPECT_GT(Program().Chart(1).CrossAspectCount(), 0);
  EXPECT_EQ(CurrentNames(), (std::vector<std::string>{"Ben Carter", "Anna Holm"}));
}

// Slots 1, 2 and 4 hold people: three rows, in slot order, with the names
// of slots 1 and 2 exchanged.
TEST_F(SwitchNamesTest, TheCurrentListHoldsEveryLoadedSlotInOrder) {
  StartWith(People(4));
  Program().Chart(3).SetFirstName("");
  SwitchPeople(Program());
  EXPECT_EQ(CurrentNames(), (std::vector<std::string>{"Ben Carter", "Anna Holm", "Dora Weiss"}));
}

}  // namespace
}  // namespace vyn::desktop
