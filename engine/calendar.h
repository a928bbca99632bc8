#pragma once
// Calendar conversions: Julian day numbers and day counts from 1900.
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

}  // namespace vyn
