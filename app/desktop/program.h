#pragma once
// The state of one run of the desktop program that every window shares:
// the database and its tables, the settings store, the texts of the current
// language with its dictionary, and the six chart records. The main window
// owns one; views and dialogs are given a reference.
//
// Windows hear of changes through the signals: a language switch, a chart
// that recalculated, and people stored or deleted.
#include <QObject>
#include <QString>
#include <array>
#include <memory>
#include <string>

#include "engine/horoscope.h"
#include "language/language.h"
#include "language/language_dictionary.h"
#include "settings/ini_file.h"
#include "settings/vyn_setup.h"

namespace vyn {
class TDataCollection;
class TVynDatabase;
}  // namespace vyn

namespace vyn::desktop {

inline constexpr int kChartSlots = 6;

class TProgram : public QObject {
  Q_OBJECT

 public:
  // Nothing is opened yet; the start-up runs the steps below in order.
  explicit TProgram(QObject* parent = nullptr);
  ~TProgram() override;

  // ---- start-up steps (each throws on failure, naming what failed) --------
  // Reads the settings file; `screen` sizes the default main placement.
  void LoadSettings(int screenWidth, int screenHeight);
  // Connects to "Data/VYN32", builds the table collection for `language`
  // and opens every table.
  void OpenDatabase(const std::string& language);
  // The language switch: dictionary from "Language/<code>.INI", tables and
  // tokens of the code, orb-set names to the settings store, then
  // LanguageChanged. All or nothing: on failure the old language stays.
  void ApplyLanguage(const std::string& code);
  // The six chart records with calculation options 1 and 2, the year window
  // and the orbs of the current orb set.
  void CreateCharts();
  // The people of "CurrNAME" into the slots; exactly two become partners
  // and are calculated.
  void LoadCurrentPeople();

  // ---- shared state -------------------------------------------------------
  TDataCollection& Tables();
  TVynSetup& Setup() { return setup_; }
  const TLanguage& Language() const { return language_; }
  const TLanguageDictionary& Dictionary() const { return dictionary_; }
  const std::string& LanguageCode() const { return language_.Country(); }

  // Whether the database holds the interpretation texts of `code`.
  bool HasInterpretationTexts(const std::string& code) const;

  // Token n as a QString (empty when there is none).
  QString Token(int n) const;
  // The text of `key` in `section` of the current language file, else
  // `fallback`: captions of menus and dialogs.
  QString IniText(const char* section, const char* key, const char* fallback) const;
  // The current language file, open from one language switch to the next.
  const TIniFile* LanguageIni() const { return languageIni_.get(); }
  // Dictionary text of `key`, else `fallback`.
  QString LanguageText(const char* key, const char* fallback) const;
  // Dictionary text of `key`, else the key itself.
  QString TranslateCode(const std::string& key) const;

  // Slots 1..6; a slot is loaded when its chart has a first name.
  THoroscope& Chart(int slot);
  bool SlotLoaded(int slot) const;
  int LoadedCount() const;
  // The person the name dialog edits and the wheel clicked last (1..6).
  int CurrentSlot() const { return currentSlot_; }
  void SetCurrentSlot(int slot);
  // Set by the name dialog when it stores a person into a slot.
  bool SlotFilled(int slot) const;
  void SetSlotFilled(int slot, bool filled);

  // ---- commands -----------------------------------------------------------
  // 0 Placidus, 1 Koch, 2 Equal: every chart and the settings store.
  void SetHouseSystem(int system);
  // Makes `name` the current orb set and loads it into every chart.
  void UseOrbSet(const std::string& name);
  // Replaces "CurrNAME" with the names of charts 1 and 2, in one transaction.
  void StoreCurrentPair();
  // Saves the settings file; throws ESettingsFileError.
  void SaveSettings(bool full);

  // Tells every window that people were stored or deleted.
  void NotifyPeopleChanged() { emit PeopleChanged(); }

 signals:
  void LanguageChanged();
  void ChartsChanged();
  void PeopleChanged();

 private:
  void CheckSlot(int slot) const;
  void ApplyOrbsTo(THoroscope& chart);

  TVynSetup setup_;
  TLanguage language_;
  TLanguageDictionary dictionary_;
  std::unique_ptr<TIniFile> languageIni_;
  std::unique_ptr<TVynDatabase> database_;
  std::unique_ptr<TDataCollection> tables_;
  std::array<std::unique_ptr<THoroscope>, kChartSlots> charts_;
  std::array<bool, kChartSlots> filled_{};
  int currentSlot_ = 1;
};

}  // namespace vyn::desktop
