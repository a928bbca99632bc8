#include "interpretation/placeholders.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "data/blob_lines.h"
#include "engine/horoscope.h"
#include "engine/text_helpers.h"
#include "language/language.h"

namespace vyn {
namespace {

constexpr std::string_view kBrazil = "BR";
constexpr char kGraveAccent = '`';

// What a placeholder becomes: the sentence-start form when it has one and
// stands at a sentence start, else the normal form.
struct TForms {
  std::string Start;
  std::string Normal;
  bool HasStart = false;
};

TForms Plain(std::string text) { return {{}, std::move(text), false}; }

bool IsMale(const THoroscope& chart) { return chart.Sex() == "M"; }

// %X1..%X4 and %Z1..%Z4: four tokens per placeholder, male start and normal
// form, then female.
TForms Gendered(int number, const THoroscope& chart, const TLanguage& language) {
  const int base = kGenderedFormToken + 4 * (number - 1) + (IsMale(chart) ? 0 : 2);
  return {language.GetToken(base), language.GetToken(base + 1), true};
}

// %X5 and %Z5 under "BR": 1103 / 1104 male, 1102 / 1101 female.
TForms BrazilForms(const THoroscope& chart, const TLanguage& language) {
  const int normal = kBrazilFemaleNormalToken + (IsMale(chart) ? 3 : 0);
  const int start = IsMale(chart) ? normal - 1 : normal + 1;
  return {language.GetToken(start), language.GetToken(normal), true};
}

TForms NameWithSuffix(const THoroscope& chart, const TLanguage& language) {
  if (language.Country() == kBrazil) return BrazilForms(chart, language);
  return Plain(chart.FirstName() + language.GetToken(kNameSuffixToken));
}

// The working text and the spans that replacements inserted into it.
class TWorkingText {
 public:
  explicit TWorkingText(std::string text)
      : text_(CutToCharacters(text, kMaxWorkingText)) {}

  void Replace(std::string_view placeholder, const TForms& forms) {
    std::size_t pos = 0;
    while ((pos = text_.find(placeholder, pos)) != std::string::npos) {
      if (Overlaps(pos, pos + placeholder.size())) {
        ++pos;
        continue;
      }
      const std::string insert = forms.HasStart && AtSentenceStart(pos)
                                     ? CutToCharacters(forms.Start, kMaxStartReplacement)
                                     : CutToCharacters(forms.Normal, kMaxNormalReplacement);
      text_.replace(pos, placeholder.size(), insert);
      Shift(pos, static_cast<std::ptrdiff_t>(insert.size()) -
                     static_cast<std::ptrdiff_t>(placeholder.size()));
      inserted_.emplace_back(pos, pos + insert.size());
      pos += insert.size();
      // A text of no more bytes than the limit has no more characters.
      if (text_.size() > kMaxWorkingText) text_ = CutToCharacters(text_, kMaxWorkingText);
    }
  }

  // Removes every CR LF pair, also one that a removal brings together.
  void RemoveLineEnds() {
    std::size_t pos = 0;
    while ((pos = text_.find("\r\n", pos)) != std::string::npos) {
      text_.erase(pos, 2);
      if (pos > 0) --pos;
    }
  }

  void BreakLinesAtAccents() { std::replace(text_.begin(), text_.end(), kGraveAccent, '\n'); }

  const std::string& Text() const { return text_; }

 private:
  bool Overlaps(std::size_t begin, std::size_t end) const {
    for (const auto& [b, e] : inserted_)
      if (begin < e && b < end) return true;
    return false;
  }

  // Moves the spans that follow a replacement at `pos` by `delta` bytes.
  void Shift(std::size_t pos, std::ptrdiff_t delta) {
    for (auto& [b, e] : inserted_) {
      if (b < pos) continue;
      b = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(b) + delta);
      e = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(e) + delta);
    }
  }

  // At the very start, or one of the (up to) two characters before `pos`
  // is a full stop. The stored line ends do not count: they are removed
  // from the text, so a placeholder that begins a memo line after a full
  // stop begins a sentence.
  bool AtSentenceStart(std::size_t pos) const {
    std::size_t i = pos;
    int seen = 0;
    while (seen < 2 && i > 0) {
      if (i >= 2 && text_.compare(i - 2, 2, "\r\n") == 0) {
        i -= 2;
        continue;
      }
      do --i;
      while (i > 0 && (static_cast<unsigned char>(text_[i]) & 0xC0) == 0x80);
      if (text_[i] == '.') return true;
      ++seen;
    }
    return seen == 0;
  }

  std::string text_;
  std::vector<std::pair<std::size_t, std::size_t>> inserted_;
};

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

void ReplaceNumbered(TWorkingText& text, std::string_view prefix,
                     const THoroscope& chart, const TLanguage& language) {
  for (int number = 4; number >= 1; --number)
    text.Replace(std::string(prefix) + std::to_string(number),
                 Gendered(number, chart, language));
}

void ReplacePartner(TWorkingText& text, const THoroscope& partner,
                    const TLanguage& language) {
  text.Replace("%Z5", NameWithSuffix(partner, language));
  ReplaceNumbered(text, "%Z", partner, language);
  text.Replace("%Z", Plain(partner.FirstName()));
  if (!IsMale(partner)) return;
  ReplaceNumbered(text, "% Z", partner, language);
  text.Replace("% Z", Plain(partner.FirstName()));
}

void ReplacePerson(TWorkingText& text, const THoroscope& person,
                   const TLanguage& language) {
  text.Replace("%X6", Plain(person.FirstName() + " " + person.LastName()));
  text.Replace("%X5", NameWithSuffix(person, language));
  ReplaceNumbered(text, "%X", person, language);
  text.Replace("%X", Plain(person.FirstName()));
}

}  // namespace

std::vector<std::string> ExpandPlaceholders(const std::vector<std::string>& lines,
                                            const THoroscope& person,
                                            const THoroscope* partner,
                                            const TLanguage& language,
                                            bool lineBreaks) {
  TWorkingText text(Joined(lines));
  if (partner) ReplacePartner(text, *partner, language);
  ReplacePerson(text, person, language);
  text.RemoveLineEnds();
  if (lineBreaks) text.BreakLinesAtAccents();
  return TextToLines(text.Text());
}

}  // namespace vyn
