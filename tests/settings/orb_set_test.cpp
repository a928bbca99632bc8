// Orb sets from the orb definition table into chart records.
#include <gtest/gtest.h>

#include <string>

#include "data/data_collection.h"
#include "data/transaction.h"
#include "engine/ephemeris.h"
#include "engine/horoscope.h"
#include "platform/app_directory.h"
#include "settings/orb_set_loader.h"
#include "settings/vyn_setup.h"
#include "tests/data/temp_database.h"

namespace vyn {
namespace {

// The orb columns in table order and the matrix row (aspect kind + 1)
// each one fills.
constexpr std::pair<const char*, int> kColumnRows[] = {
    {"D_0", 1},   {"D_30", 3},   {"D_45", 4},   {"D_60", 5},  {"D_90", 7},
    {"D_120", 9}, {"D_135", 10}, {"D_150", 11}, {"D_180", 13}};

// A distinct orb for every column and point: 10 * column number + point
// mod 10, so a value read into the wrong row or point shows.
int FixtureOrb(int column, int point) { return 10 * (column + 1) + point % 10; }

class OrbSetTest : public testing::TempDatabaseTest {
 protected:
  void SetUp() override {
    TempDatabaseTest::SetUp();
    collection_.SetLanguage("UK");
    collection_.CreateSchema();
    collection_.SetActive(true);
    settings_dir_ = directory_.Path() + "/app/";
    std::filesystem::create_directories(settings_dir_);
    setup_ = std::make_unique<TVynSetup>(TSetupOptions{settings_dir_});
  }
  void TearDown() override {
    TEphemeris::Shared().Close();
    SetAppDirectory("");
  }

  TVynTable& Orbs() { return collection_.Table(TTableRole::trOrbDefinitions); }

  // Rows of the set `name` for the points first..last, in one transaction.
  void AddSet(const std::string& name, int first, int last) {
    TTransaction transaction(database_.Connection());
    for (int point = first; point <= last; ++point) {
      Orbs().Insert();
      Orbs().FieldByName("OrbisName").SetAsString(name);
      Orbs().FieldByName("OrbisPlanetOrCusp").SetAsInteger(point);
      for (int c = 0; c < 9; ++c)
        Orbs().FieldByName(kColumnRows[c].first).SetAsInteger(FixtureOrb(c, point));
      Orbs().Post();
    }
    transaction.Commit();
  }

  // Orbs of the chart in degrees, or -1 when one is not what the fixture
  // set gives for points first..last (and 0 elsewhere).
  static void ExpectOrbs(const THoroscope& chart, int first, int last) {
    for (int point = 1; point <= kAspectPoints; ++point) {
      const bool filled = point >= first && point <= last;
      int expected[kAspectKinds] = {};
      for (int c = 0; c < 9; ++c)
        expected[kColumnRows[c].second - 1] = filled ? FixtureOrb(c, point) : 0;
      for (int kind = 0; kind < kAspectKinds; ++kind)
        EXPECT_EQ(chart.Orb(kind, point), expected[kind] * 60)
            << "kind " << kind << " point " << point;
    }
  }

  static void SetEveryOrb(THoroscope& chart, int degrees) {
    for (int row = 1; row <= kAspectKinds; ++row)
      for (int point = 1; point <= kAspectPoints; ++point)
        chart.SetOrb(row, point, degrees);
  }

  // A chart on the generated ephemeris of the application directory.
  static void UseRealEphemeris() { SetAppDirectory(VYN_TEST_APP_DIR); }

