#pragma once
// Short texts: "%PS" stands for the short text of the topic's body in its
// sign, "%DR" for that of the descendant ruler in its sign.
#include <string>
#include <string_view>

namespace vyn {

class THoroscope;
class TInterpTexts;

// `text` with its first "%PS" and its first "%DR" expanded from `chart`:
//   - "%PS": the record of the topic code's first two characters (a body),
//     the body's sign code in the chart and "/K"; the text becomes what
//     stood before "%PS" less its last character, a grave accent, the short
//     text, a grave accent and what follows "%PS";
//   - then "%DR", unless it is the text's first character: the record of
//     "DR", the sign code of the chart's descendant ruler and "/K"; the text
//     becomes what stood before "%DR" less its last character, a grave
//     accent, the short text and what follows "%DR".
// A short text without a record leaves its placeholder in the text.
std::string ExpandShortTexts(std::string_view text, const THoroscope& chart,
                             std::string_view topicCode, TInterpTexts& texts);

}  // namespace vyn
