#include "app/core/session.h"

#include "app/core/input_checks.h"
#include "app/core/input_error.h"
#include "data/data_collection.h"
#include "data/database_error.h"
#include "data/place_search.h"
#include "data/vyn_database.h"
#include "language/clock_change_text.h"
#include "language/language.h"
#include "settings/orb_set_loader.h"

namespace vyn::core {
namespace {

// Runs a step that reads the database; its failures are the installation's.
template <typename Step>
auto Installed(Step step) {
  try {
    return step();
  } catch (const EDatabaseError& e) {
    throw EInstallationError("database", e.what());
  }
}

std::string Quoted(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) list += (list.empty() ? "\"" : ", \"") + name + "\"";
  return list;
}

// "; the nearest states are ..." for a state the atlas does not hold.
std::string NearestStatesText(TDataCollection& tables, const std::string& state) {
  constexpr int kSuggestions = 5;
  std::vector<std::string> names;
  for (const TStateCandidate& candidate : NearestStates(tables, state, kSuggestions))
    names.push_back(candidate.state);
  return names.empty() ? "" : "; the nearest states are " + Quoted(names);
}

}  // namespace

TSession::TSession(std::string language, const std::string& languageField)
    : language_(std::move(language)) {
  CheckLanguageCode(language_, languageField);
}

TSession::~TSession() = default;

TDataCollection& TSession::Tables() {
  if (tables_) return *tables_;
  Installed([&] {
    auto database = std::make_unique<TVynDatabase>();
    database->Connect(TConnectMode::cmOpenExisting);
    auto tables = std::make_unique<TDataCollection>(*database, language_);
    tables->SetLanguage(language_);
    tables->SetActive(true);
    database_ = std::move(database);
    tables_ = std::move(tables);
    return 0;
  });
  return *tables_;
}

const TLanguage& TSession::Language() {
  if (texts_) return *texts_;
  TVynTable& help = Tables().Table(TTableRole::trHelp);
  Installed([&] {
    auto texts = std::make_unique<TLanguage>();
    texts->SetHelpTable(&help);
    texts->SetCountry(language_);
    texts->SetActive(true);
    texts_ = std::move(texts);
    return 0;
  });
  return *texts_;
}

std::vector<std::string> TSession::OrbSetNames() {
  TVynTable& sets = Tables().Table(TTableRole::trOrbSets);
  return Installed([&] {
    std::vector<std::string> names;
    for (sets.First(); !sets.Eof(); sets.Next())
      names.push_back(sets.FieldByName("OrbisName").AsString());
    return names;
  });
}

void TSession::CheckOrbSet(const std::string& name, const std::string& field) {
  TVynTable& definitions = Tables().Table(TTableRole::trOrbDefinitions);
  const bool known = Installed([&] {
    definitions.SetIndexName("");
    return definitions.FindKey({name, 1});
  });
  if (!known)
    throw EInputError(field, "the language \"" + language_ + "\" has no orb set \"" +
                                 name + "\"; its sets are " + Quoted(OrbSetNames()));
}

void TSession::ApplyOrbSet(const std::string& name, THoroscope& chart,
                           const std::string& field) {
  CheckOrbSet(name, field);
  TVynTable& definitions = Tables().Table(TTableRole::trOrbDefinitions);
  Installed([&] {
    try {
      ApplyOrbSetByName(definitions, chart, name);  // the settings' one way
    } catch (const EOrbSetError& e) {
      throw EInstallationError("database", e.what());  // the set is there but damaged
    }
    return 0;
  });
}

std::vector<std::string> TSession::ClockChangeWarnings(const TBirthPlace& place) {
  std::vector<std::string> warnings;
  for (const TClockChange& change : place.clockChanges)
    warnings.push_back(ClockChangeText(change, Language()));
  return warnings;
}

TBirthPlace TSession::ResolvePlace(const std::string& state, const std::string& place,
                                   std::int64_t date, std::int64_t time,
                                   const std::string& stateField,
                                   const std::string& placeField) {
  CheckName(state, stateField);
  CheckName(place, placeField);
  TDataCollection& tables = Tables();
  return Installed([&] {
    try {
      return ResolveBirthPlace(tables, state, place, date, time);
    } catch (const EAtlasError& e) {
      if (e.Missing() == TAtlasMissing::amPlace) throw EInputError(placeField, e.what());
      throw EInputError(stateField, e.what() + NearestStatesText(tables, state));
    }
  });
}

}  // namespace vyn::core
