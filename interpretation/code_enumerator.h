#pragma once
// Every interpretation code that the topic list, the text panes, the graph
// windows and the printout can ask for, for any pair of charts, grouped by
// family. A family is one kind of text: the bodies in the signs, the
// aspects between the two people, the additions by sex, and so on.
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

struct TCodeFamily {
  std::string Name;                // short lower-case name, also a file name
  std::vector<std::string> Codes;  // sorted, no code twice
};

// The families in a fixed order; no code belongs to two families.
const std::vector<TCodeFamily>& EnumerateCodes();

// The family of `code`, or nullptr when no pair of charts can produce it.
const TCodeFamily* FamilyOfCode(std::string_view code);

}  // namespace vyn
