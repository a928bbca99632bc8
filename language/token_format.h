#pragma once
// Tokens with arguments: "%1" .. "%9" stand for the arguments by position,
// so a translation may put them in any order.
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

// Every "%n" (n 1..9) replaced by argument n in one pass from left to right;
// inserted text is not searched again. A "%" not followed by a digit 1..9,
// and "%n" beyond the arguments given, stand for themselves.
std::string FormatToken(std::string_view text, const std::vector<std::string>& arguments);

// Whether the text carries every placeholder "%1" .. "%<count>". A token
// without them cannot take its arguments, and the caller uses its fallback.
bool HasPlaceholders(std::string_view text, int count);

}  // namespace vyn
