#include "app/core/birth_data.h"

#include "app/core/input_checks.h"
#include "app/core/input_error.h"
#include "engine/horoscope_exception.h"

namespace vyn::core {
namespace {

constexpr int kLastHouseSystem = 2;
constexpr extended kMaxOffset = 12;  // hours either way, zone and summer time

// Runs a setter of the record and names the field when it refuses the value.
template <typename Setter>
void SetField(const std::string& where, const char* property, Setter setter) {
  try {
    setter();
  } catch (const EHoroscopeException& e) {
    throw EInputError(FieldName(where, property), e.what());
  }
}

}  // namespace

std::string FieldName(const std::string& where, const std::string& property) {
  return where.empty() ? property : where + "." + property;
}

void CheckBirthData(const TBirthData& b, const std::string& where) {
  const auto field = [&](const char* property) { return FieldName(where, property); };
  CheckName(b.firstName, field("FirstName"));
  CheckName(b.lastName, field("LastName"));
  CheckName(b.sex, field("Sex"));
  CheckName(b.placeName, field("PlaceName"));
  CheckName(b.stateName, field("StateName"));
  CheckDate(b.gregorianStart, kGregorianAlways, field("GregorianStart"));
  CheckDate(b.birthDate, b.gregorianStart, field("BirthDate"));
  CheckClockTime(b.birthTime, field("BirthTime"));
  CheckAngle(b.zoneTime, kMaxOffset, "hours to add for Universal Time", field("ZoneTime"));
  CheckAngle(b.summerTime, kMaxOffset, "hours of advance", field("SummerTime"));
  CheckAngle(b.latitude, 90, "north positive", field("Latitude"));
  CheckAngle(b.longitude, 180, "west positive", field("Longitude"));
  if (b.houseSystem < 0 || b.houseSystem > kLastHouseSystem)
    throw EInputError(field("HouseSystem"),
                      "must lie within 0 to 2 (0 Placidus, 1 Koch, 2 Equal)");
}

void ApplyBirthData(const TBirthData& b, const std::string& where, THoroscope& chart) {
  chart.SetFirstName(b.firstName);
  chart.SetLastName(b.lastName);
  chart.SetSex(b.sex);
  chart.SetPlaceName(b.placeName);
  chart.SetStateName(b.stateName);
  // The house system first: the latitude may still switch it to Equal.
  SetField(where, "HouseSystem", [&] { chart.SetHouseSystem(b.houseSystem); });
  SetField(where, "GregorianStart", [&] { chart.SetGregorianStart(b.gregorianStart); });
  SetField(where, "BirthDate", [&] { chart.SetBirthDate(b.birthDate); });
  SetField(where, "BirthTime", [&] { chart.SetBirthTime(b.birthTime); });
  SetField(where, "ZoneTime", [&] { chart.SetZoneTime(b.zoneTime); });
  SetField(where, "SummerTime", [&] { chart.SetSummerTime(b.summerTime); });
  SetField(where, "Latitude", [&] { chart.SetLatitude(b.latitude); });
  SetField(where, "Longitude", [&] { chart.SetLongitude(b.longitude); });
  SetField(where, "TimeUnknown", [&] { chart.SetTimeUnknown(b.timeUnknown); });
}

}  // namespace vyn::core
