#include "app/cli/chart_input.h"

#include <cmath>
#include <set>

#include "app/cli/input_error.h"
#include "engine/angles.h"
#include "engine/horoscope_exception.h"

namespace vyn::cli {
namespace {

using nlohmann::json;

constexpr int kOrbRows = 13;
constexpr int kMaxOrbDegrees = 180;

const std::set<std::string>& KnownFields() {
  static const std::set<std::string> fields = {
      "FirstName", "LastName", "Sex", "PlaceName", "StateName", "BirthDate",
      "BirthTime", "ZoneTime", "SummerTime", "Latitude", "Longitude",
      "HouseSystem", "TimeUnknown", "GregorianStart", "orbs"};
  return fields;
}

std::string Field(const std::string& where, const std::string& name) {
  return where + "." + name;
}

extended Number(const json& value, const std::string& field) {
  if (!value.is_number()) throw TInputError(field, "must be a number");
  return value.get<double>();
}

int WholeNumber(const json& value, const std::string& field, int low,
                int high) {
  if (!value.is_number_integer())
    throw TInputError(field, "must be a whole number");
  const auto n = value.get<long long>();
  if (n < low || n > high)
    throw TInputError(field, "must lie within " + std::to_string(low) +
                                 " to " + std::to_string(high));
  return static_cast<int>(n);
}

std::string Text(const json& value, const std::string& field) {
  if (!value.is_string()) throw TInputError(field, "must be a text");
  return value.get<std::string>();
}

// Checks the minutes (and seconds) of a D.MM(SS) number: pairs of decimals
// below 60. Rounded to whole seconds first: 12.30 is held as 12.2999...
void CheckSexagesimal(extended x, const std::string& field) {
  const long long units = std::llround(static_cast<double>(std::fabs(x) * 10000));
  const long long minutes = units / 100 % 100;
  const long long seconds = units % 100;
  if (minutes >= 60 || seconds >= 60)
    throw TInputError(field,
                      "minutes and seconds (the decimals in pairs) must be "
                      "below 60");
}

void CheckDate(extended x, const std::string& field) {
  const long long units = std::llround(static_cast<double>(x * 10000));
  const long long month = units / 100 % 100;
  const long long day = units % 100;
  if (x < 0 || month < 1 || month > 12 || day < 1 || day > 31)
    throw TInputError(field, "must be a date YYYY.MMDD with month 01 to 12 "
                             "and day 01 to 31");
}

// Runs a setter and turns the engine's range message into a field error.
template <typename Setter>
void SetChecked(const std::string& field, Setter setter) {
  try {
    setter();
  } catch (const EHoroscopeException& e) {
    throw TInputError(field, e.what());
  }
}

void ApplyAngle(const json& object, const std::string& where,
                const char* name, THoroscope& chart,
                void (THoroscope::*setter)(extended)) {
  if (!object.contains(name)) return;
  const std::string field = Field(where, name);
  const extended value = Number(object.at(name), field);
  CheckSexagesimal(value, field);
  SetChecked(field, [&] { (chart.*setter)(value); });
}

void ApplyOrbs(const json& orbs, const std::string& field, THoroscope& chart) {
  if (orbs.is_number()) {
    const int degrees = WholeNumber(orbs, field, 0, kMaxOrbDegrees);
    for (int row = 1; row <= kOrbRows; ++row)
      for (int point = 1; point <= kAspectPoints; ++point)
        chart.SetOrb(row, point, IsAspectKind(row - 1) ? degrees : 0);
    return;
  }
  if (!orbs.is_array() || orbs.size() != kOrbRows)
    throw TInputError(field, "must be a whole number of degrees or an array "
                             "of 13 rows of 14 whole numbers");
  for (int row = 1; row <= kOrbRows; ++row) {
    const json& cells = orbs[row - 1];
    const std::string rowField = field + "[" + std::to_string(row - 1) + "]";
    if (!cells.is_array() || cells.size() != kAspectPoints)
      throw TInputError(rowField, "must be an array of 14 whole numbers");
    for (int point = 1; point <= kAspectPoints; ++point)
      chart.SetOrb(row, point,
                   WholeNumber(cells[point - 1],
                               rowField + "[" + std::to_string(point - 1) + "]",
                               0, kMaxOrbDegrees));
  }
}

}  // namespace

void ApplyChartInput(const json& object, const std::string& where,
                     THoroscope& chart) {
  if (!object.is_object()) throw TInputError(where, "must be an object");
  for (const auto& [key, value] : object.items())
    if (!KnownFields().count(key))
      throw TInputError(Field(where, key), "is not a field of a chart");

  const auto text = [&](const char* name, void (THoroscope::*setter)(
                                              std::string_view)) {
    if (object.contains(name))
      (chart.*setter)(Text(object.at(name), Field(where, name)));
  };
  text("FirstName", &THoroscope::SetFirstName);
  text("LastName", &THoroscope::SetLastName);
  text("Sex", &THoroscope::SetSex);
  text("PlaceName", &THoroscope::SetPlaceName);
  text("StateName", &THoroscope::SetStateName);

  // The house system first: the latitude may still switch it to Equal.
  if (object.contains("HouseSystem"))
    chart.SetHouseSystem(WholeNumber(object.at("HouseSystem"),
                                     Field(where, "HouseSystem"), 0, 2));
  if (object.contains("GregorianStart")) {
    const std::string field = Field(where, "GregorianStart");
    const extended value = Number(object.at("GregorianStart"), field);
    CheckDate(value, field);
    chart.SetGregorianStart(value);
  }
  if (object.contains("BirthDate")) {
    const std::string field = Field(where, "BirthDate");
    const extended value = Number(object.at("BirthDate"), field);
    CheckDate(value, field);
    chart.SetBirthDate(value);
  }
  ApplyAngle(object, where, "BirthTime", chart, &THoroscope::SetBirthTime);
  ApplyAngle(object, where, "ZoneTime", chart, &THoroscope::SetZoneTime);
  ApplyAngle(object, where, "SummerTime", chart, &THoroscope::SetSummerTime);
  ApplyAngle(object, where, "Latitude", chart, &THoroscope::SetLatitude);
  ApplyAngle(object, where, "Longitude", chart, &THoroscope::SetLongitude);

  if (object.contains("TimeUnknown")) {
    const std::string field = Field(where, "TimeUnknown");
    if (!object.at("TimeUnknown").is_boolean())
      throw TInputError(field, "must be true or false");
    chart.SetTimeUnknown(object.at("TimeUnknown").get<bool>());
  }
  if (object.contains("orbs"))
    ApplyOrbs(object.at("orbs"), Field(where, "orbs"), chart);
}

}  // namespace vyn::cli
