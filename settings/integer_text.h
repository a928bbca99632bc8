#pragma once
// Integers as the settings files write them.
#include <optional>
#include <string_view>

namespace vyn {

// The 32-bit integer that the whole text (blanks around it ignored) spells:
// decimal with an optional sign, or hexadecimal after "$" or "0x" (up to
// eight digits, wrapping to negative above 0x7FFFFFFF as colours do).
// Nothing for any other text or a decimal outside the 32-bit range.
std::optional<int> ParseIniInteger(std::string_view text);

// Blanks (spaces and tabs) removed from both ends.
std::string_view TrimIniBlanks(std::string_view text);

}  // namespace vyn
