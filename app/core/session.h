#pragma once
// A working session of the program: the application directory's database
// and the texts of one language, opened on first use and shared by every
// job of the session (charts, orb sets, atlas look-ups).
#include <memory>
#include <string>
#include <vector>

#include "data/birth_place.h"
#include "engine/horoscope.h"

namespace vyn {
class TDataCollection;
class TLanguage;
class TVynDatabase;
}  // namespace vyn

namespace vyn::core {

// The name token of the standard synastry orb set.
inline constexpr int kSynastryOrbSetToken = 1017;

class TSession {
 public:
  // `language`: one of the fourteen language codes; checked at once, a
  // EInputError names `languageField` otherwise.
  explicit TSession(std::string language = "UK",
                    const std::string& languageField = "language");
  ~TSession();
  TSession(const TSession&) = delete;
  TSession& operator=(const TSession&) = delete;

  const std::string& LanguageCode() const { return language_; }

  // The tables, opened on first use. Throws EInstallationError naming the
  // database or the table that is missing or damaged.
  TDataCollection& Tables();
  // The language's texts, loaded from its help table.
  const TLanguage& Language();

  // The names of the language's orb sets, in table order.
  std::vector<std::string> OrbSetNames();
  // Throws EInputError naming `field` and the sets there are when the
  // language has no orb set `name`.
  void CheckOrbSet(const std::string& name, const std::string& field);
  // The orbs of the language's set `name` into the chart, which stays as
  // active as it was (an active chart recalculates once). Throws EInputError
  // naming `field` and the sets there are when the language has no set of
  // that name, EInstallationError when the set is damaged; errors of the
  // calculation propagate.
  void ApplyOrbSet(const std::string& name, THoroscope& chart,
                   const std::string& field);

  // The clock changes of a resolved place as warnings in the language.
  std::vector<std::string> ClockChangeWarnings(const TBirthPlace& place);

  // The atlas place at a local date (YYYYMMDD) and clock time (HHMMSS).
  // Names longer than the atlas keeps are refused, not cut; a state or
  // place the atlas lacks is a EInputError naming `stateField` or
  // `placeField`.
  TBirthPlace ResolvePlace(const std::string& state, const std::string& place,
                           std::int64_t date, std::int64_t time,
                           const std::string& stateField,
                           const std::string& placeField);

 private:
  std::string language_;
  std::unique_ptr<TVynDatabase> database_;
  std::unique_ptr<TDataCollection> tables_;
  std::unique_ptr<TLanguage> texts_;
};

}  // namespace vyn::core
