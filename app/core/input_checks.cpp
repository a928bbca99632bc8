#include "app/core/input_checks.h"

#include <cmath>
#include <cstdio>

#include "app/core/input_error.h"
#include "engine/calendar.h"
#include "language/language_codes.h"

namespace vyn::core {
namespace {

struct TDateParts {
  std::int64_t year, month, day;
};

TDateParts Split(std::int64_t yyyymmdd) {
  return {yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100};
}

bool IsLeapYear(std::int64_t year, bool julian) {
  if (julian) return year % 4 == 0;
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(std::int64_t year, std::int64_t month, bool julian) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year, julian) ? 29 : kDays[month - 1];
}

// The first Gregorian date as YYYYMMDD; dates before it are Julian.
std::int64_t GregorianStartNumber(extended gregorianStart) {
  if (!(gregorianStart >= kFirstYear)) return 0;  // also NaN: Gregorian
  if (!(gregorianStart < kLastYear + 1)) return (kLastYear + 1) * 10000LL;
  return DateNumber(gregorianStart);
}

std::string IsoDate(const TDateParts& d) {
  char text[48];
  std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld",
                static_cast<long long>(d.year), static_cast<long long>(d.month),
                static_cast<long long>(d.day));
  return text;
}

const char* MonthName(std::int64_t month) {
  static constexpr const char* kNames[] = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  return kNames[month - 1];
}

// Month and day of a date whose year is known to lie in 1..9999.
void CheckMonthAndDay(std::int64_t yyyymmdd, extended gregorianStart,
                      const std::string& field) {
  const TDateParts d = Split(yyyymmdd);
  if (d.month < 1 || d.month > 12)
    throw EInputError(field, "must have a month from 01 to 12 (" + IsoDate(d) +
                                 " has month " + std::to_string(d.month) + ")");
  const bool julian = yyyymmdd < GregorianStartNumber(gregorianStart);
  const int days = DaysInMonth(d.year, d.month, julian);
  if (d.day < 1 || d.day > days)
    throw EInputError(field, "must be a real date: " + IsoDate(d) +
                                 " does not exist in the " +
                                 (julian ? "Julian" : "Gregorian") +
                                 " calendar, whose " + MonthName(d.month) + " " +
                                 std::to_string(d.year) + " has " +
                                 std::to_string(days) + " days");
  if (!IsRealDate(yyyymmdd / 10000.0L, gregorianStart))
    throw EInputError(field, "must be a real date: " + IsoDate(d) +
                                 " falls in the days skipped when the Gregorian "
                                 "calendar began on " +
                                 IsoDate(Split(GregorianStartNumber(gregorianStart))));
}

// Minutes and seconds of a D.MM(SS) number, known to be finite and small.
void CheckSexagesimal(extended x, const std::string& field) {
  // Rounded to whole seconds first: 12.30 is held as 12.2999...
  const long long units = std::llround(static_cast<double>(std::fabs(x) * 10000));
  if (units / 100 % 100 >= 60 || units % 100 >= 60)
    throw EInputError(field,
                      "minutes and seconds (the decimals in pairs) must be below 60");
}

std::string Number(extended x) {
  char text[64];
  std::snprintf(text, sizeof text, "%.4Lf", x);
  return text;
}

}  // namespace

std::int64_t DateNumber(extended yyyymmdd) {
  const std::int64_t year = Trunc(yyyymmdd);
  const std::int64_t month = Trunc(yyyymmdd * 100 + 0.001L) % 100;
  const std::int64_t day = Trunc(yyyymmdd * 10000 + 0.001L) % 100;
  return year * 10000 + month * 100 + day;
}

void CheckDate(extended yyyymmdd, extended gregorianStart, const std::string& field) {
  if (!std::isfinite(yyyymmdd))
    throw EInputError(field, "must be a finite number: a date YYYY.MMDD");
  if (yyyymmdd < kFirstYear || yyyymmdd >= kLastYear + 1)
    throw EInputError(field, "must be a date YYYY.MMDD with a year from 1 to 9999 (not " +
                                 Number(yyyymmdd) + ")");
  CheckMonthAndDay(DateNumber(yyyymmdd), gregorianStart, field);
}

void CheckDate(std::int64_t yyyymmdd, extended gregorianStart, const std::string& field) {
  if (yyyymmdd < kFirstYear * 10000LL || yyyymmdd >= (kLastYear + 1) * 10000LL)
    throw EInputError(field, "must be a date YYYYMMDD with a year from 1 to 9999 (not " +
                                 std::to_string(yyyymmdd) + ")");
  CheckMonthAndDay(yyyymmdd, gregorianStart, field);
}

void CheckClockTime(extended hms, const std::string& field) {
  if (!std::isfinite(hms) || hms < 0 || hms >= 24)
    throw EInputError(field, "must be a clock time H.MM or H.MMSS from 0.00 to 23.5959");
  CheckSexagesimal(hms, field);
  if (TimeNumber(hms) >= 240000)
    throw EInputError(field, "must be a clock time H.MM or H.MMSS from 0.00 to 23.5959");
}

std::int64_t TimeNumber(extended hms) {
  return std::llround(static_cast<double>(hms * 10000));
}

void CheckAngle(extended dms, extended limit, const std::string& meaning,
                const std::string& field) {
  const std::string bound = std::to_string(static_cast<int>(limit));
  const std::string range = "-" + bound + " to " + bound;
  if (!std::isfinite(dms))
    throw EInputError(field, "must be a finite number from " + range);
  if (dms < -limit || dms > limit)
    throw EInputError(field, "must lie within " + range + " (D.MM, " + meaning +
                                 "; not " + Number(dms) + ")");
  CheckSexagesimal(dms, field);
}

long Utf8Characters(std::string_view text) {
  long characters = 0;
  for (std::size_t i = 0; i < text.size(); ++characters) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80            ? 1
                               : (lead & 0xE0) == 0xC0 ? 2
                               : (lead & 0xF0) == 0xE0 ? 3
                               : (lead & 0xF8) == 0xF0 ? 4
                                                       : 0;
    if (length == 0 || (length == 2 && lead < 0xC2) || i + length > text.size())
      return -1;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return -1;
    i += length;
  }
  return characters;
}

void CheckName(std::string_view text, const std::string& field) {
  const long characters = Utf8Characters(text);
  if (characters < 0) throw EInputError(field, "must be UTF-8 text");
  for (const char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
      throw EInputError(field, "must not contain control characters");
  if (characters > static_cast<long>(kMaxNameCharacters))
    throw EInputError(field, "must have at most " + std::to_string(kMaxNameCharacters) +
                                 " characters (it has " + std::to_string(characters) +
                                 ")");
}

void CheckLanguageCode(std::string_view code, const std::string& field) {
  if (LanguageItemOfCode(code) != 0) return;
  std::string codes;
  for (const std::string_view known : kLanguageMenuCodes)
    codes += (codes.empty() ? "" : " ") + std::string(known);
  throw EInputError(field, "must be one of the language codes " + codes);
}

}  // namespace vyn::core
