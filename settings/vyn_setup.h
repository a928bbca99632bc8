#pragma once
// The settings store: the user's preferences from one run to the next, kept
// in INI files of the application directory, and the operations that carry
// them to chart records (year window, orb set).
//
// Files: "VYNMR.INI" the user's settings; "VYN2.STD" the shipped standard
// (same layout, only read); "VYNmr.STD" the installation (source path and
// country list, read once when the store is made); "VYN21.INI" ..
// "VYN24.INI" the chart printouts (21 also the page layout and the place);
// "Vynrg.Bin" the encoded key file.
//
// Every operation opens its file, reads or writes, and drops it again;
// nothing is cached but the values in memory. A save writes its file once,
// atomically: all of that operation's keys or, on failure, none. Save
// failures are thrown as ESettingsFileError naming the file and the reason.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/vyn_table.h"
#include "engine/horoscope.h"
#include "settings/bounds.h"
#include "settings/print_item_tables.h"
#include "settings/setup_settings.h"

namespace vyn {

class TIniFile;

struct TSetupOptions {
  // Where the settings files lie; empty: vyn::AppDirectory().
  std::string AppDirectory;
  // Whether the system runs with double-byte character support (then the
  // fonts default to the Japanese font). UTF-8 needs none, so false here.
  bool DoubleByte = false;
  // For the default placement of the main window (see SetScreenSize).
  int ScreenWidth = 1024;
  int ScreenHeight = 768;
};

class TVynSetup {
 public:
  static constexpr std::string_view kSettingsFile = "VYNMR.INI";
  static constexpr std::string_view kStandardFile = "VYN2.STD";
  static constexpr std::string_view kInstallationFile = "VYNmr.STD";
  static constexpr std::string_view kInterpretationPrintFile = "VYNmr.INI";
  static constexpr std::string_view kPageLayoutFile = "VYN21.INI";
  static constexpr std::string_view kPlaceFile = "VYN21.INI";
  static constexpr std::string_view kKeyFile = "Vynrg.Bin";
  static constexpr std::string_view kMissingCountryMessage =
      "Missing Country settings!";
  static constexpr int kMaxCountries = 20;

  // Reads the installation file (source path and country list) and sets
  // every value to its default.
  explicit TVynSetup(TSetupOptions options = {});

  // ---- files -------------------------------------------------------------
  // A file name is taken in the application directory unless it is an
  // absolute path; its letter case does not matter.

  // Reads every section of the settings file, each key with its default
  // (print items the edition does not read keep their values). Values that
  // no setting can hold read as their defaults too: a "HouseSystem" other
  // than 0, 1, 2; "Columns" outside 1..10; placements, print items and font
  // sizes beyond the limits of value_list.h and font_spec.h. False, with
  // nothing changed, when the file exists but cannot be read.
  bool LoadSettings(const std::string& file_name);
  // Writes the user's place to the key file, then [System] "SaveOnExit" of
  // the settings file and, when `full`, every key that the user changes
  // besides the printout ones (see SaveSettings in vyn_setup.cpp). Both files
  // are attempted: a failure of the settings file is thrown, else one of
  // the key file.
  void SaveSettings(const std::string& file_name, bool full);

  // The printout files, each with the hourglass shown.
  void LoadPrintout(TPrintoutKind kind);
  void SavePrintout(TPrintoutKind kind);
  // [InterpretationPrn] to the settings file.
  void SaveInterpretationPrintOptions();
  // [PrintLayout] to "VYN21.INI".
  void SavePageLayout();
  // Keeps `place` as the current place and writes it as [Startup] "Place"
  // of "VYN21.INI" at once.
  void SavePlace(const std::string& place);

  // ---- countries ---------------------------------------------------------
  // The non-empty "Country1" .. "Country20" of the installation file, in
  // order; each begins with its two-letter country code.
  const std::vector<std::string>& Countries() const { return countries_; }
  const std::string& SourcePath() const { return sourcePath_; }
  // Called by CountryCode when the country list is empty. The application
  // shows the message and ends; without a handler nothing happens.
  std::function<void(std::string_view message)> OnMissingCountry;
  // The code of the selected entry ("Selected" 1 .. the number of entries),
  // else of the first one; "##" when the list is empty (after reporting
  // kMissingCountryMessage to OnMissingCountry).
  std::string CountryCode() const;
  // The code of the first entry, which decides the edition ("US", "JP", or
  // another); empty for an empty list.
  std::string EditionCode() const;
  int SelectedCountry() const { return selectedCountry_; }
  // Takes n when 1 <= n <= the number of entries; otherwise nothing.
  void SelectCountry(int n);

