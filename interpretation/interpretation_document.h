#pragma once
// The interpretation of a pair as the interpretation window presents it,
// all at once: the four groups of topics under their main titles, and for
// each topic its caption, keyword and the texts of the person, the partner
// and both. The window shows one topic at a time; the command line and
// other readers take the whole document.
#include <string>
#include <vector>

namespace vyn {
class THoroscope;
class TInterpTexts;
class TLanguage;

// Main titles of the four groups: tokens 1229 to 1232.
inline constexpr int kFirstMainTitleToken = 1229;

struct TDocumentTopic {
  int Person = 1;                 // 1 or 2: whose topic it is
  std::string Code;               // the code without the person's name
  std::string Caption;            // the person's first name, ": " and the menu title
  std::string Keyword;
  std::vector<std::string> Text, PartnerText, MutualText;  // lines
  int MutualCaptionToken = 0;     // caption of the mutual text; 0 without one
};

struct TDocumentGroup {
  std::string Title;
  std::vector<TDocumentTopic> Topics;
};

// The document of chart 1 and, when it is active, its partner. Topics whose
// code has no record are left out (the window shows nothing for them).
std::vector<TDocumentGroup> BuildInterpretationDocument(const THoroscope& chart1,
                                                        TInterpTexts& texts,
                                                        const TLanguage& language);

}  // namespace vyn
