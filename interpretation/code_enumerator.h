#pragma once
// Every interpretation code that the topic list, the text panes, the graph
// windows and the printout can ask for, for any pair of charts, grouped by
// family. A family is one kind of text: the bodies in the signs, the
// aspects between the two people, the additions by sex, and so on.
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

// A question the texts must answer: the codes any one of which answers it.
// A contact stored under either order of its two bodies is one question
// with two codes; most questions have one.
using TCodeQuestion = std::vector<std::string>;

struct TCodeFamily {
  std::string Name;                // short lower-case name, also a file name
  std::vector<std::string> Codes;  // sorted, no code twice
  // What a complete set of texts answers, in code order. Empty for a family
  // of optional additions (a pane without one still reads whole), and
  // without the codes of a family that have a fallback of another kind.
  std::vector<TCodeQuestion> Required;
};

// The families in a fixed order; no code belongs to two families.
const std::vector<TCodeFamily>& EnumerateCodes();

// The family of `code`, or nullptr when no pair of charts can produce it.
const TCodeFamily* FamilyOfCode(std::string_view code);

}  // namespace vyn
