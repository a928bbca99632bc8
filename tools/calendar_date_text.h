#pragma once
// Dates of Julian days as text for messages and summaries.
#include <string>

namespace vyn::tools {

// The calendar date holding the Julian day as "YYYY-MM-DD Julian" before
// the Gregorian reform (JD 2299160.5, 1582-10-15) and "YYYY-MM-DD Gregorian"
// from it on.
std::string CalendarDateText(double jd);

}  // namespace vyn::tools
