#include "app/cli/chart_input.h"

#include <limits>
#include <nlohmann/json.hpp>
#include <set>

#include "app/core/input_error.h"

namespace vyn::cli {
namespace {

using core::FieldName;
using core::EInputError;
using nlohmann::json;

constexpr int kMaxOrbDegrees = 180;

const std::set<std::string>& KnownFields() {
  static const std::set<std::string> fields = {
      "FirstName", "LastName", "Sex", "PlaceName", "StateName", "BirthDate",
      "BirthTime", "ZoneTime", "SummerTime", "Latitude", "Longitude",
      "HouseSystem", "TimeUnknown", "GregorianStart", "orbs"};
  return fields;
}

int WholeNumber(const json& value, const std::string& field, int low, int high) {
  if (!value.is_number_integer()) throw EInputError(field, "must be a whole number");
  const bool fits = !value.is_number_unsigned() ||
                    value.get<std::uint64_t>() <=
                        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
  const std::int64_t n = fits ? value.get<std::int64_t>() : high + 1LL;
  if (n < low || n > high)
    throw EInputError(field, "must lie within " + std::to_string(low) + " to " +
                                 std::to_string(high));
  return static_cast<int>(n);
}

std::string Text(const json& value, const std::string& field) {
  if (!value.is_string()) throw EInputError(field, "must be a text");
  return value.get<std::string>();
}

bool Flag(const json& value, const std::string& field) {
  if (!value.is_boolean()) throw EInputError(field, "must be true or false");
  return value.get<bool>();
}

TOrbSetDegrees ReadOrbs(const json& orbs, const std::string& field) {
  TOrbSetDegrees degrees{};
  if (orbs.is_number()) {
    const int all = WholeNumber(orbs, field, 0, kMaxOrbDegrees);
    for (int row = 1; row <= kAspectKinds; ++row)
      for (int point = 1; point <= kAspectPoints; ++point)
        degrees[row][point] = IsAspectKind(row - 1) ? all : 0;
    return degrees;
  }
  if (!orbs.is_array() || orbs.size() != kAspectKinds)
    throw EInputError(field, "must be a whole number of degrees or an array "
                             "of 13 rows of 14 whole numbers");
  for (int row = 1; row <= kAspectKinds; ++row) {
    const json& cells = orbs[row - 1];
    const std::string rowField = field + "[" + std::to_string(row - 1) + "]";
    if (!cells.is_array() || cells.size() != kAspectPoints)
      throw EInputError(rowField, "must be an array of 14 whole numbers");
    for (int point = 1; point <= kAspectPoints; ++point)
      degrees[row][point] =
          WholeNumber(cells[point - 1], rowField + "[" + std::to_string(point - 1) + "]",
                      0, kMaxOrbDegrees);
  }
  return degrees;
}

}  // namespace

long double JsonNumber(const json& value, const std::string& field) {
  if (!value.is_number()) throw EInputError(field, "must be a number");
  return value.get<double>();
}

core::TChartInput ReadChartInput(const json& object, const std::string& where) {
  if (!object.is_object()) throw EInputError(where, "must be an object");
  for (const auto& [key, value] : object.items())
    if (!KnownFields().count(key))
      throw EInputError(FieldName(where, key), "is not a field of a chart");

  core::TChartInput input;
  input.where = where;
  core::TBirthData& b = input.birth;
  const auto read = [&](const char* name, auto& target, auto reader) {
    if (object.contains(name)) target = reader(object.at(name), FieldName(where, name));
  };
  const auto house = [](const json& v, const std::string& f) { return WholeNumber(v, f, 0, 2); };
  read("FirstName", b.firstName, Text);
  read("LastName", b.lastName, Text);
  read("Sex", b.sex, Text);
  read("PlaceName", b.placeName, Text);
  read("StateName", b.stateName, Text);
  read("BirthDate", b.birthDate, JsonNumber);
  read("BirthTime", b.birthTime, JsonNumber);
  read("ZoneTime", b.zoneTime, JsonNumber);
  read("SummerTime", b.summerTime, JsonNumber);
  read("Latitude", b.latitude, JsonNumber);
  read("Longitude", b.longitude, JsonNumber);
  read("GregorianStart", b.gregorianStart, JsonNumber);
  read("HouseSystem", b.houseSystem, house);
  read("TimeUnknown", b.timeUnknown, Flag);
  if (object.contains("orbs")) input.orbs = ReadOrbs(object.at("orbs"), FieldName(where, "orbs"));
  return input;
}

}  // namespace vyn::cli
