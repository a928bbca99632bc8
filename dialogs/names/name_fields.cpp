#include "dialogs/names/name_fields.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/core/input_checks.h"
#include "app/core/input_error.h"
#include "engine/horoscope.h"
#include "engine/text_helpers.h"
#include "language/fixed_tokens.h"
#include "language/language.h"

namespace vyn::dialogs {
namespace {

long Number(const std::string& box) { return StrToIntOrZero(box); }

// Characters [from, from + count) of a stored text; empty past its end.
std::string Part(const std::string& text, std::size_t from, std::size_t count) {
  return from < text.size() ? text.substr(from, count) : std::string();
}

std::string Digits(long value, int width) {
  char text[24];
  std::snprintf(text, sizeof text, "%0*ld", width, value);
  return text;
}

// Degrees x 100 + minutes of two boxes, negative when `negative`.
long Packed(const std::string& degrees, const std::string& minutes, bool negative) {
  const long value = std::labs(Number(degrees)) * 100 + std::labs(Number(minutes));
  return negative ? -value : value;
}

// D.MM (or H.MM) of two boxes.
extended Value(const std::string& whole, const std::string& minutes, bool negative) {
  const extended value =
      std::labs(Number(whole)) + static_cast<extended>(std::labs(Number(minutes))) / 100;
  return negative ? -value : value;
}

// A D.MM value as degrees x 100 + minutes, truncated toward zero (seconds
// dropped); the small bias keeps 48.08 from reading as 4807.
long PackedOf(extended dmm) {
  const extended scaled = dmm * 100;
  return static_cast<long>(scaled + (scaled < 0 ? -1e-6L : 1e-6L));
}

struct TSplit {
  std::string whole, minutes;
};

// |packed| split into its hundreds and the two-digit rest.
TSplit SplitPacked(long packed) {
  const long magnitude = std::labs(packed);
  return {std::to_string(magnitude / 100), TwoDigits(magnitude % 100)};
}

// |H.MM| as whole hours and minutes, each with two digits.
TSplit SplitHours(long double hm) {
  const long packed = std::lround(static_cast<double>(std::fabs(hm) * 100));
  return {TwoDigits(packed / 100), TwoDigits(packed % 100)};
}

}  // namespace

TLetters LettersOf(const TLanguage& language) {
  return {language.GetToken(kNorthLetterToken), language.GetToken(kSouthLetterToken),
          language.GetToken(kWestLetterToken), language.GetToken(kEastLetterToken)};
}

TNameFields EmptyFields(const TLetters& letters) {
  TNameFields fields;
  fields.latitudeLetter = letters.north;
  fields.longitudeLetter = letters.west;
  fields.zoneLetter = letters.west;
  return fields;
}

long DateNumberOf(const TNameFields& f) {
  return Number(f.year) * 10000 + Number(f.month) * 100 + Number(f.day);
}

long TimeNumberOf(const TNameFields& f) {
  return Number(f.hour) * 10000 + Number(f.minute) * 100 + Number(f.second);
}

core::TPersonRecord RecordOf(const TNameFields& f, const TLetters& letters) {
  core::TPersonRecord p;
  p.firstName = f.firstName;
  p.lastName = f.lastName;
  p.sex = f.female ? "F" : "M";
  p.birthCountry = f.state;
  p.birthTown = f.town;
  p.birthDate = Digits(Number(f.year), 4) + Digits(Number(f.month), 2) + Digits(Number(f.day), 2);
  p.birthTime =
      Digits(Number(f.hour), 2) + Digits(Number(f.minute), 2) + Digits(Number(f.second), 2);
  p.timeUnknown = f.timeUnknown;
  p.latitude = Packed(f.latitudeDegrees, f.latitudeMinutes, f.latitudeLetter == letters.south);
  p.longitude = Packed(f.longitudeDegrees, f.longitudeMinutes, f.longitudeLetter == letters.east);
  p.timeZone = Digits(std::labs(Number(f.zoneHours)), 2) +
               Digits(std::labs(Number(f.zoneMinutes)), 2) +
               (f.zoneLetter == letters.west ? "W" : "E");
  p.summerTime = "+" + Digits(std::labs(Number(f.summerHours)), 2) +
                 Digits(std::labs(Number(f.summerMinutes)), 2);
  p.address1 = f.address1;
  p.address2 = f.address2;
  p.postalCode = f.postalCode;
  p.town = f.addressTown;
  p.country = f.addressCountry;
  p.homePhone = f.homePhone;
  p.workPhone = f.workPhone;
  p.fax = f.fax;
  p.picture = f.picture;
  p.notes = f.notes;
  return p;
}

TNameFields FieldsOf(const core::TPersonRecord& p, const TLetters& letters) {
  TNameFields f;
  f.firstName = p.firstName;
  f.lastName = p.lastName;
  f.female = p.sex == "F";
  f.state = p.birthCountry;
  f.town = p.birthTown;
  f.year = Part(p.birthDate, 0, 4);
  f.month = Part(p.birthDate, 4, 2);
  f.day = Part(p.birthDate, 6, 2);
  f.hour = Part(p.birthTime, 0, 2);
  f.minute = Part(p.birthTime, 2, 2);
  f.second = Part(p.birthTime, 4, 2);
  f.timeUnknown = p.timeUnknown;
  SetCoordinateBoxes(f, static_cast<long>(p.latitude), static_cast<long>(p.longitude), letters);
  f.zoneHours = Part(p.timeZone, 0, 2);
  f.zoneMinutes = Part(p.timeZone, 2, 2);
  f.zoneLetter = Part(p.timeZone, 4, 1) == "W" ? letters.west : letters.east;
  f.summerHours = Part(p.summerTime, 1, 2);
  f.summerMinutes = Part(p.summerTime, 3, 2);
  f.address1 = p.address1;
  f.address2 = p.address2;
  f.postalCode = p.postalCode;
  f.addressTown = p.town;
  f.addressCountry = p.country;
  f.homePhone = p.homePhone;
  f.workPhone = p.workPhone;
  f.fax = p.fax;
  f.picture = p.picture;
  f.notes = p.notes;
  return f;
}

core::TPersonRecord RecordOfChart(const THoroscope& chart) {
  core::TPersonRecord p;
  p.firstName = chart.FirstName();
  p.lastName = chart.LastName();
  p.sex = chart.Sex() == "F" ? "F" : "M";
  p.birthCountry = chart.StateName();
  p.birthTown = chart.PlaceName();
  p.birthDate = Digits(static_cast<long>(core::DateNumber(chart.BirthDate())), 8);
  p.birthTime = Digits(static_cast<long>(core::TimeNumber(chart.BirthTime())), 6);
  p.timeUnknown = chart.TimeUnknown();
  p.latitude = PackedOf(chart.Latitude());
  p.longitude = PackedOf(chart.Longitude());
  const long zone = PackedOf(chart.ZoneTime());
  p.timeZone = Digits(std::labs(zone), 4) + (zone < 0 ? "E" : "W");
  p.summerTime = "+" + Digits(std::labs(PackedOf(chart.SummerTime())), 4);
  return p;
}

bool DateValid(const TNameFields& fields, extended gregorianStart) {
  if (Number(fields.year) <= 0 || Number(fields.month) <= 0 || Number(fields.day) <= 0)
    return false;
  try {
    core::CheckDate(static_cast<std::int64_t>(DateNumberOf(fields)), gregorianStart, "date");
    return true;
  } catch (const core::EInputError&) {
    return false;
  }
}

core::TBirthData BirthDataOf(const TNameFields& f, const TLetters& letters) {
  core::TBirthData b;
  b.firstName = CutToCharacters(f.firstName, 48);
  b.lastName = CutToCharacters(f.lastName, 48);
  b.sex = f.female ? "F" : "M";
  b.placeName = f.town;
  b.stateName = CutToCharacters(f.state, 48);
  b.latitude = Value(f.latitudeDegrees, f.latitudeMinutes, f.latitudeLetter == letters.south);
  b.longitude = Value(f.longitudeDegrees, f.longitudeMinutes, f.longitudeLetter == letters.east);
  // East unless the letter is the west one, as the record stores it.
  b.zoneTime = Value(f.zoneHours, f.zoneMinutes, f.zoneLetter != letters.west);
  b.summerTime = Value(f.summerHours, f.summerMinutes, false);
  b.birthDate = static_cast<extended>(DateNumberOf(f)) / 10000;
  b.birthTime = static_cast<extended>(TimeNumberOf(f)) / 10000;
  b.timeUnknown = f.timeUnknown;
  return b;
}

void SetZoneBoxes(TNameFields& fields, long double offset, const TLetters& letters,
                  bool japanese) {
  const TSplit split = SplitHours(offset);
  fields.zoneHours = split.whole;
  fields.zoneMinutes = split.minutes;
  const bool east = offset < 0 || (japanese && offset == 0);
  fields.zoneLetter = east ? letters.east : letters.west;
}

void SetCoordinateBoxes(TNameFields& fields, long latitude, long longitude,
                        const TLetters& letters) {
  const TSplit north = SplitPacked(latitude);
  fields.latitudeDegrees = north.whole;
  fields.latitudeMinutes = north.minutes;
  fields.latitudeLetter = latitude < 0 ? letters.south : letters.north;
  const TSplit west = SplitPacked(longitude);
  fields.longitudeDegrees = west.whole;
  fields.longitudeMinutes = west.minutes;
  fields.longitudeLetter = longitude < 0 ? letters.east : letters.west;
}

void SetSummerBoxes(TNameFields& fields, long double advance) {
  const TSplit split = SplitHours(advance);
  fields.summerHours = split.whole;
  fields.summerMinutes = split.minutes;
}

}  // namespace vyn::dialogs