  // ---- chart records -----------------------------------------------------
  // Sets FromYear and then ToYear with the chart inactive meanwhile.
  void ApplyYearWindow(THoroscope& chart) const;
  // Fills the chart's orb matrix from the current orb set of the orb
  // definition table (ApplyOrbSetByName). An empty name does nothing; a
  // name holding "&" loses its first "&" (a menu accelerator), and that
  // becomes the current name. The chart is inactive meanwhile and then as
  // active as it was. An unknown or damaged set throws EOrbSetError and
  // leaves the chart as it was.
  void ApplyOrbSet(TVynTable& orb_definitions, THoroscope& chart);

  // ---- names -------------------------------------------------------------
  // The current orb set.
  const std::string& OrbSetName() const { return orbSetName_; }
  void SetOrbSetName(const std::string& name);
  // The standard orb sets in the current language: strong, medium and
  // strong, weak medium and strong, synastry. The language component sets
  // them whenever it loads its texts.
  const std::array<std::string, 4>& StandardOrbNames() const {
    return standardOrbNames_;
  }
  void SetStandardOrbNames(std::array<std::string, 4> names);
  // The user's own place: a state or country, a comma or "|", a city.
  const std::string& Place() const { return place_; }
  const std::string& PictureFile() const { return wheelDrawing_.PictureFile; }
  // Ends with "/".
  const std::string& AppDirectory() const { return appDirectory_; }
  bool DoubleByte() const { return doubleByte_; }
  // The screen that the default "Main" placement fills, from the next load.
  void SetScreenSize(int width, int height);

  // ---- values ------------------------------------------------------------
  TSystemSettings& System() { return system_; }
  const TSystemSettings& System() const { return system_; }
  TAnalyseSettings& Analyse() { return analyse_; }
  const TAnalyseSettings& Analyse() const { return analyse_; }
  TInterpretationPrintSettings& InterpretationPrint() { return interpretationPrint_; }
  const TInterpretationPrintSettings& InterpretationPrint() const {
    return interpretationPrint_;
  }
  TPrintOptionSettings& PrintOptions() { return printOptions_; }
  const TPrintOptionSettings& PrintOptions() const { return printOptions_; }
  TPrintItems& PrintItems() { return printItems_; }
  const TPrintItems& PrintItems() const { return printItems_; }
  TPrintLayoutSettings& PrintLayout() { return printLayout_; }
  const TPrintLayoutSettings& PrintLayout() const { return printLayout_; }
  TWheelDrawingSettings& WheelDrawing() { return wheelDrawing_; }
  const TWheelDrawingSettings& WheelDrawing() const { return wheelDrawing_; }
  TInterpretationSettings& Interpretation() { return interpretation_; }
  const TInterpretationSettings& Interpretation() const { return interpretation_; }
  TDebugSettings& Debug() { return debug_; }
  const TDebugSettings& Debug() const { return debug_; }
  TGoodiesSettings& Goodies() { return goodies_; }
  const TGoodiesSettings& Goodies() const { return goodies_; }

  WindowPlacement& Placement(TWindowId window) { return placements_[window]; }
  const WindowPlacement& Placement(TWindowId window) const {
    return placements_[window];
  }
  // Gives every invalid placement but "NameList" a half of `area` (the
  // main window's client area less its bottom panel): "Interpretation" the
  // left half (width = area width div 2), the others the right half.
  void FitWindowPlacements(const TBounds& area);

 private:
  std::string FilePath(std::string_view file_name) const;
  void ReadInstallation();
  void SetDefaults();
  void ReadEditionPrintItems(const TIniFile& ini);
  void SaveKeyFile() const;

  std::string appDirectory_;
  bool doubleByte_;
  int screenWidth_;
  int screenHeight_;
  std::string sourcePath_;
  std::vector<std::string> countries_;
  std::array<std::string, 4> standardOrbNames_;

  std::string orbSetName_;
  std::string place_;
  int selectedCountry_ = 0;
  TSystemSettings system_;
  TWindowPlacements placements_;
  TAnalyseSettings analyse_;
  TInterpretationPrintSettings interpretationPrint_;
  TPrintOptionSettings printOptions_;
  TPrintItems printItems_{};
  TPrintLayoutSettings printLayout_;
  TWheelDrawingSettings wheelDrawing_;
  TInterpretationSettings interpretation_;
  TDebugSettings debug_;
  TGoodiesSettings goodies_;
};

}  // namespace vyn
