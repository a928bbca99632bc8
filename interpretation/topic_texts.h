#pragma once
// What the interpretation window shows for one topic: the keyword line, the
// text of the topic's person, the text of the other person and the mutual
// text of the two, each with its placeholders expanded. The window and the
// command line only present these.
//
// The topic's own record fills the person's pane, followed by its addition
// for the person's sex and, for a contact between the two charts, its
// addition for the body that leads. With a partner, the mutual pane and the
// other person's pane follow from the kind of code:
//   - a contact of a body with the partner's body ("SUX+MOZ"): the partner's
//     pane reads the same contact from the other side ("MOX+SUZ"); when the
//     contact runs both ways the mutual pane gets "Q13", one of "Q14" to
//     "Q16" and the pair text of the two bodies;
//   - a body in a sign ("VEAR"): the mutual pane gets the double text of the
//     body in the two people's signs and, when the body of one touches the
//     same body of the other, the body's pair text with the sign or else
//     that contact's text;
//   - an aspect ("VE+MA") that the partner has in the same way or the other:
//     "Q07", one of "Q08" to "Q10" and the pair text;
//   - a body in a house: no mutual text.
#include <string>
#include <vector>

namespace vyn {
class THoroscope;
class TInterpTexts;
class TLanguage;

struct TTopicTexts {
  std::string Keyword;                     // the record's Title, expanded
  std::vector<std::string> PersonLines;    // the topic's person
  std::vector<std::string> PartnerLines;   // the other person
  std::vector<std::string> MutualLines;    // both; a "`" line between texts
  int MutualCaptionToken = 0;              // caption of the mutual pane; 0 without one
};

// The texts of `code` as person `person` (1 or 2) of the pair chart1 and
// chart2 (nullptr for a single chart). A code without a record gives empty
// texts.
TTopicTexts TopicTexts(int person, const std::string& code, const THoroscope& chart1,
                       const THoroscope* chart2, TInterpTexts& texts,
                       const TLanguage& language);

// Token of the mutual pane's caption for the double text of `body`.
int DoubleCaptionToken(const std::string& body);

}  // namespace vyn
