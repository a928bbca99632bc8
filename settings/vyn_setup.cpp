#include "settings/vyn_setup.h"

#include <exception>

#include "engine/text_helpers.h"
#include "platform/app_directory.h"
#include "platform/file_names.h"
#include "settings/encoded_ini_file.h"
#include "settings/ini_file.h"
#include "settings/orb_set_loader.h"
#include "settings/setup_exchange.h"

namespace vyn {
namespace {

constexpr std::size_t kCityCharacters = 200;

std::string WithTrailingSlash(std::string directory) {
  if (directory.empty() || directory.back() != '/') directory += '/';
  return directory;
}

TPrintLayoutSettings DefaultPrintLayout(bool double_byte) {
  const std::string_view name = double_byte ? kJapaneseFontName : "Arial";
  TPrintLayoutSettings layout;
  layout.TitleFont = MakeFontSpec(name, 18, 0);
  layout.SubTitleFont = MakeFontSpec(name, 12, 0);
  layout.BodyFont = MakeFontSpec(name, 9, 0);
  layout.HeaderFont = MakeFontSpec(name, 9, kFontItalic);
  return layout;
}

TInterpretationSettings DefaultInterpretation(bool double_byte) {
  TInterpretationSettings interpretation;
  if (double_byte) interpretation.Font = MakeFontSpec(kJapaneseFontName, 9, 0);
  return interpretation;
}

// 0 Placidus, 1 Koch, 2 Equal: any other number would reach the charts.
bool IsHouseSystem(int h) { return h >= 0 && h <= 2; }

// The printout divides the page width by the columns.
constexpr int kMaxColumns = 10;
bool IsColumnCount(int columns) { return columns >= 1 && columns <= kMaxColumns; }

struct TPlaceParts {
  std::string Country;
  std::string City;
};

// The place at its first comma (or the "|" that Define here writes): the
// country before it, the city after it; all country without either.
TPlaceParts SplitPlace(std::string_view place) {
  const std::size_t split = place.find_first_of(",|");
  if (split == std::string_view::npos) return {std::string(place), ""};
  return {std::string(place.substr(0, split)),
          CutToCharacters(place.substr(split + 1), kCityCharacters)};
}

}  // namespace

TVynSetup::TVynSetup(TSetupOptions options)
    : appDirectory_(WithTrailingSlash(options.AppDirectory.empty()
                                           ? vyn::AppDirectory()
                                           : options.AppDirectory)),
      doubleByte_(options.DoubleByte),
      screenWidth_(options.ScreenWidth),
      screenHeight_(options.ScreenHeight) {
  ReadInstallation();
  SetDefaults();
}

std::string TVynSetup::FilePath(std::string_view file_name) const {
  if (file_name.starts_with('/')) return std::string(file_name);
  return JoinPath(appDirectory_, std::string(file_name));
}

void TVynSetup::ReadInstallation() {
  const TIniFile ini(FilePath(kInstallationFile));
  sourcePath_ = ini.ReadString("Installation", "SourcePath", "");
  for (int n = 1; n <= kMaxCountries; ++n) {
    std::string entry = ini.ReadString("Languages", "Country" + std::to_string(n), "");
    if (!entry.empty()) countries_.push_back(std::move(entry));
  }
}

// Every value as a settings file without any keys gives it; the print
// items keep theirs.
void TVynSetup::SetDefaults() {
  system_ = {};
  orbSetName_.clear();
  place_.clear();
  selectedCountry_ = 0;
  placements_ = DefaultWindowPlacements(screenWidth_, screenHeight_);
  analyse_ = {};
  if (EditionCode() == "JP") {
    analyse_.FromYear = 1997;
    analyse_.ToYear = 2000;
  }
  interpretationPrint_ = {};
  printOptions_ = {};
  printLayout_ = DefaultPrintLayout(doubleByte_);
  wheelDrawing_ = {};
  interpretation_ = DefaultInterpretation(doubleByte_);
  debug_ = {};
  goodies_ = {};
}

bool TVynSetup::LoadSettings(const std::string& file_name) {
  const TIniFile ini(FilePath(file_name));
  if (!ini.ReadError().empty()) return false;
  SetDefaults();
  TSettingsReader reader(ini);
  ExchangeSystem(reader, system_, orbSetName_);
  if (!IsHouseSystem(system_.HouseSystem)) system_.HouseSystem = TSystemSettings{}.HouseSystem;
  if (orbSetName_.empty()) orbSetName_ = standardOrbNames_[1];
  ExchangePlaceAndCountry(reader, place_, selectedCountry_);
  ExchangeWindows(reader, placements_);
  ExchangeAnalyse(reader, analyse_);
  ExchangeInterpretationPrint(reader, interpretationPrint_);
  ExchangePrintOptions(reader, printOptions_);
  ReadEditionPrintItems(ini);
  ExchangePrintLayout(reader, printLayout_);
  if (!IsColumnCount(printLayout_.Columns)) printLayout_.Columns = TPrintLayoutSettings{}.Columns;
  ExchangeWheelDrawing(reader, wheelDrawing_);
  // -16 is how older files hold the button-face colour.
  if (wheelDrawing_.BackgroundColor == ColorOfStored(-16))
    wheelDrawing_.BackgroundColor = kButtonFaceColor;
  ExchangeInterpretation(reader, interpretation_);
  ExchangeDebug(reader, debug_);
  ExchangeGoodies(reader, goodies_);
  return true;
}

// Written when full: [System], [Startup] "Place", [Languages] "Selected",
// [Windows], [Analyse], [PrintLayout], [WheelDrawing], [Interpretation].
// [InterpretationPrn], [PrintOptions], [Debug] and [Goodies] have savers
// of their own or are never written.
void TVynSetup::SaveSettings(const std::string& file_name, bool full) {
  // A key file that cannot be written must not cost the user's settings.
  std::exception_ptr key_file_failure;
  try {
    SaveKeyFile();
  } catch (const std::exception&) {
    key_file_failure = std::current_exception();
  }
  TIniFile ini(FilePath(file_name));
  TSettingsWriter writer(ini);
  if (full) {
    ExchangeSystem(writer, system_, orbSetName_);
    ExchangePlaceAndCountry(writer, place_, selectedCountry_);
    ExchangeWindows(writer, placements_);
    ExchangeAnalyse(writer, analyse_);
    ExchangePrintLayout(writer, printLayout_);
    ExchangeWheelDrawing(writer, wheelDrawing_);
    ExchangeInterpretation(writer, interpretation_);
  } else {
    writer.Section("System");
    writer.Value("SaveOnExit", system_.SaveOnExit);
  }
  ini.Save();
  if (key_file_failure) std::rethrow_exception(key_file_failure);
}

// "Country" and "City" of the user's place under the current country code.
void TVynSetup::SaveKeyFile() const {
  const TPlaceParts parts = SplitPlace(place_);
  const std::string country_code = CountryCode();
  TEncodedIniFile key_file(FilePath(kKeyFile));
  key_file.WriteString(country_code, "Country", parts.Country);
  key_file.WriteString(country_code, "City", parts.City);
  key_file.Save();
}

void TVynSetup::SaveInterpretationPrintOptions() {
  TIniFile ini(FilePath(kInterpretationPrintFile));
  TSettingsWriter writer(ini);
  ExchangeInterpretationPrint(writer, interpretationPrint_);
  ini.Save();
}

void TVynSetup::SavePageLayout() {
  TIniFile ini(FilePath(kPageLayoutFile));
  TSettingsWriter writer(ini);
  ExchangePrintLayout(writer, printLayout_);
  ini.Save();
}

void TVynSetup::SavePlace(const std::string& place) {
  place_ = place;
  TIniFile ini(FilePath(kPlaceFile));
  ini.WriteString("Startup", "Place", place_);
  ini.Save();
}

std::string TVynSetup::CountryCode() const {
  if (countries_.empty()) {
    if (OnMissingCountry) OnMissingCountry(kMissingCountryMessage);
    return "##";
  }
  const bool selected = selectedCountry_ >= 1 &&
                        selectedCountry_ <= static_cast<int>(countries_.size());
  return countries_[selected ? selectedCountry_ - 1 : 0].substr(0, 2);
}

std::string TVynSetup::EditionCode() const {
  return countries_.empty() ? std::string() : countries_.front().substr(0, 2);
}

void TVynSetup::SelectCountry(int n) {
  if (n > 0 && n <= static_cast<int>(countries_.size())) selectedCountry_ = n;
}

void TVynSetup::ApplyYearWindow(THoroscope& chart) const {
  const bool active = chart.Active();
  chart.SetActive(false);
  chart.SetFromYear(analyse_.FromYear);
  chart.SetToYear(analyse_.ToYear);
  chart.SetActive(active);
}

void TVynSetup::ApplyOrbSet(TVynTable& orb_definitions, THoroscope& chart) {
  if (orbSetName_.empty()) return;
  orbSetName_ = RemoveAccelerator(orbSetName_);
  ApplyOrbSetByName(orb_definitions, chart, orbSetName_);
}

void TVynSetup::SetOrbSetName(const std::string& name) {
  if (name != orbSetName_) orbSetName_ = name;
}

void TVynSetup::SetStandardOrbNames(std::array<std::string, 4> names) {
  standardOrbNames_ = std::move(names);
}

void TVynSetup::SetScreenSize(int width, int height) {
  screenWidth_ = width;
  screenHeight_ = height;
}

void TVynSetup::FitWindowPlacements(const TBounds& area) {
  static constexpr TWindowId kFitted[] = {
      wiInterpretation, wiWheel, wiWheelView, wiCompatibility, wiElement, wiDDial,
      wiMain, wiPlanets, wiHouseCusps, wiAspects, wiSymbols};
  const int half = area.Width / 2;
  for (const TWindowId window : kFitted) {
    WindowPlacement& placement = placements_[window];
    if (placement.Valid) continue;
    placement.Bounds = window == wiInterpretation
                           ? TBounds{area.Left, area.Top, half, area.Height}
                           : TBounds{area.Left + half, area.Top, area.Width - half,
                                     area.Height};
  }
}

}  // namespace vyn
