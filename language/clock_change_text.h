#pragma once
// A clock change at a birth time, in words of the current language: the
// warning shown when the local clock time of a birth was skipped or repeated
// by a change of summer time or zone.
//
// Tokens 1400 to 1403, one sentence each: a skipped time read with the
// offset after the change (1400) or before it (1401); a repeated time read
// before the change, the earlier reading (1402), or after it, the later
// reading (1403). Arguments: %1 the birth time, %2 the date (YYYY-MM-DD),
// %3 the place, %4 the clock time at the change, %5 the time the clocks were
// set to; times as HH:MM. A token without all five placeholders gives the
// built-in English sentence.
#include <string>

#include "data/clock_change.h"
#include "language/language.h"

namespace vyn {

// Throws std::invalid_argument naming the field when the record holds a
// date that is no calendar date or a clock time outside 00:00..24:00.
std::string ClockChangeText(const TClockChange& change, const TLanguage& language);

}  // namespace vyn
