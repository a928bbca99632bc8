#include "app/cli/atlas.h"

#include "app/cli/input_error.h"
#include "data/data_collection.h"
#include "data/database_error.h"
#include "data/vyn_database.h"

namespace vyn::cli {

TAtlas::TAtlas() = default;
TAtlas::~TAtlas() = default;

TDataCollection& TAtlas::Tables() {
  if (tables_) return *tables_;
  try {
    auto database = std::make_unique<TVynDatabase>();
    database->Connect(TConnectMode::cmOpenExisting);
    auto tables = std::make_unique<TDataCollection>(*database, "UK");
    tables->SetLanguage("UK");
    tables->SetActive(true);
    database_ = std::move(database);
    tables_ = std::move(tables);
  } catch (const EDatabaseError& e) {
    throw TInputError("atlas", e.what());
  }
  return *tables_;
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
