#pragma once
// The texts of the name dialog's boxes and what they stand for: the stored
// encodings of a "NAME" record and the birth data of a chart record. Plain
// functions, so every encoding is checked without widgets.
//
// Hemisphere letters are the current language's: latitude north (token
// 169) and south (168), longitude and zone west (170) and east (171).
#include <optional>
#include <string>

#include "app/core/birth_data.h"
#include "app/core/person_record.h"

namespace vyn {
class TLanguage;
}

namespace vyn::dialogs {

struct TLetters {
  std::string north, south, west, east;
};

TLetters LettersOf(const TLanguage& language);

struct TNameFields {
  std::string firstName, lastName;
  bool female = false;
  // Birth page.
  std::string state, town;
  std::string day, month, year, hour, minute, second;
  bool timeUnknown = false;
  // Place data page.
  std::string latitudeDegrees, latitudeMinutes, latitudeLetter;
  std::string longitudeDegrees, longitudeMinutes, longitudeLetter;
  std::string zoneHours, zoneMinutes, zoneLetter;
  std::string summerHours, summerMinutes;
  // Address page.
  std::string address1, address2, postalCode, addressTown, addressCountry;
  std::string homePhone, workPhone, fax;
  // Picture (image file bytes) and notes.
  std::string picture;
  std::string notes;
};

// Empty boxes with the letters a new person starts with (north, west).
TNameFields EmptyFields(const TLetters& letters);

// The record as stored: BirthDate "YYYYMMDD", BirthTime "HHMMSS", Latitude
// and Longitude degrees x 100 + minutes (negative for the south and east
// letters), TimeZone "HHMM" + "W" for the west letter and "E" otherwise,
// SummerTime "+HHMM". A box that holds no number counts as 0.
core::TPersonRecord RecordOf(const TNameFields& fields, const TLetters& letters);

// The boxes of a stored record: the date and time split from their digits,
// degrees and minutes from the coordinates with the letter by the sign, the
// zone and summer time from their characters.
TNameFields FieldsOf(const core::TPersonRecord& person, const TLetters& letters);

// The record of a person a chart record holds (one not stored, such as a
// chart of the present moment).
core::TPersonRecord RecordOfChart(const THoroscope& chart);

// Date YYYYMMDD and time HHMMSS of the boxes.
long DateNumberOf(const TNameFields& fields);
long TimeNumberOf(const TNameFields& fields);

// Whether day, month and year are all given and form a date of the calendar
// in force (Julian before `gregorianStart`, YYYY.MMDD).
bool DateValid(const TNameFields& fields, extended gregorianStart);

// The chart inputs the boxes give: coordinates, zone and summer time as
// D.MM / H.MM with the sign of their letters (a zone letter other than the
// west one counts as east, as RecordOf stores it), date YYYY.MMDD, time H.MMSS.
// Names, sex, state and town as typed; the Gregorian start is left to the
// caller.
core::TBirthData BirthDataOf(const TNameFields& fields, const TLetters& letters);

// Zone boxes of an offset (H.MM, positive west): whole hours and minutes
// with two digits, the east letter for a negative offset (for the Japanese
// edition also for 0), else the west letter.
void SetZoneBoxes(TNameFields& fields, long double offset, const TLetters& letters,
                  bool japanese);
void SetSummerBoxes(TNameFields& fields, long double advance);

// Latitude and longitude boxes of atlas coordinates (degrees x 100 +
// minutes, south and east negative).
void SetCoordinateBoxes(TNameFields& fields, long latitude, long longitude,
                        const TLetters& letters);

// The user's own place, "state|town" or a state alone (an older
// "state,town" is read too when the whole text is no state of the atlas,
// which `isState` tells).
struct THerePlace {
  std::string state, town;
};
template <class IsState>
THerePlace SplitHerePlace(const std::string& place, IsState isState) {
  const std::size_t bar = place.find('|');
  if (bar != std::string::npos) return {place.substr(0, bar), place.substr(bar + 1)};
  const std::size_t comma = place.find(',');
  if (comma == std::string::npos || isState(place)) return {place, ""};
  return {place.substr(0, comma), place.substr(comma + 1)};
}

}  // namespace vyn::dialogs
