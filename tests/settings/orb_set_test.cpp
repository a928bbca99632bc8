// Orb sets from the orb definition table into chart records.
#include <gtest/gtest.h>

#include <filesystem>

#include <cstdint>
#include <functional>
#include <optional>
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

// An orb within 0..30 for every column and point, distinct within each
// column and within each point, so a value read into the wrong row or point
// shows; `shift` tells two sets apart.
int FixtureOrb(int column, int point, int shift = 0) {
  return (14 * column + point + shift) % 31;
}

class OrbSetTest : public testing::TempDatabaseTest {
 protected:
  void SetUp() override {
    TempDatabaseTest::SetUp();
    collection_.SetLanguage("UK");
    collection_.CreateSchema();
    collection_.SetActive(true);
    settingsDir_ = directory_.Path() + "/app/";
    std::filesystem::create_directories(settingsDir_);
    setup_ = std::make_unique<TVynSetup>(TSetupOptions{settingsDir_});
  }
  void TearDown() override {
    TEphemeris::Shared().Close();
    SetAppDirectory("");
  }

  TVynTable& Orbs() { return collection_.Table(TTableRole::trOrbDefinitions); }

  // Rows of the set `name` for the points first..last, in one transaction.
  void AddSet(const std::string& name, int first = 1, int last = kAspectPoints,
              int shift = 0) {
    TTransaction transaction(database_.Connection());
    for (int point = first; point <= last; ++point) {
      Orbs().Insert();
      Orbs().FieldByName("OrbisName").SetAsString(name);
      Orbs().FieldByName("OrbisPlanetOrCusp").SetAsInteger(point);
      for (int c = 0; c < 9; ++c)
        Orbs().FieldByName(kColumnRows[c].first).SetAsInteger(FixtureOrb(c, point, shift));
      Orbs().Post();
    }
    transaction.Commit();
  }

