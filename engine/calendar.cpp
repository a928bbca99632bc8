#include "engine/calendar.h"

#include <cmath>

namespace vyn {
namespace {

struct TDate {
  int year = 0, month = 0, day = 0;
  long Number() const { return year * 10000L + month * 100L + day; }
};

bool IsLeapYear(int year, bool gregorian) {
  if (!gregorian) return year % 4 == 0;
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month, bool gregorian) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30,
                                  31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeapYear(year, gregorian)) return 29;
  return kDays[month - 1];
}

// The year, month and day of a YYYY.MMDD number in years 1 to 9999 that
// carries no more than four decimals; false for anything else.
bool SplitDate(extended x, TDate& date) {
  if (!(x >= 1 && x < 10000)) return false;
  const extended units = x * 10000;
  const extended whole = std::round(units);
  if (std::fabs(units - whole) > 0.001L) return false;
  const long n = static_cast<long>(whole);
  date = {static_cast<int>(n / 10000), static_cast<int>(n / 100 % 100),
          static_cast<int>(n % 100)};
  return true;
}

bool IsCalendarDate(const TDate& d, bool gregorian) {
  return d.month >= 1 && d.month <= 12 && d.day >= 1 &&
         d.day <= DaysInMonth(d.year, d.month, gregorian);
}

}  // namespace

extended JulianDay(int year, int month, bool gregorian, extended day) {
  if (month < 3) {
    year -= 1;
    month += 12;
  }
  extended b = 0;
  if (gregorian) {
    const extended a = Int(year / 100.0L);
    b = 2 - a + Int(a / 4);
  }
  return Int(365.25L * (year + 4716)) + Int(30.6001L * (month + 1)) + day + b -
         1524.5L;
}

long DayNumber(int day, int month, int year, bool julian) {
  const long e = 12L * year + month - 3;
  const long c = 2L * (month < 3 ? 1 : 0) + (5 * e + 1 + 2L * month) / 12;
  long n = e / 48 + c + day - 9904 + 30L * (month - 3) + 360L * (year - 1900);
  if (!julian) n = e / 4800 + n - e / 1200 + 2;
  return n;
}

extended DateToJulianDay(long yyyymmdd, bool gregorian) {
  int year = static_cast<int>(yyyymmdd / 10000);
  int month = static_cast<int>(yyyymmdd / 100 % 100);
  const int day = static_cast<int>(yyyymmdd % 100);
  if (month < 3) {
    year -= 1;
    month += 12;
  }
  long b = 0;
  if (gregorian) {
    const long a = year / 100;
    b = 2 - a + a / 4;
  }
  return Int(365.25L * (year + 4716)) + Int(30.6001L * (month + 1)) + day + b -
         1524.5L;
}

long JulianDayToDate(long gregorianSwitch, extended jd) {
  const long z = static_cast<long>(Trunc(jd + 0.5L));
  const extended f = jd + 0.5L - z;
  long a = z;
  if (z >= gregorianSwitch) {
    const long alpha = static_cast<long>(Trunc((z - 1867216.25L) / 36524.25L));
    a = z + 1 + alpha - alpha / 4;
  }
  const long b = a + 1524;
  const long c = static_cast<long>(Trunc((b - 122.1L) / 365.25L));
  const long d = static_cast<long>(Trunc(365.25L * c));
  const long e = static_cast<long>(Trunc((b - d) / 30.6001L));
  const long day = static_cast<long>(Trunc(b - d - Trunc(30.6001L * e) + f));
  const long month = e < 14 ? e - 1 : e - 13;
  const long year = month > 2 ? c - 4716 : c - 4715;
  return year * 10000 + month * 100 + day;
}

bool IsRealDate(long double yyyymmdd, long double gregorianStart) {
  TDate date;
  if (!SplitDate(yyyymmdd, date)) return false;
  const bool gregorian = !(yyyymmdd < gregorianStart);
  if (!IsCalendarDate(date, gregorian)) return false;
  if (gregorian) return true;
  // A Julian date on or after the first Gregorian day was skipped.
  TDate start;
  if (!SplitDate(gregorianStart, start) || !IsCalendarDate(start, true))
    return true;
  return DateToJulianDay(date.Number(), false) <
         DateToJulianDay(start.Number(), true);
}

}  // namespace vyn
