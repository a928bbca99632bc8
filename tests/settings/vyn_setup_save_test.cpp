// Saving the settings, the printout files and the key file; the country
// list; the year window.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/horoscope.h"
#include "settings/encoded_ini_file.h"
#include "settings/encoded_text.h"
#include "settings/ini_file.h"
#include "settings/settings_file_error.h"
#include "settings/vyn_setup.h"
#include "tests/settings/setup_fixture.h"

namespace vyn {
namespace {

using settings_test::ReadFile;
using settings_test::SetupTest;
using settings_test::TFileSizeLimit;
using settings_test::WriteFile;

TEST_F(SetupTest, AFullSaveReadsBackTheSameValues) {
  WriteCountries({"UKEngland", "DKDanmark"});
  auto setup = MakeSetup();
  setup->System().SaveOnExit = true;
  setup->System().HouseSystem = 1;
  setup->System().GraphColor = 0x80000005;
  setup->SetOrbSetName("Synastry");
  setup->SelectCountry(2);
  setup->Placement(wiWheel) = {true, {1, 2, 3, 4}, wsMaximized};
  setup->Analyse().UseTransitAspects = {0, 1, 0, 1, 0, 1, 0, 1, 0};
  setup->PrintLayout().TitleFont = MakeFontSpec("Times New Roman", 14, 1, 255);
  setup->WheelDrawing().BackgroundColor = kButtonFaceColor;
  setup->Interpretation().Font = MakeFontSpec("Courier", 10, 0);
  setup->SaveSettings("VYNMR.INI", true);

  auto again = MakeSetup();
  ASSERT_TRUE(again->LoadSettings("vynmr.ini"));
  EXPECT_TRUE(again->System().SaveOnExit);
  EXPECT_EQ(again->System().HouseSystem, 1);
  EXPECT_EQ(again->System().GraphColor, 0x80000005u);
  EXPECT_EQ(again->OrbSetName(), "Synastry");
  EXPECT_EQ(again->SelectedCountry(), 2);
  EXPECT_EQ(again->Placement(wiWheel), setup->Placement(wiWheel));
  EXPECT_EQ(again->Placement(wiAspects).Bounds, setup->Placement(wiAspects).Bounds);
  EXPECT_EQ(again->Analyse().UseTransitAspects, setup->Analyse().UseTransitAspects);
  EXPECT_EQ(again->PrintLayout().TitleFont, setup->PrintLayout().TitleFont);
  EXPECT_EQ(again->WheelDrawing().BackgroundColor, kButtonFaceColor);
  EXPECT_EQ(again->Interpretation().Font, setup->Interpretation().Font);
  const TIniFile ini(dir_.File("VYNMR.INI"));
  for (const char* section : {"InterpretationPrn", "PrintOptions", "Debug", "Goodies"})
    EXPECT_FALSE(ini.SectionExists(section)) << section;
  EXPECT_EQ(ini.ReadString("System", "GraphColor", ""), "-2147483643");
}

TEST_F(SetupTest, APartialSaveWritesOnlySaveOnExitAndKeepsTheRest) {
  WriteCountries({"UKEngland"});
  const std::string before = "; mine\n[System]\nHouseSystem=2\nSaveOnExit=0\n[Windows]\nMain=1,2,3,4,0\n";
  auto setup = Loaded(before);
  setup->System().SaveOnExit = true;
  setup->System().HouseSystem = 1;
  setup->SaveSettings("VYNMR.INI", false);
  EXPECT_EQ(ReadFile(dir_.File("VYNMR.INI")),
            "; mine\n[System]\nHouseSystem=2\nSaveOnExit=1\n[Windows]\nMain=1,2,3,4,0\n");
}

TEST_F(SetupTest, ThePlaceGoesEncodedToTheKeyFileUnderTheCountryCode) {
  WriteCountries({"UKEngland", "DKDanmark"});
  for (const char* place : {"Denmark,Aarhus", "Denmark|Aarhus"}) {
    SCOPED_TRACE(place);
    auto setup = MakeSetup();
    setup->SelectCountry(2);
    setup->SavePlace(place);
    setup->SaveSettings("VYNMR.INI", false);
    const TIniFile raw(dir_.File("Vynrg.Bin"));
    EXPECT_EQ(raw.ReadString("068075", "067079085078084082089", ""),
              "068069078077065082075");  // [DK] COUNTRY=DENMARK
    EXPECT_EQ(raw.ReadString("068075", "067073084089", ""),
              "065065082072085083");  // [DK] CITY=AARHUS
    const TEncodedIniFile key_file(dir_.File("VYNRG.BIN"));
    EXPECT_EQ(key_file.ReadString("dk", "city", ""), "AARHUS");
  }
}

TEST_F(SetupTest, TheKeyFileKeepsItsOtherKeysAndCutsLongCities) {
  WriteCountries({"UKEngland"});
  TEncodedIniFile here(dir_.File("Vynrg.Bin"));
  here.WriteString("main", "HereYear", "2001");
  here.Save();
  auto setup = Loaded("[Startup]\nPlace=England," + std::string(250, 'y') + "\n");
  setup->SaveSettings("VYNMR.INI", false);
  const TEncodedIniFile key_file(dir_.File("Vynrg.Bin"));
  EXPECT_EQ(key_file.ReadString("main", "HereYear", ""), "2001");
  EXPECT_EQ(key_file.ReadString("UK", "Country", ""), "ENGLAND");
  EXPECT_EQ(key_file.ReadString("UK", "City", ""), std::string(200, 'Y'));
}

TEST_F(SetupTest, AKeyFileThatCannotBeWrittenDoesNotCostTheSettings) {
  WriteCountries({"UKEngland"});
  std::filesystem::create_directory(dir_.File("Vynrg.Bin"));
  auto setup = MakeSetup();
  setup->System().HouseSystem = 2;
  try {
    setup->SaveSettings("VYNMR.INI", true);
    ADD_FAILURE() << "no error";
  } catch (const ESettingsFileError& e) {
    EXPECT_EQ(e.FileName(), dir_.File("Vynrg.Bin"));
  }
  EXPECT_EQ(TIniFile(dir_.File("VYNMR.INI")).ReadInteger("System", "HouseSystem", 0), 2);
}

TEST_F(SetupTest, ASettingsFileThatCannotBeWrittenStaysAsItWas) {
  WriteCountries({"UKEngland"});
  const std::string before = "[System]\nSaveOnExit=0\n";
  auto setup = Loaded(before);
  setup->System().SaveOnExit = true;
  try {
    const TFileSizeLimit limit(before.size() + 8);
    setup->SaveSettings("VYNMR.INI", true);
    ADD_FAILURE() << "no error";
  } catch (const ESettingsFileError& e) {
    EXPECT_EQ(e.FileName(), dir_.File("VYNMR.INI"));
    EXPECT_NE(std::string(e.what()).find("VYNMR.INI"), std::string::npos);
  }
  EXPECT_EQ(ReadFile(dir_.File("VYNMR.INI")), before);
}

TEST_F(SetupTest, ThePlaceIsWrittenAtOnceToTheDoubleWheelFile) {
  auto setup = MakeSetup();
  setup->SavePlace("Denmark|Aarhus");
  EXPECT_EQ(setup->Place(), "Denmark|Aarhus");
  EXPECT_EQ(TIniFile(dir_.File("VYN21.INI")).ReadString("Startup", "Place", ""),
            "Denmark|Aarhus");
}

TEST_F(SetupTest, InterpretationPrintOptionsGoToTheSettingsFile) {
  auto setup = Loaded("[System]\nSaveOnExit=1\n");
  setup->InterpretationPrint().IAbridge = true;
  setup->InterpretationPrint().IIllustrations = false;
  setup->SaveInterpretationPrintOptions();
  EXPECT_EQ(dir_.Entries(), std::vector<std::string>{"VYNMR.INI"});
  auto again = Loaded(ReadFile(dir_.File("VYNMR.INI")));
  EXPECT_TRUE(again->InterpretationPrint().IAbridge);
  EXPECT_FALSE(again->InterpretationPrint().IIllustrations);
  EXPECT_TRUE(again->System().SaveOnExit);
}

TEST_F(SetupTest, ThePageLayoutGoesToTheDoubleWheelFile) {
  auto setup = MakeSetup();
  setup->PrintLayout().TopMargin = 25;
  setup->SavePageLayout();
  const TIniFile ini(dir_.File("VYN21.INI"));
  EXPECT_EQ(ini.ReadInteger("PrintLayout", "TopMargin", 0), 25);
  EXPECT_EQ(ini.ReadString("PrintLayout", "HeaderFont", ""), "\"Arial\",9,0,2");
}

TEST_F(SetupTest, APrintoutWithoutItsFileGetsItsOwnDefaults) {
  auto setup = MakeSetup();
  setup->PrintOptions().GPHBW = true;
  setup->LoadPrintout(pkDoubleWheel);
  setup->LoadPrintout(pkGraphs);
  const TPrintItems& items = setup->PrintItems();
  EXPECT_EQ(items[piPlanetsD], (PrintItem{{140, 170, 50, 70}, true}));
  EXPECT_EQ(items[piPlanetsXD], (PrintItem{{0, 170, 50, 70}, true}));
  EXPECT_EQ(items[piInformationXG], (PrintItem{{120, 0, 60, 30}, true}));
  EXPECT_EQ(items[piHouses], PrintItem{});  // no default in the double wheel file
  EXPECT_FALSE(setup->PrintOptions().GPHBW);
}

TEST_F(SetupTest, EachPrintoutReadsBackWhatItSaved) {
  const struct {
    TPrintoutKind kind;
    TPrintItemId item;
    bool TPrintOptionSettings::*black_white;
  } printouts[] = {
      {pkDoubleWheel, piHouses, &TPrintOptionSettings::BW},
      {pkDoubleWheel, piInformationX, &TPrintOptionSettings::BW},
      {pkTwinWheel, piWheelX, &TPrintOptionSettings::BW},
      {pkSingleWheel, piSymbol, &TPrintOptionSettings::BW},
      {pkGraphs, piTension, &TPrintOptionSettings::GPHBW},
  };
  for (const auto& p : printouts) {
    SCOPED_TRACE(PrintItemKey(p.item));
    auto setup = MakeSetup();
    setup->PrintItems()[p.item] = {{11, 12, 13, 14}, false};
    setup->PrintOptions().*p.black_white = true;
    setup->SavePrintout(p.kind);
    auto again = MakeSetup();
    again->LoadPrintout(p.kind);
    EXPECT_EQ(again->PrintItems()[p.item], (PrintItem{{11, 12, 13, 14}, false}));
    EXPECT_TRUE(again->PrintOptions().*p.black_white);
  }
}

TEST_F(SetupTest, TheSelectedCountryGivesTheCodeAndTheFirstOneTheEdition) {
  WriteCountries({"UKEngland", "DKDanmark"});
  auto setup = Loaded("[Languages]\nSelected=2\n");
  EXPECT_EQ(setup->CountryCode(), "DK");
  EXPECT_EQ(setup->EditionCode(), "UK");
  setup->SelectCountry(3);  // beyond the list: ignored
  EXPECT_EQ(setup->CountryCode(), "DK");
  setup->SelectCountry(1);
  EXPECT_EQ(setup->CountryCode(), "UK");
  for (const char* selected : {"0", "3", "-1"}) {
    EXPECT_EQ(Loaded(std::string("[Languages]\nSelected=") + selected + "\n")->CountryCode(),
              "UK")
        << selected;
  }
  EXPECT_EQ(setup->SourcePath(), "D:\\");
}

TEST_F(SetupTest, TheCountryListSkipsEmptyKeys) {
  WriteFile(dir_.File("VYNmr.STD"),
            "[Languages]\nCountry2=SWSverige\nCountry1=\nCountry20=FIFinland\n"
            "Country21=NRNorge\n");
  auto setup = MakeSetup();
  EXPECT_EQ(setup->Countries(), (std::vector<std::string>{"SWSverige", "FIFinland"}));
  EXPECT_EQ(setup->EditionCode(), "SW");
}

TEST_F(SetupTest, AnEmptyCountryListIsReportedToTheApplication) {
  auto setup = MakeSetup();
  std::vector<std::string> messages;
  setup->OnMissingCountry = [&](std::string_view message) {
    messages.emplace_back(message);
  };
  EXPECT_EQ(setup->CountryCode(), "##");
  EXPECT_EQ(setup->EditionCode(), "");
  EXPECT_EQ(messages, std::vector<std::string>{"Missing Country settings!"});
  setup->SelectCountry(1);
  EXPECT_EQ(setup->SelectedCountry(), 0);
  setup->OnMissingCountry = nullptr;
  EXPECT_EQ(setup->CountryCode(), "##");
}

TEST_F(SetupTest, TheYearWindowGoesToTheChartWhichStaysInactive) {
  auto setup = Loaded("[Analyse]\nFromYear=1990\nToYear=1993\n");
  THoroscope chart;
  setup->ApplyYearWindow(chart);
  EXPECT_EQ(chart.FromYear(), 1990);
  EXPECT_EQ(chart.ToYear(), 1993);
  EXPECT_FALSE(chart.Active());
  // The chart's own rules still hold: a window of more than three years
  // is not accepted and ToYear pulls FromYear along.
  auto wide = Loaded("[Analyse]\nFromYear=2000\nToYear=2010\n");
  wide->ApplyYearWindow(chart);
  EXPECT_EQ(chart.FromYear(), 2009);
  EXPECT_EQ(chart.ToYear(), 2010);
}

}  // namespace
}  // namespace vyn
