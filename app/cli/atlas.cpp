#include "app/cli/atlas.h"

#include "app/cli/input_error.h"
#include "data/data_collection.h"
#include "data/database_error.h"
#include "data/vyn_database.h"
#include "language/language.h"
#include "settings/orb_set_loader.h"

namespace vyn::cli {

TAtlas::TAtlas(std::string language) : language_(std::move(language)) {}
TAtlas::~TAtlas() = default;

TDataCollection& TAtlas::Tables() {
  if (tables_) return *tables_;
  try {
    auto database = std::make_unique<TVynDatabase>();
    database->Connect(TConnectMode::cmOpenExisting);
    auto tables = std::make_unique<TDataCollection>(*database, language_);
    tables->SetLanguage(language_);
    try {
      tables->SetActive(true);
    } catch (const ETableError& e) {
      throw TInputError("--lang", "the database has no tables of the language \"" +
                                      language_ + "\" (" + e.what() + ")");
    }
    database_ = std::move(database);
    tables_ = std::move(tables);
  } catch (const EDatabaseError& e) {
    throw TInputError("atlas", e.what());
  }
  return *tables_;
}

const TLanguage& TAtlas::Language() {
  if (!texts_) {
    auto texts = std::make_unique<TLanguage>();
    texts->SetHelpTable(&Tables().Table(TTableRole::trHelp));
    texts->SetCountry(language_);
    texts->SetActive(true);
    texts_ = std::move(texts);
  }
  return *texts_;
}

std::vector<std::string> TAtlas::OrbSetNames() {
  std::vector<std::string> names;
  TVynTable& sets = Tables().Table(TTableRole::trOrbSets);
  for (sets.First(); !sets.Eof(); sets.Next())
    names.push_back(sets.FieldByName("OrbisName").AsString());
  return names;
}

void TAtlas::ApplyOrbSet(const std::string& name, THoroscope& chart) {
  TVynTable& definitions = Tables().Table(TTableRole::trOrbDefinitions);
  definitions.SetIndexName("");
  if (!definitions.FindKey({name, 1})) {
    std::string known;
    for (const std::string& set : OrbSetNames())
      known += (known.empty() ? "\"" : ", \"") + set + "\"";
    throw TInputError("--orbset", "the language \"" + language_ +
                                      "\" has no orb set \"" + name +
                                      "\"; its sets are " + known);
  }
  SetOrbMatrix(chart, ReadOrbSet(definitions, name));
}

TBirthPlace TAtlas::Resolve(const std::string& state, const std::string& place,
                            std::int64_t date, std::int64_t time,
                            const std::string& field) {
  TDataCollection& tables = Tables();
  try {
    return ResolveBirthPlace(tables, state, place, date, time);
  } catch (const EAtlasError& e) {
    throw TInputError(field, e.what());
  }
}

long double TableAngleToDM(long angle) { return angle / 100.0L; }

nlohmann::json BirthPlaceToJson(const TBirthPlace& place) {
  const auto number = [](long double x) { return static_cast<double>(x); };
  return {{"State", place.stateName},
          {"Place", place.placeName},
          {"Latitude", number(TableAngleToDM(place.latitude))},
          {"Longitude", number(TableAngleToDM(place.longitude))},
          {"zone_name", place.zoneName},
          {"ZoneTime", number(place.zoneTime)},
          {"SummerTime", number(place.summerTime)},
          {"GregorianStart", number(place.gregorianStart)},
          {"local_mean_time", place.localMeanTime},
          {"warnings", place.warnings}};
}

}  // namespace vyn::cli
