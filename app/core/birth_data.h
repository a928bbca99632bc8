#pragma once
// One person's birth data as a user gives it, before it goes into a chart
// record: checked as a whole, then set on the record in one go.
#include <string>

#include "engine/horoscope.h"

namespace vyn::core {

// The chart record's inputs, each with the record's default.
struct TBirthData {
  std::string firstName, lastName, sex, placeName, stateName;
  extended birthDate = 1900.0101L;  // YYYY.MMDD
  extended birthTime = 0;           // H.MM(SS) local clock time
  extended zoneTime = 0;            // H.MM, west positive
  extended summerTime = 0;          // H.MM advance
  extended latitude = 0;            // D.MM(SS), north positive
  extended longitude = 0;           // D.MM(SS), west positive
  int houseSystem = 0;              // 0 Placidus, 1 Koch, 2 Equal
  bool timeUnknown = false;
  extended gregorianStart = 1522.0101L;  // first Gregorian date, YYYY.MMDD
};

// Throws EInputError naming the first field at fault as `where` + "." +
// the property name ("charts[0].BirthDate"; just the property name when
// `where` is empty) and the rule it breaks.
void CheckBirthData(const TBirthData& birth, const std::string& where);

// The field name used in messages: `where` + "." + `property`.
std::string FieldName(const std::string& where, const std::string& property);

// Sets checked birth data on an inactive chart record. A range error of the
// record still comes back as EInputError naming the field.
void ApplyBirthData(const TBirthData& birth, const std::string& where,
                    THoroscope& chart);

}  // namespace vyn::core
