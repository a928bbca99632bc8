#include "app/cli/birth_place_json.h"

#include <nlohmann/json.hpp>

namespace vyn::cli {

long double TableAngleToDM(long angle) { return angle / 100.0L; }

nlohmann::json BirthPlaceToJson(const TBirthPlace& place,
                                const std::vector<std::string>& warnings) {
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
          {"warnings", warnings}};
}

}  // namespace vyn::cli
