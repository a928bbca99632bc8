#pragma once
// What the printed interpretation of a pair sets out, in order: sections
// under their headings, each a run of blocks of codes, either across the
// full width (introductions, double texts, mutual texts) or in two columns
// side by side (person 1 on the left, person 2 on the right). The printout
// and the command line only present it; a code without a record prints
// nothing.
#include <string>
#include <vector>

namespace vyn {
class THoroscope;
class TInterpTexts;

// A code and the person whose chart its text is expanded with (1 or 2).
struct TPrintCode {
  std::string Code;
  int Person = 1;
  friend bool operator==(const TPrintCode&, const TPrintCode&) = default;
};

struct TPrintBlock {
  std::vector<TPrintCode> Full;          // across the page
  std::vector<std::string> Left, Right;  // person 1's and person 2's columns
};

struct TPrintSection {
  int HeadingToken = 0;  // 0 for the cover, which has the document's headings
  std::vector<TPrintBlock> Blocks;
};

// The parts ticked in the print dialog; Relationship Analysis adds the
// contacts between the two charts.
struct TPrintParts {
  bool GeneralBackground = true, SoulMate = true, LoveAndSex = true, OtherIssues = true;
  bool RelationshipAnalysis = true;
};

// The plan for chart 1 and, when it is active, its partner.
std::vector<TPrintSection> PrintoutPlan(const THoroscope& chart1, TInterpTexts& texts,
                                        const TPrintParts& parts = {});

}  // namespace vyn