  TDataCollection collection_{database_, "UK"};
  std::string settings_dir_;
  std::unique_ptr<TVynSetup> setup_;
};

TEST_F(OrbSetTest, TheCurrentSetFillsEveryRowAndPoint) {
  AddSet("Medium and strong", 1, 14);
  AddSet("Strong", 1, 14);  // sorts after: must not bleed in
  THoroscope chart;
  SetEveryOrb(chart, 99);
  setup_->SetOrbSetName("Medium and strong");
  setup_->ApplyOrbSet(Orbs(), chart);
  ExpectOrbs(chart, 1, 14);
  EXPECT_FALSE(chart.Active());
}

TEST_F(OrbSetTest, TheFirstAmpersandOfTheNameIsDroppedForGood) {
  AddSet("Synastry", 1, 14);
  AddSet("Medium and strong", 1, 14);
  const struct {
    const char* name;
    const char* becomes;
  } cases[] = {{"&Synastry", "Synastry"}, {"Medium &and strong", "Medium and strong"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    THoroscope chart;
    setup_->SetOrbSetName(c.name);
    setup_->ApplyOrbSet(Orbs(), chart);
    EXPECT_EQ(setup_->OrbSetName(), c.becomes);
    ExpectOrbs(chart, 1, 14);
  }
  EXPECT_EQ(RemoveAccelerator("&" + std::string(100, 'x')), std::string(80, 'x'));
  EXPECT_EQ(RemoveAccelerator("A&&B"), "A&B");
}

TEST_F(OrbSetTest, ASetWithoutTheAnglesLeavesTheirOrbsZero) {
  AddSet("Strong", 1, 12);
  AddSet("Synastry", 1, 14);  // the next rows in index order
  THoroscope chart;
  SetEveryOrb(chart, 99);
  setup_->SetOrbSetName("Strong");
  setup_->ApplyOrbSet(Orbs(), chart);
  ExpectOrbs(chart, 1, 12);
}

TEST_F(OrbSetTest, ASetWithoutARowForPointOneLeavesEveryOrbZero) {
  AddSet("Strong", 2, 14);
  THoroscope chart;
  SetEveryOrb(chart, 99);
  setup_->SetOrbSetName("Strong");
  setup_->ApplyOrbSet(Orbs(), chart);
  ExpectOrbs(chart, 0, -1);
  setup_->SetOrbSetName("Unknown");
  SetEveryOrb(chart, 99);
  setup_->ApplyOrbSet(Orbs(), chart);
  ExpectOrbs(chart, 0, -1);
}

TEST_F(OrbSetTest, AnEmptyNameChangesNothing) {
  AddSet("Strong", 1, 14);
  THoroscope chart;
  SetEveryOrb(chart, 7);
  ASSERT_TRUE(setup_->OrbSetName().empty());
  setup_->ApplyOrbSet(Orbs(), chart);
  LoadNamedOrbSet(Orbs(), chart, "");
  EXPECT_EQ(chart.Orb(0, 1), 7 * 60);
  EXPECT_FALSE(chart.Active());
}

TEST_F(OrbSetTest, TheOrbDefinitionTableKeepsItsIndexAndItsSet) {
  AddSet("Strong", 1, 14);
  THoroscope chart;
  setup_->SetOrbSetName("Strong");
  const std::string index = Orbs().IndexFieldNames();
  setup_->ApplyOrbSet(Orbs(), chart);
  EXPECT_EQ(Orbs().IndexFieldNames(), index);
  EXPECT_EQ(Orbs().RecordCount(), 14);
}

TEST_F(OrbSetTest, AnActiveChartRecalculatesWithTheNewOrbs) {
  UseRealEphemeris();
  AddSet("Wide", 1, 14);
  THoroscope chart;
  chart.SetBirthDate(1975.0612L);
  chart.SetBirthTime(14.30L);
  chart.SetLatitude(55.40L);
  chart.SetActive(true);
  ASSERT_EQ(chart.AspectCount(), 0);  // all orbs 0 at first
  setup_->SetOrbSetName("Wide");
  setup_->ApplyOrbSet(Orbs(), chart);
  EXPECT_TRUE(chart.Active());
  EXPECT_GT(chart.AspectCount(), 0);
}

TEST_F(OrbSetTest, ANamedSetIsTakenAsItStandsAndActivatesTheChart) {
  UseRealEphemeris();
  AddSet("&Synastry", 1, 13);
  AddSet("Synastry", 1, 14);
  THoroscope chart;
  setup_->SetOrbSetName("Strong");
  LoadNamedOrbSet(Orbs(), chart, "&Synastry");
  ExpectOrbs(chart, 1, 13);
  EXPECT_TRUE(chart.Active());
  EXPECT_EQ(setup_->OrbSetName(), "Strong");
}

}  // namespace
}  // namespace vyn
