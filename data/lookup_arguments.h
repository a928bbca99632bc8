#pragma once
// Checks of the dates and clock times the look-ups are given, made before
// they are used, so no arithmetic on them can overflow or wrap around.
#include <cstdint>
#include <string_view>

namespace vyn {

// Throws EDatabaseError (deBadValue) naming `lookUp` unless `date` is
// YYYYMMDD with a year from 1 to 9999, a month 1 to 12 and a day 1 to 31.
void CheckLookupDate(std::int64_t date, std::string_view lookUp);

// Throws EDatabaseError (deBadValue) naming `lookUp` unless `time` is HHMMSS
// with hours 0 to 23 and minutes and seconds 0 to 59.
void CheckLookupTime(std::int64_t time, std::string_view lookUp);

// The minute of the day of a checked HHMMSS time.
int MinuteOfDay(std::int64_t time);

}  // namespace vyn
