#pragma once
// Checks of birth data and names as a user types them. Each check throws
// EInputError naming `field` and the rule broken; nothing is cut or
// corrected on the way.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/angles.h"

namespace vyn::core {

inline constexpr std::size_t kMaxNameCharacters = 40;
inline constexpr int kFirstYear = 1;
inline constexpr int kLastYear = 9999;

// A GregorianStart that no date reaches: every date counts as Julian. A
// date checked against it passes when it exists in either calendar.
inline constexpr extended kJulianAlways = 10000.0L;
// A GregorianStart before every date: every date counts as Gregorian.
inline constexpr extended kGregorianAlways = 0.0L;

// A date YYYY.MMDD, year 1 to 9999, that exists in the calendar in force:
// the Julian calendar before `gregorianStart`, the Gregorian from it on.
// 1985.0231 is refused (not read as 3 March); 1900.0229 passes only where
// the Julian calendar still held.
void CheckDate(extended yyyymmdd, extended gregorianStart, const std::string& field);

// An integer date YYYYMMDD under the same rule.
void CheckDate(std::int64_t yyyymmdd, extended gregorianStart, const std::string& field);

// The date YYYY.MMDD as the integer YYYYMMDD, read the way the chart
// record reads it; the date must have passed CheckDate.
std::int64_t DateNumber(extended yyyymmdd);

// A clock time H.MM or H.MMSS: hours 0 to 23, minutes and seconds below 60.
void CheckClockTime(extended hms, const std::string& field);

// The clock time H.MM(SS) as the integer HHMMSS; it must have passed
// CheckClockTime.
std::int64_t TimeNumber(extended hms);

// An angle or offset D.MM(SS) within -limit to limit (inclusive), minutes
// and seconds below 60. `meaning` says what the sign means ("north
// positive") for the message.
void CheckAngle(extended dms, extended limit, const std::string& meaning,
                const std::string& field);

// A name: UTF-8 text of at most 40 characters without control characters.
void CheckName(std::string_view text, const std::string& field);

// One of the fourteen language codes (DK UK FR GE GR IT PR SP SW FI DU NR
// US HU), in capitals.
void CheckLanguageCode(std::string_view code, const std::string& field);

// The number of characters of UTF-8 text; -1 when it is not valid UTF-8.
long Utf8Characters(std::string_view text);

}  // namespace vyn::core
