#pragma once
// Flag strings: a text of "1" and "0" characters, one per flag.
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

using TFlagString = std::vector<bool>;

// As many flags as `defaults` has characters, flag i from character i of
// the stored text or, beyond its end, of the default text: "11" over the
// default "100011001" gives 1,1,0,0,1,1,0,0,1. Extra characters are ignored;
// every character other than "1" is a flag that is off.
TFlagString ReadFlagString(std::string_view stored, std::string_view defaults);
std::string FormatFlagString(const TFlagString& flags);

}  // namespace vyn
