#include "engine/calendar.h"

namespace vyn {

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

}  // namespace vyn