  // Expects the orbs of the chart to be those of the fixture set with
  // `shift`.
  static void ExpectOrbs(const THoroscope& chart, int shift = 0) {
    for (int point = 1; point <= kAspectPoints; ++point) {
      int expected[kAspectKinds] = {};
      for (int c = 0; c < 9; ++c)
        expected[kColumnRows[c].second - 1] = FixtureOrb(c, point, shift);
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
  std::string settingsDir_;
  std::unique_ptr<TVynSetup> setup_;
};

TEST_F(OrbSetTest, TheCurrentSetFillsEveryRowAndPoint) {
  AddSet("Medium and strong");
  AddSet("Strong", 1, kAspectPoints, 5);  // sorts after: must not bleed in
  THoroscope chart;
  SetEveryOrb(chart, 29);
  setup_->SetOrbSetName("Medium and strong");
  setup_->ApplyOrbSet(Orbs(), chart);
  ExpectOrbs(chart);
  EXPECT_FALSE(chart.Active());
}

TEST_F(OrbSetTest, TheFirstAmpersandOfTheNameIsDroppedForGood) {
  AddSet("Synastry");
  AddSet("Medium and strong");
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
    ExpectOrbs(chart);
  }
  EXPECT_EQ(RemoveAccelerator("&" + std::string(100, 'x')), std::string(80, 'x'));
  EXPECT_EQ(RemoveAccelerator("A&&B"), "A&B");
}

TEST_F(OrbSetTest, AnUnknownSetIsRefusedNamingTheSetsThereAre) {
  THoroscope chart;
  SetEveryOrb(chart, 7);
  const std::string table = "Table \"" + Orbs().TableName() + "\" has no orb set \"Strng\"";
  setup_->SetOrbSetName("Strng");
  try {
    setup_->ApplyOrbSet(Orbs(), chart);
    FAIL() << "no error";
  } catch (const EOrbSetError& e) {
    EXPECT_EQ(std::string(e.what()), table + "; it holds no orb set");
  }
  AddSet("Strong");
  AddSet("Synastry");
  AddSet("Medium and strong");
  try {
    ApplyOrbSetByName(Orbs(), chart, "Strng");
    FAIL() << "no error";
  } catch (const EOrbSetError& e) {
    EXPECT_EQ(std::string(e.what()),
              table + "; its sets are \"Medium and strong\", \"Strong\", \"Synastry\"");
  }
  EXPECT_EQ(chart.Orb(0, 1), 7 * 60);
}

// A damaged set: what is done to the fixture set "Strong", and the message.
struct DamageCase {
  const char* what;
  std::function<void(TVynTable&)> damage;
  std::string message;  // after 'Table "<table>", orb set "Strong"'
};

// Sets `column` of the row for `point` to `value` (none: empty).
std::function<void(TVynTable&)> SetOrbField(int point, const char* column,
                                            std::optional<std::int64_t> value) {
  return [=](TVynTable& orbs) {
    ASSERT_TRUE(orbs.FindKey({TVynValue("Strong"), TVynValue(point)}));
    orbs.Edit();
    if (value)
      orbs.FieldByName(column).SetAsInteger(*value);
    else
      orbs.FieldByName(column).Clear();
    orbs.Post();
  };
}

TEST_F(OrbSetTest, ADamagedSetIsRefusedNamingTheRowAndLeavesTheChart) {
  const DamageCase cases[] = {
      {"huge orb", SetOrbField(3, "D_90", 1000000000),
       ", point 3: \"D_90\" is 1000000000, outside 0 to 30 degrees"},
      {"negative orb", SetOrbField(1, "D_0", -1),
       ", point 1: \"D_0\" is -1, outside 0 to 30 degrees"},
      {"orb just too wide", SetOrbField(14, "D_180", 31),
       ", point 14: \"D_180\" is 31, outside 0 to 30 degrees"},
      {"empty orb", SetOrbField(12, "D_150", std::nullopt),
       ", point 12: \"D_150\" is empty"},
      {"point beyond the angles", SetOrbField(14, "OrbisPlanetOrCusp", 15),
       ": a row has the point 15, outside 1 to 14"},
      {"missing row", SetOrbField(7, "OrbisPlanetOrCusp", 0),
       ": a row has the point 0, outside 1 to 14"},
      {"missing rows at the end",
       [](TVynTable& orbs) {
         for (int point : {13, 14}) {
           ASSERT_TRUE(orbs.FindKey({TVynValue("Strong"), TVynValue(point)}));
           orbs.Delete();
         }
       },
       ": no row for point 13"},
      {"missing first row",
       [](TVynTable& orbs) {
         ASSERT_TRUE(orbs.FindKey({TVynValue("Strong"), TVynValue(1)}));
         orbs.Delete();
       },
       ": no row for point 1"},
  };
  for (const DamageCase& c : cases) {
    SCOPED_TRACE(c.what);
    Orbs().EmptyTable();
    AddSet("Strong");
    AddSet("Synastry");  // the next rows in index order
    Orbs().SetIndexFieldNames("OrbisName;OrbisPlanetOrCusp");
    c.damage(Orbs());
    THoroscope chart;
    SetEveryOrb(chart, 7);
    setup_->SetOrbSetName("Strong");
    try {
      setup_->ApplyOrbSet(Orbs(), chart);
      FAIL() << "no error";
    } catch (const EOrbSetError& e) {
      EXPECT_EQ(std::string(e.what()),
                "Table \"" + Orbs().TableName() + "\", orb set \"Strong\"" + c.message);
    }
    for (int kind = 0; kind < kAspectKinds; ++kind)
      for (int point = 1; point <= kAspectPoints; ++point)
        ASSERT_EQ(chart.Orb(kind, point), 7 * 60) << "kind " << kind << " point " << point;
    EXPECT_FALSE(chart.Active());
  }
}

TEST_F(OrbSetTest, AnEmptyNameChangesNothing) {
  AddSet("Strong");
  THoroscope chart;
  SetEveryOrb(chart, 7);
  ASSERT_TRUE(setup_->OrbSetName().empty());
  setup_->ApplyOrbSet(Orbs(), chart);
  LoadNamedOrbSet(Orbs(), chart, "");
  EXPECT_EQ(chart.Orb(0, 1), 7 * 60);
  EXPECT_FALSE(chart.Active());
}

TEST_F(OrbSetTest, TheOrbDefinitionTableKeepsItsIndexAndItsSet) {
  AddSet("Strong");
  THoroscope chart;
  setup_->SetOrbSetName("Strong");
  const std::string index = Orbs().IndexFieldNames();
  setup_->ApplyOrbSet(Orbs(), chart);
  EXPECT_EQ(Orbs().IndexFieldNames(), index);
  EXPECT_EQ(Orbs().RecordCount(), 14);
  setup_->SetOrbSetName("Unknown");
  EXPECT_THROW(setup_->ApplyOrbSet(Orbs(), chart), EOrbSetError);
  EXPECT_EQ(Orbs().IndexFieldNames(), index);
}

TEST_F(OrbSetTest, AnActiveChartRecalculatesWithTheNewOrbs) {
  UseRealEphemeris();
  AddSet("Wide");
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
  AddSet("&Synastry", 1, kAspectPoints, 3);
  AddSet("Synastry");
  THoroscope chart;
  setup_->SetOrbSetName("Strong");
  LoadNamedOrbSet(Orbs(), chart, "&Synastry");
  ExpectOrbs(chart, 3);
  EXPECT_TRUE(chart.Active());
  EXPECT_EQ(setup_->OrbSetName(), "Strong");
}

}  // namespace
}  // namespace vyn
