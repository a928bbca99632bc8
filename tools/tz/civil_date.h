#pragma once
// Proleptic Gregorian calendar arithmetic on day numbers counted from
// 1970-01-01 (day 0), and the packed integer forms the atlas tables use.
#include <cstdint>

namespace vyn::tz {

constexpr std::int64_t kSecondsPerDay = 86400;

struct CivilDate {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Day number of the date; months and days outside their usual ranges are
// not normalised, so callers pass valid dates.
std::int64_t DaysFromCivil(int year, int month, int day);
CivilDate CivilFromDays(std::int64_t days);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// 0 = Sunday .. 6 = Saturday.
int Weekday(std::int64_t days);

// YYYYMMDD of a day number, and back.
int PackedDate(std::int64_t days);
std::int64_t DaysFromPackedDate(int yyyymmdd);

// floor(a / b) and the matching non-negative remainder, for b > 0.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}
constexpr std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
  return a - FloorDiv(a, b) * b;
}

}  // namespace vyn::tz
