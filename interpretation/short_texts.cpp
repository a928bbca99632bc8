#include "interpretation/short_texts.h"

#include <optional>

#include "engine/horoscope.h"
#include "interpretation/interp_record.h"

namespace vyn {
namespace {

constexpr std::string_view kBodyShortText = "%PS";
constexpr std::string_view kRulerShortText = "%DR";
constexpr std::string_view kShortSuffix = "/K";

// The length of `text` up to `pos` without its last UTF-8 character.
std::size_t WithoutLastCharacter(std::string_view text, std::size_t pos) {
  if (pos == 0) return 0;
  do --pos;
  while (pos > 0 && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80);
  return pos;
}

// Puts `shortText` in place of the placeholder at `pos`, dropping the
// character before it; `closing` follows the short text.
std::string Spliced(std::string_view text, std::size_t pos, std::size_t length,
                    const std::string& shortText, std::string_view closing) {
  std::string result(text.substr(0, WithoutLastCharacter(text, pos)));
  result += '`';
  result += shortText;
  result += closing;
  result += text.substr(pos + length);
  return result;
}

}  // namespace

std::string ExpandShortTexts(std::string_view text, const THoroscope& chart,
                             std::string_view topicCode, TInterpTexts& texts) {
  std::string result(text);
  if (const std::size_t pos = result.find(kBodyShortText); pos != std::string::npos) {
    const std::string body(topicCode.substr(0, 2));
    const auto found = texts.LookUp(body + chart.GetSignCode(body) + std::string(kShortSuffix));
    if (found) result = Spliced(result, pos, kBodyShortText.size(), found->TextK, "`");
  }
  if (const std::size_t pos = result.find(kRulerShortText);
      pos != std::string::npos && pos > 0) {
    const std::string code = "DR" + chart.GetSignCode(chart.DescendantRuler()) +
                             std::string(kShortSuffix);
    if (const auto found = texts.LookUp(code))
      result = Spliced(result, pos, kRulerShortText.size(), found->TextK, "");
  }
  return result;
}

}  // namespace vyn
