#pragma once
// Calendar conversions: Julian day numbers and day counts from 1900, and
// which YYYY.MMDD dates a calendar really has.
#include "engine/angles.h"

namespace vyn {

// Julian day of a date; `day` may carry a fraction of a day.
extended JulianDay(int year, int month, bool gregorian, extended day);

// Whole days from 1 January 1900 (Gregorian) = 0.
long DayNumber(int day, int month, int year, bool julian);

// Julian day at 0h of an integer date YYYYMMDD.
extended DateToJulianDay(long yyyymmdd, bool gregorian);

// The date YYYYMMDD of a Julian day; `gregorianSwitch` is the first Julian
// day number counted in the Gregorian calendar.
long JulianDayToDate(long gregorianSwitch, extended jd);

// True when `yyyymmdd` (YYYY.MMDD, years 1 to 9999, at most four decimals)
// is a day of the calendar in force at it: the Julian calendar before
// `gregorianStart` (YYYY.MMDD), the Gregorian from it. A month's day beyond
// its length (1985.0231), 29 February of a year that is not a leap year in
// that calendar, and the days skipped by the change of calendar (1582.1005
// to 1582.1014 when the Gregorian calendar starts on 1582.1015) are not.
// A `gregorianStart` that is no Gregorian date itself skips nothing.
bool IsRealDate(long double yyyymmdd, long double gregorianStart);

}  // namespace vyn
