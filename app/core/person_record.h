#pragma once
// One person of the "NAME" table in its stored encodings, and the birth
// data those encodings stand for.
//
// Stored as: BirthDate "YYYYMMDD", BirthTime "HHMMSS", Latitude and
// Longitude integer degrees x 100 + minutes (south and east negative),
// TimeZone "HHMM" + "W" or "E" (east negative as a chart input), SummerTime
// "+HHMM".
#include <cstdint>
#include <optional>
#include <string>

#include "app/core/birth_data.h"

namespace vyn {
class TDataCollection;
class TVynTable;
}  // namespace vyn

namespace vyn::core {

struct TPersonRecord {
  std::string firstName, lastName, sex;
  std::string birthCountry, birthTown;
  std::string birthDate = "19000101";  // YYYYMMDD
  std::string birthTime = "000000";    // HHMMSS
  bool timeUnknown = false;
  std::int64_t latitude = 0;   // degrees x 100 + minutes, south negative
  std::int64_t longitude = 0;  // degrees x 100 + minutes, east negative
  std::string timeZone = "0000W";
  std::string summerTime = "+0000";
  std::string address1, address2, postalCode, town, country, homePhone, workPhone, fax;
  std::string picture;  // image file bytes; empty for none
  std::string notes;
};

// The record of (first, last) under the primary order, the table's cursor
// left on it; nothing when the table has no such person.
std::optional<TPersonRecord> ReadPerson(TVynTable& names, const std::string& first,
                                        const std::string& last);

// The record at the table's cursor.
TPersonRecord CurrentPerson(const TVynTable& names);

// The birth data of a record: names cut to 48 characters, coordinates and
// offsets decoded to the chart's D.MM values. Fields that do not decode
// (damaged rows) read as zero rather than stopping the caller.
TBirthData BirthDataOf(const TPersonRecord& person);

// Loads a stored person into a chart record ("Loading a person"): the birth
// data, then the first Gregorian date of the birth place for the birth date;
// the chart ends as active as it was (an active chart recalculates once).
// False, with the chart unchanged, when the table has no such person; a
// stored value outside the chart's ranges throws EInputError naming the
// field ("NAME.Latitude"), the chart unchanged too.
bool LoadPersonIntoChart(TDataCollection& tables, const std::string& first,
                         const std::string& last, THoroscope& chart);

}  // namespace vyn::core
