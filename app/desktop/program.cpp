#include "app/desktop/program.h"

#include <stdexcept>

#include "app/core/person_record.h"
#include "data/data_collection.h"
#include "data/transaction.h"
#include "data/vyn_database.h"
#include "settings/orb_set_loader.h"

namespace vyn::desktop {
namespace {

// Bits 0 and 1: the aspect lists are wanted.
constexpr int kAspectModeBits = 3;

}  // namespace

TProgram::TProgram(QObject* parent) : QObject(parent) {
  // The settings store learns the orb-set names of every language loaded.
  language_.OnOrbNames = [this](const std::array<std::string, 4>& names) {
    setup_.SetStandardOrbNames(names);
  };
}

TProgram::~TProgram() {
  // Charts go before the tables and the database they were loaded from.
  for (auto& chart : charts_) chart.reset();
}

void TProgram::LoadSettings(int screenWidth, int screenHeight) {
  setup_.SetScreenSize(screenWidth, screenHeight);
  setup_.LoadSettings(std::string(TVynSetup::kSettingsFile));
}

void TProgram::OpenDatabase(const std::string& language) {
  auto database = std::make_unique<TVynDatabase>();
  database->Connect(TConnectMode::cmOpenExisting);
  auto tables = std::make_unique<TDataCollection>(*database, language);
  tables->SetLanguage(language);
  tables->SetActive(true);
  database_ = std::move(database);
  tables_ = std::move(tables);
  language_.SetHelpTable(&tables_->Table(TTableRole::trHelp));
}

TDataCollection& TProgram::Tables() {
  if (!tables_) throw std::logic_error("the database is not open yet");
  return *tables_;
}

void TProgram::ApplyLanguage(const std::string& code) {
  TLanguageDictionary dictionary;
  dictionary.LoadLanguage(code);  // a missing file stops the switch here
  const std::string previous = tables_ ? tables_->Language() : std::string();
  if (tables_) tables_->SetLanguage(code);
  try {
    language_.SetActive(false);
    language_.SetCountry(code);
    language_.SetActive(true);
  } catch (...) {
    if (tables_ && !previous.empty()) tables_->SetLanguage(previous);
    language_.SetCountry(previous.empty() ? code : previous);
    language_.SetActive(true);
    throw;
  }
  dictionary_ = std::move(dictionary);
  languageIni_ = std::make_unique<TIniFile>(LanguageIniPath(code));
  emit LanguageChanged();
}

QString TProgram::IniText(const char* section, const char* key, const char* fallback) const {
  if (!languageIni_) return QString::fromUtf8(fallback);
  return QString::fromStdString(languageIni_->ReadString(section, key, fallback));
}

bool TProgram::HasInterpretationTexts(const std::string& code) const {
  return database_ && database_->TableExists("bkrlat" + code);
}

QString TProgram::Token(int n) const { return QString::fromStdString(language_.GetToken(n)); }

QString TProgram::LanguageText(const char* key, const char* fallback) const {
  return QString::fromStdString(dictionary_.LanguageText(key, fallback));
}

QString TProgram::TranslateCode(const std::string& key) const {
  return QString::fromStdString(dictionary_.TranslateCode(key));
}

void TProgram::ApplyOrbsTo(THoroscope& chart) {
  setup_.ApplyOrbSet(Tables().Table(TTableRole::trOrbDefinitions), chart);
}

void TProgram::CreateCharts() {
  for (int slot = 1; slot <= kChartSlots; ++slot) {
    auto chart = std::make_unique<THoroscope>();
    chart->SetAspectMode(kAspectModeBits);
    chart->SetHouseSystem(setup_.System().HouseSystem);
    setup_.ApplyYearWindow(*chart);
    ApplyOrbsTo(*chart);
    chart->OnChange = [this](THoroscope&) { emit ChartsChanged(); };
    charts_[slot - 1] = std::move(chart);
  }
}

void TProgram::LoadCurrentPeople() {
  TVynTable& current = Tables().Table(TTableRole::trCurrentNames);
  int slot = 0;
  for (current.First(); !current.Eof() && slot < kChartSlots; current.Next()) {
    ++slot;
    const std::string last = current.FieldByName("LastName").AsString();
    const std::string first = current.FieldByName("FirstName").AsString();
    THoroscope& chart = Chart(slot);
    core::LoadPersonIntoChart(Tables(), first, last, chart);
    setup_.ApplyYearWindow(chart);
    ApplyOrbsTo(chart);
  }
  if (slot != 2 || !SlotLoaded(1) || !SlotLoaded(2)) return;
  THoroscope& one = Chart(1);
  THoroscope& two = Chart(2);
  one.SetActive(false);
  two.SetActive(false);
  one.SetPartner(&two);
  two.SetPartner(&one);
  one.SetActive(true);
  two.SetActive(true);
  filled_[0] = filled_[1] = true;
}

void TProgram::CheckSlot(int slot) const {
  if (slot < 1 || slot > kChartSlots)
    throw std::out_of_range("chart slot " + std::to_string(slot) + " is not 1 to 6");
}

THoroscope& TProgram::Chart(int slot) {
  CheckSlot(slot);
  if (!charts_[slot - 1]) throw std::logic_error("the chart records are not created yet");
  return *charts_[slot - 1];
}

bool TProgram::SlotLoaded(int slot) const {
  CheckSlot(slot);
  return charts_[slot - 1] && !charts_[slot - 1]->FirstName().empty();
}

int TProgram::LoadedCount() const {
  int count = 0;
  for (int slot = 1; slot <= kChartSlots; ++slot) count += SlotLoaded(slot);
  return count;
}

void TProgram::SetCurrentSlot(int slot) {
  CheckSlot(slot);
  currentSlot_ = slot;
}

bool TProgram::SlotFilled(int slot) const {
  CheckSlot(slot);
  return filled_[slot - 1];
}

void TProgram::SetSlotFilled(int slot, bool filled) {
  CheckSlot(slot);
  filled_[slot - 1] = filled;
}

void TProgram::SetHouseSystem(int system) {
  for (auto& chart : charts_)
    if (chart) chart->SetHouseSystem(system);
  setup_.System().HouseSystem = system;
}

void TProgram::UseOrbSet(const std::string& name) {
  setup_.SetOrbSetName(name);
  for (auto& chart : charts_)
    if (chart) ApplyOrbsTo(*chart);
}

void TProgram::StoreCurrentPair() {
  TVynTable& current = Tables().Table(TTableRole::trCurrentNames);
  TTransaction transaction(database_->Connection());
  current.EmptyTable();
  for (int slot : {1, 2}) {
    current.Insert();
    current.FieldByName("FirstName").SetAsString(Chart(slot).FirstName());
    current.FieldByName("LastName").SetAsString(Chart(slot).LastName());
    current.Post();
  }
  transaction.Commit();
}

void TProgram::SaveSettings(bool full) {
  setup_.SaveSettings(std::string(TVynSetup::kSettingsFile), full);
}

}  // namespace vyn::desktop
