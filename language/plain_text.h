#pragma once
// Small text helpers of the language files: ASCII letter case and blanks.
// Bytes of multi-byte UTF-8 characters pass through unchanged.
#include <optional>
#include <string>
#include <string_view>

namespace vyn {

std::string UpperAscii(std::string_view text);
// Without leading and trailing blanks and tabs.
std::string_view TrimBlanks(std::string_view text);

// Removes the last UTF-8 character, if any.
void DropLastCharacter(std::string& text);

// A decimal integer: blanks, an optional sign, digits, blanks. A value beyond
// the range of int reads as the nearest int. Nothing for any other text.
std::optional<int> DecimalInteger(std::string_view text);

// The text fit for a one-line message: line breaks, tabs and the other
// control characters written as escapes (\n, \r, \t, \xNN;
// U+0085, U+2028 and U+2029 as \u0085 ...); everything else as it is.
std::string OneLineText(std::string_view text);

}  // namespace vyn
