#pragma once
// Small text helpers shared by the views, dialogs and printouts.
#include <string>
#include <string_view>

#include "engine/angles.h"

namespace vyn {

// English body name of a body number 1..16 ("Sun" .. "IC"), else empty.
std::string BodyName(int number);

// A D.MM number truncated (not rounded) to two decimals, as "%4.2f".
std::string FormatPos(extended x);

// Sign ordinal of a D.MM longitude and its rest within the sign (D.MM).
struct TSignSplit {
  int sign = 0;
  extended rest = 0;
};
TSignSplit SignSplit(extended x);

// 0..9 as "0" + digit, other integers as plain decimal text.
std::string TwoDigits(long n);

// An integer date YYYYMMDD in a short date format of the user interface
// (Qt-style patterns: d, dd, M, MM, yy, yyyy; other characters as they
// stand; text in single quotes is literal). A year of 0 or above 9999 reads
// as 2000, a month of 0 or above 12 as 11, a day of 0 or above 31 as 16.
std::string DateText(long yyyymmdd, std::string_view dateFormat);

// A time of day in a time format (h, hh, H, HH, m, mm, s, ss, AP, ap).
std::string TimeText(int hours, int minutes, int seconds,
                     std::string_view timeFormat);

// Date YYYY.MMDD and time H.MMSS: the date text, a blank, the time text.
std::string DateTimeText(extended date, extended time,
                         std::string_view dateFormat,
                         std::string_view timeFormat);

// Decimal text to integer; 0 unless the whole text is a valid integer.
long StrToIntOrZero(std::string_view text);

std::string TrimTrailingBlanks(std::string_view text);

// The part before (before = true) or after the first occurrence of c;
// empty when c does not occur.
std::string SplitAt(std::string_view text, bool before, char c);

// r + 256 g + 65536 b.
constexpr long PackRGB(int r, int g, int b) {
  return r + 256L * g + 65536L * b;
}

// At most n characters of a UTF-8 text, never splitting a character.
std::string CutToCharacters(std::string_view text, std::size_t n);

}  // namespace vyn
