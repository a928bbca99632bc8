#pragma once
// Placeholder expansion: turns a stored interpretation text into text about
// two named people.
//
// The lines are joined (CR LF between them) into one working text, which
// then goes through these replacements in this order, each replacing every
// occurrence:
//   1. with a partner chart: "%Z5", "%Z4" .. "%Z1", "%Z"; and, only for a
//      male partner, "% Z4" .. "% Z1", "% Z" (with one blank);
//   2. "%X6" (first and last name), "%X5", "%X4" .. "%X1", "%X";
// then every CR LF pair is removed (the stored line ends are no line ends of
// the text) and, with line breaks on, every grave accent becomes a line
// break. The text is split into lines again at its line breaks.
//
// Gendered forms are token pairs: a sentence-start form, taken at the very
// start of the text or when one of the two characters before the
// placeholder is a full stop, and a normal form. The stored line ends are
// not counted as characters there: they do not belong to the text. "%X5" and "%Z5" are
// gendered only under the country code "BR"; elsewhere they are the first
// name followed by token 969.
//
// Text a replacement inserted is never searched again, so a name that holds
// a placeholder stays as it is. Limits: the working text is cut to
// kMaxWorkingText characters, a normal replacement to kMaxNormalReplacement
// and a sentence-start replacement to kMaxStartReplacement; no cut splits a
// character.
#include <cstddef>
#include <string>
#include <vector>

namespace vyn {

class THoroscope;
class TLanguage;

inline constexpr std::size_t kMaxWorkingText = 5499;
inline constexpr std::size_t kMaxNormalReplacement = 69;
inline constexpr std::size_t kMaxStartReplacement = 9;

// Token numbers of the gendered forms and of the name suffix.
inline constexpr int kGenderedFormToken = 953;  // 953..968: %X1..%X4, per sex start/normal
inline constexpr int kNameSuffixToken = 969;
inline constexpr int kBrazilFemaleNormalToken = 1101;  // 1101..1104: %X5 under "BR"

// `partner` is the partner chart, or nullptr when the person has none: then
// no %Z placeholder is touched.
std::vector<std::string> ExpandPlaceholders(const std::vector<std::string>& lines,
                                            const THoroscope& person,
                                            const THoroscope* partner,
                                            const TLanguage& language,
                                            bool lineBreaks = true);

}  // namespace vyn
