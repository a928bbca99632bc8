#pragma once
// The parts of an interpretation code: which bodies, signs or houses it
// names, how they are linked and whose text it is.
#include <string>
#include <string_view>

namespace vyn {

// The code parts record filled by ParseCode.
struct cResult {
  std::string First;   // first body code, characters 1-2
  std::string Second;  // a sign code, a house number "01".."12" or a body code
  std::string Link;    // "+", "-" or "U" (aspects), "in " (overlay houses), else ""
  std::string Kind;    // "Norm", "Asps" or "Cross"
  std::string Name1;   // Cross: the person's first name and a blank; Norm: the name
  std::string Name2;   // Cross: the partner's first name and a blank
  friend bool operator==(const cResult&, const cResult&) = default;
};

// The first names of the two people compared: chart 1 and chart 2.
struct TPairNames {
  std::string Person1;
  std::string Person2;
};

// Takes `code` apart for person 1 or 2 (any other index counts as 1). A
// code containing "X" is a cross code, one containing "+" or "-" an aspect
// code, anything else a plain code; positions beyond the end of a short code
// give what there is. An aspect with the polarity "U" ("SUUMO") therefore
// parses as plain, with Second "UM".
cResult ParseCode(std::string_view code, int person, const TPairNames& names);

// Whether a code part is a house number: "01" to "12" in string order.
bool IsHouseNumber(std::string_view part);

}  // namespace vyn
