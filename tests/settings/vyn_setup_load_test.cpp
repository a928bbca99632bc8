// Loading the settings file: defaults, malformed values and the editions.
#include <gtest/gtest.h>

#include <filesystem>

#include "settings/vyn_setup.h"
#include "tests/settings/setup_fixture.h"

namespace vyn {
namespace {

using settings_test::SetupTest;
using settings_test::WriteFile;

TEST_F(SetupTest, AMissingFileGivesEveryDefault) {
  WriteCountries({"UKEngland"});
  auto setup = MakeSetup();
  ASSERT_TRUE(setup->LoadSettings("VYNMR.INI"));
  const TSystemSettings& system = setup->System();
  EXPECT_FALSE(system.SaveOnExit);
  EXPECT_TRUE(system.ChkZoneTime && system.ChkSummerTime && system.ChkStrong);
  EXPECT_FALSE(system.ChkMedium || system.ChkWeak || system.ChkSynastry);
  EXPECT_EQ(system.HouseSystem, 0);
  EXPECT_EQ(system.GraphColor, 255u);
  EXPECT_EQ(setup->OrbSetName(), "Medium and strong");
  EXPECT_EQ(setup->Analyse().FromYear, 1995);
  EXPECT_EQ(setup->Analyse().ToYear, 1998);
  EXPECT_EQ(FormatFlagString(setup->Analyse().UseTransitAspects), "100011001");
  EXPECT_TRUE(setup->InterpretationPrint().IComplete);
  EXPECT_FALSE(setup->InterpretationPrint().IAbridge);
  const TPrintLayoutSettings& layout = setup->PrintLayout();
  EXPECT_EQ(layout.Columns, 2);
  EXPECT_EQ(layout.HeaderMargin, 0);
  EXPECT_EQ(layout.FooterMargin, 10);
  EXPECT_EQ(layout.ColumnSpace, 110);
  EXPECT_EQ(layout.TitleFont, MakeFontSpec("Arial", 18, 0));
  EXPECT_EQ(layout.SubTitleFont, MakeFontSpec("Arial", 12, 0));
  EXPECT_EQ(layout.BodyFont, MakeFontSpec("Arial", 9, 0));
  EXPECT_EQ(layout.HeaderFont, MakeFontSpec("Arial", 9, kFontItalic));
  EXPECT_EQ(setup->WheelDrawing().BackgroundColor, kNoColor);
  EXPECT_EQ(setup->Interpretation().BackgroundColor, kWindowColor);
  EXPECT_FALSE(setup->Interpretation().Font.Valid);
  EXPECT_EQ(setup->Goodies().TitleBoxColor, 14737632u);
  EXPECT_EQ(setup->Placement(wiMain),
            (WindowPlacement{true, {10, 10, 1260, 1004}, wsNormal}));
  EXPECT_EQ(setup->Placement(wiAspects),
            (WindowPlacement{false, {100, 30, 500, 300}, wsNormal}));
}

TEST_F(SetupTest, DoubleByteSystemsDefaultToTheJapaneseFont) {
  TSetupOptions options;
  options.AppDirectory = dir_.Path();
  options.DoubleByte = true;
  TVynSetup setup(options);
  ASSERT_TRUE(setup.LoadSettings("VYNMR.INI"));
  EXPECT_EQ(setup.PrintLayout().BodyFont, MakeFontSpec(kJapaneseFontName, 9, 0));
  EXPECT_EQ(setup.Interpretation().Font, MakeFontSpec(kJapaneseFontName, 9, 0));
  EXPECT_FALSE(TVynSetup(TSetupOptions{dir_.Path()}).DoubleByte());
}

TEST_F(SetupTest, StoredValuesReplaceTheDefaults) {
  auto setup = Loaded(
      "[System]\nSaveOnExit=1\nHouseSystem=2\nOrbisName=Synastry\nChkStrong=0\n"
      "[Startup]\nPlace=Denmark,Aarhus\n[Languages]\nSelected=2\n"
      "[Analyse]\nFromYear=1990\nToYear=1992\nUseTransitAspects=11\n"
      "[PrintLayout]\nTitleFont=\"Times New Roman\",14,255,1\n"
      "SubTitleFont=(Times New Roman),14,255,1\nColumns=3\n"
      "[WheelDrawing]\nPictureFile=C:\\sky.bmp\n"
      "[Interpretation]\nFont=\"Courier\",10,0,2\n"
      "[Debug]\nDatabase=1\n[Goodies]\nPageLineColor=$FF\n");
  EXPECT_TRUE(setup->System().SaveOnExit);
  EXPECT_FALSE(setup->System().ChkStrong);
  EXPECT_EQ(setup->System().HouseSystem, 2);
  EXPECT_EQ(setup->OrbSetName(), "Synastry");
  EXPECT_EQ(setup->Place(), "Denmark,Aarhus");
  EXPECT_EQ(setup->SelectedCountry(), 2);
  EXPECT_EQ(setup->Analyse().FromYear, 1990);
  EXPECT_EQ(setup->Analyse().UseTransitAspects,
            (TFlagString{1, 1, 0, 0, 1, 1, 0, 0, 1}));
  EXPECT_EQ(FormatFlagString(setup->Analyse().UseTransitPlanets), "11111");
  const FontSpec times = MakeFontSpec("Times New Roman", 14, kFontBold, 255);
  EXPECT_EQ(setup->PrintLayout().TitleFont, times);
  EXPECT_EQ(setup->PrintLayout().SubTitleFont, times);
  EXPECT_EQ(setup->PrintLayout().Columns, 3);
  EXPECT_EQ(setup->PictureFile(), "C:\\sky.bmp");
  EXPECT_EQ(setup->Interpretation().Font, MakeFontSpec("Courier", 10, kFontItalic));
  EXPECT_TRUE(setup->Debug().Database);
  EXPECT_EQ(setup->Goodies().PageLineColor, 255u);
}

TEST_F(SetupTest, MalformedValuesGiveTheirDefaults) {
  auto setup = Loaded(
      "[System]\nHouseSystem=Koch\nSaveOnExit=maybe\n"
      "[Windows]\nMain=1,2,3\nWheel=10,20,300\nAspects=1,2,3,4,0\n"
      "[PrintLayout]\nTitleFont=\"Times New Roman\",14,255\nBodyFont=Arial\n"
      "[Interpretation]\nFont=(Courier)\n[PrintOptions]\nHouses=1,2,3\n");
  EXPECT_EQ(setup->System().HouseSystem, 0);
  EXPECT_FALSE(setup->System().SaveOnExit);
  EXPECT_EQ(setup->Placement(wiMain),
            (WindowPlacement{true, {10, 10, 1260, 1004}, wsNormal}));
  EXPECT_EQ(setup->Placement(wiWheel),
            (WindowPlacement{false, {300, 0, 600, 200}, wsNormal}));
  EXPECT_EQ(setup->Placement(wiAspects),
            (WindowPlacement{true, {1, 2, 3, 4}, wsNormal}));
  EXPECT_EQ(setup->PrintLayout().TitleFont, MakeFontSpec("Arial", 18, 0));
  EXPECT_EQ(setup->PrintLayout().BodyFont, MakeFontSpec("Arial", 9, 0));
  EXPECT_FALSE(setup->Interpretation().Font.Valid);
  EXPECT_EQ(setup->PrintItems()[piHouses], (PrintItem{{160, 159, 28, 70}, true}));
}

// Numbers that read well but that no setting can hold: a house system the
// charts do not know, a printout without columns or with more than ten.
TEST_F(SetupTest, OutOfRangeHouseSystemsAndColumnsGiveTheirDefaults) {
  const struct {
    const char* stored;
    int house_system;
    int columns;
  } cases[] = {{"7", 0, 7},  {"-1", 0, 2},  {"2147483647", 0, 2}, {"11", 0, 2},
               {"0", 0, 2},  {"1", 1, 1},   {"2", 2, 2},          {"10", 0, 10},
               {"3", 0, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    auto setup = Loaded(std::string("[System]\nHouseSystem=") + c.stored +
                        "\n[PrintLayout]\nColumns=" + c.stored + "\n");
    EXPECT_EQ(setup->System().HouseSystem, c.house_system);
    EXPECT_EQ(setup->PrintLayout().Columns, c.columns);
  }
}

TEST_F(SetupTest, TheStoredBackgroundMinus16IsTheButtonFaceColour) {
  EXPECT_EQ(Loaded("[WheelDrawing]\nBackgroundColor=-16\n")->WheelDrawing().BackgroundColor,
            kButtonFaceColor);
  EXPECT_EQ(Loaded("[WheelDrawing]\nBackgroundColor=16777215\n")
                ->WheelDrawing()
                .BackgroundColor,
            0xFFFFFFu);
  // Written back, the button face reads as itself.
  EXPECT_EQ(Loaded("[WheelDrawing]\nBackgroundColor=-2147483633\n")
                ->WheelDrawing()
                .BackgroundColor,
            kButtonFaceColor);
}

TEST_F(SetupTest, ASecondLoadStartsAgainFromTheDefaults) {
  auto setup = Loaded("[System]\nHouseSystem=1\nOrbisName=Synastry\n[Windows]\nWheel=1,2,3,4,0\n");
  WriteFile(dir_.File("VYN2.STD"), "[System]\nSaveOnExit=1\n");
  ASSERT_TRUE(setup->LoadSettings(dir_.File("VYN2.STD")));
  EXPECT_EQ(setup->System().HouseSystem, 0);
  EXPECT_TRUE(setup->System().SaveOnExit);
  EXPECT_EQ(setup->OrbSetName(), "Medium and strong");
  EXPECT_FALSE(setup->Placement(wiWheel).Valid);
}

TEST_F(SetupTest, AnUnreadableFileChangesNothing) {
  auto setup = Loaded("[System]\nHouseSystem=2\n");
  std::filesystem::create_directory(dir_.File("BROKEN.INI"));
  EXPECT_FALSE(setup->LoadSettings("BROKEN.INI"));
  EXPECT_EQ(setup->System().HouseSystem, 2);
}

// Print items of the settings file by edition: a few items whose defaults
// differ, and whether InformationX and AspectsD are read at all.
TEST_F(SetupTest, PrintItemsFollowTheEditionOfTheFirstCountry) {
  const struct {
    const char* first_country;
    TBounds houses;
    TBounds symbol;
    TBounds information_d;
    bool reads_information_x;
    bool reads_aspects_d;
    int from_year;
    int to_year;
  } editions[] = {
      {"UKEngland", {160, 159, 28, 70}, {0, 5, 27, 225}, {0, 0, 60, 30}, true, false, 1995, 1998},
      {"USAmerica", {160, 159, 25, 70}, {0, 5, 30, 213}, {0, 2, 180, 21}, false, true, 1995, 1998},
      {"JPJapan", {36, 177, 24, 70}, {0, 23, 31, 224}, {0, 2, 60, 30}, false, false, 1997, 2000},
  };
  for (const auto& e : editions) {
    SCOPED_TRACE(e.first_country);
    WriteCountries({e.first_country, "DKDanmark"});
    auto setup = Loaded("[PrintOptions]\nInformationX=9,9,9,9,0\nAspectsD=8,8,8,8,0\n");
    const TPrintItems& items = setup->PrintItems();
    EXPECT_EQ(items[piHouses], (PrintItem{e.houses, true}));
    EXPECT_EQ(items[piSymbol], (PrintItem{e.symbol, true}));
    EXPECT_EQ(items[piInformationD], (PrintItem{e.information_d, true}));
    EXPECT_EQ(items[piWheel], (PrintItem{{20, 27, 120, 120}, true}));
    EXPECT_EQ(items[piInformationX],
              (e.reads_information_x ? PrintItem{{9, 9, 9, 9}, false} : PrintItem{}));
    EXPECT_EQ(items[piAspectsD],
              (e.reads_aspects_d ? PrintItem{{8, 8, 8, 8}, false} : PrintItem{}));
    EXPECT_EQ(setup->Analyse().FromYear, e.from_year);
    EXPECT_EQ(setup->Analyse().ToYear, e.to_year);
  }
}

TEST_F(SetupTest, ItemsTheEditionDoesNotReadKeepWhatTheyHeld) {
  WriteCountries({"JPJapan"});
  auto setup = MakeSetup();
  setup->PrintItems()[piContact] = {{1, 2, 3, 4}, true};
  WriteFile(dir_.File("VYNMR.INI"), "[PrintOptions]\nContact=5,5,5,5,1\n");
  ASSERT_TRUE(setup->LoadSettings("VYNMR.INI"));
  EXPECT_EQ(setup->PrintItems()[piContact], (PrintItem{{1, 2, 3, 4}, true}));
}

TEST_F(SetupTest, MissingPlacementsAreFittedIntoTheHalvesOfTheArea) {
  auto setup = Loaded("[Windows]\nSymbols=1,2,3,4,0\nWheel=10,20,300\n");
  setup->FitWindowPlacements({0, 0, 1001, 700});
  EXPECT_EQ(setup->Placement(wiInterpretation).Bounds, (TBounds{0, 0, 500, 700}));
  EXPECT_EQ(setup->Placement(wiWheel).Bounds, (TBounds{500, 0, 501, 700}));
  EXPECT_EQ(setup->Placement(wiDDial).Bounds, (TBounds{500, 0, 501, 700}));
  EXPECT_EQ(setup->Placement(wiSymbols).Bounds, (TBounds{1, 2, 3, 4}));  // valid
  EXPECT_EQ(setup->Placement(wiNameList).Bounds, (TBounds{120, 40, 160, 200}));
  EXPECT_EQ(setup->Placement(wiMain).Bounds, (TBounds{10, 10, 1260, 1004}));
  // An area that does not start at the corner keeps its offsets.
  setup->FitWindowPlacements({8, 30, 400, 300});
  EXPECT_EQ(setup->Placement(wiInterpretation).Bounds, (TBounds{8, 30, 200, 300}));
  EXPECT_EQ(setup->Placement(wiPlanets).Bounds, (TBounds{208, 30, 200, 300}));
}

}  // namespace
}  // namespace vyn
