#include "interpretation/topic_texts.h"

#include <algorithm>

#include "engine/horoscope.h"
#include "engine/planets.h"
#include "interpretation/code_parts.h"
#include "interpretation/interp_record.h"
#include "interpretation/placeholders.h"
#include "interpretation/short_texts.h"

namespace vyn {
namespace {

constexpr const char* kParagraph = "`";
constexpr int kMutualAspectToken = 945;
constexpr int kMutualContactToken = 946;

// The stored text of a record as lines (stored line ends are CR LF).
std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t end; (end = text.find("\r\n", from)) != std::string::npos; from = end + 2)
    lines.push_back(text.substr(from, end - from));
  lines.push_back(text.substr(from));
  return lines;
}

// A pair or double text opens with a heading that ends at its first "|" and
// runs on into the sentence; on screen the two read as one sentence.
std::string WithHeadingRunIn(const std::string& code, std::string text) {
  const bool headed = code.find('/') != std::string::npos && !code.ends_with("/D");
  const std::size_t bar = text.find('|');
  if (headed && bar != std::string::npos && bar < text.find("\r\n")) text[bar] = ' ';
  return text;
}

bool IsSign(const std::string& part) {
  return std::find(kSignCodes.begin(), kSignCodes.end(), part) != kSignCodes.end();
}

// A pane of text: texts are appended with a paragraph mark between them
// and expanded part by part, each part for its own person. A part once
// expanded is not expanded again: its lines stay lines.
class TPane {
 public:
  void Append(const std::string& text) {
    if (lines_.size() > expanded_) lines_.emplace_back(kParagraph);
    const auto lines = LinesOf(text);
    lines_.insert(lines_.end(), lines.begin(), lines.end());
  }
  bool AppendRecord(TInterpTexts& texts, const std::string& code) {
    const auto record = texts.LookUp(code);
    if (record) Append(WithHeadingRunIn(code, record->TextK));
    return record.has_value();
  }
  // The part appended since the last expansion, expanded with `person` as
  // the person.
  void Expand(const THoroscope& person, const THoroscope* partner, const TLanguage& language) {
    if (expanded_ == lines_.size()) return;
    const std::vector<std::string> fresh(lines_.begin() + static_cast<long>(expanded_),
                                         lines_.end());
    lines_.resize(expanded_);
    for (auto& line : ExpandPlaceholders(fresh, person, partner, language))
      lines_.push_back(std::move(line));
    expanded_ = lines_.size();
  }
  // The part appended since the last expansion, as one text.
  std::string TakeFresh() {
    std::string joined;
    for (std::size_t i = expanded_; i < lines_.size(); ++i)
      joined += (i > expanded_ ? "\r\n" : "") + lines_[i];
    lines_.resize(expanded_);
    return joined;
  }
  void PutFresh(const std::string& text) { lines_.push_back(text); }
  std::vector<std::string> Take() { return std::move(lines_); }

 private:
  std::vector<std::string> lines_;
  std::size_t expanded_ = 0;
};

class TTopicTextBuilder {
 public:
  TTopicTextBuilder(int person, const std::string& code, const THoroscope& chart1,
                    const THoroscope* chart2, TInterpTexts& texts, const TLanguage& language)
      : code_(code),
        person_(person == 2 && chart2 ? 2 : 1),
        p_(person_ == 1 ? chart1 : *chart2),
        o_(person_ == 1 ? chart2 : &chart1),
        chart1_(chart1),
        chart2_(chart2),
        texts_(texts),
        language_(language),
        parts_(ParseCode(code, person_, {chart1.FirstName(), chart2 ? chart2->FirstName() : ""})) {}

  TTopicTexts Build() {
    TTopicTexts result;
    const auto record = texts_.LookUp(code_);
    if (!record) return result;
    result.Keyword = Keyword(record->Title);
    own_.Append(record->TextK);
    own_.AppendRecord(texts_, code_ + "/" + p_.Sex());
    if (parts_.Kind == "Cross" && !IsHouseNumber(parts_.Second))
      own_.AppendRecord(texts_, code_ + "/" + LeadText(p_, parts_.First, parts_.Second));
    ExpandPane(own_, p_, o_, code_);
    if (o_ && o_->Active()) PartnerTexts();
    result.PersonLines = own_.Take();
    result.PartnerLines = other_.Take();
    result.MutualLines = mutual_.Take();
    result.MutualCaptionToken = result.MutualLines.empty() ? 0 : mutualToken_;
    return result;
  }

 private:
  std::string Keyword(const std::string& title) const {
    if (title.empty()) return {};
    const auto lines = ExpandPlaceholders({title}, chart1_, chart2_, language_);
    return lines.empty() ? std::string() : lines.front();
  }

  // The body that leads a contact of `a` in `chart` with `b` in its
  // partner's chart: "X" names `a`, "Z" names `b`; the same body of both
  // people keeps the letter after the body.
  static std::string LeadText(const THoroscope& chart, const std::string& a,
                              const std::string& b) {
    const std::string lead = chart.GetLeadCode(a, b);
    if (lead != "X" && lead != "Z") return lead;
    std::string text = lead == "X" ? a : b;
    if (a == b) text += lead;
    return text;
  }

  void ExpandPane(TPane& pane, const THoroscope& person, const THoroscope* partner,
                  const std::string& code) {
    const std::string fresh = pane.TakeFresh();
    if (fresh.empty()) return;
    pane.PutFresh(ExpandShortTexts(fresh, person, code, texts_));
    pane.Expand(person, partner, language_);
  }

  void PartnerTexts() {
    const THoroscope& o = *o_;
    const std::string& a = parts_.First;
    const std::string& b = parts_.Second;
    if (parts_.Kind == "Cross" && !IsHouseNumber(b)) return CrossTexts(o, a, b);
    if (parts_.Kind == "Norm" && IsSign(b)) return SignTexts(o, a);
    if (parts_.Kind == "Asps") return AspectTexts(o, a, b);
  }

  // The person's A with the partner's B.
  void CrossTexts(const THoroscope& o, const std::string& a, const std::string& b) {
    std::string s = o.GetOverlayPolarity(a, b);
    if (s == "U") s = p_.GetOverlayPolarity(b, a);
    if (s != "U") {
      mutualToken_ = kMutualContactToken;
      mutual_.AppendRecord(texts_, "Q13");
      mutual_.AppendRecord(texts_, parts_.Link == "+" && s == "+"   ? "Q14"
                                   : parts_.Link == "-" && s == "-" ? "Q16"
                                                                    : "Q15");
      mutual_.Expand(chart1_, chart2_, language_);
      PairText(a, b, chart1_, chart2_);
    }
    const std::string other = b + "X" + parts_.Link + a + "Z";
    if (other == code_ || !other_.AppendRecord(texts_, other)) return;
    other_.AppendRecord(texts_, other + "/" + o.Sex());
    other_.AppendRecord(texts_, other + "/" + LeadText(p_, a, b));
    ExpandPane(other_, o, &p_, other);
  }

  // A pair text, A/B read from `first`'s side or B/A from the other's.
  void PairText(const std::string& a, const std::string& b, const THoroscope& first,
                const THoroscope* second) {
    if (mutual_.AppendRecord(texts_, a + "/" + b)) {
      mutual_.Expand(first, second, language_);
    } else if (second && mutual_.AppendRecord(texts_, b + "/" + a)) {
      mutual_.Expand(*second, &first, language_);
    }
  }

  // A body in a sign: the double text of the body, then its contact with
  // the same body of the partner.
  void SignTexts(const THoroscope& o, const std::string& a) {
    mutualToken_ = DoubleCaptionToken(a);
    const std::string other = a + o.GetSignCode(a);
    if (mutual_.AppendRecord(texts_, code_ + "/" + other))
      mutual_.Expand(p_, &o, language_);
    else if (mutual_.AppendRecord(texts_, other + "/" + code_))
      mutual_.Expand(o, &p_, language_);
    const std::string s = o.GetOverlayPolarity(a, a);
    if (s == "U") return;
    if (!mutual_.AppendRecord(texts_, a + "/" + parts_.Second))
      mutual_.AppendRecord(texts_, a + "X" + s + a + "Z");
    mutual_.Expand(p_, &o, language_);
  }

  // An aspect that the partner's chart forms in the same pair of bodies.
  void AspectTexts(const THoroscope& o, const std::string& a, const std::string& b) {
    const std::string s = o.GetAspectPolarity(a, b);
    if (s == "U") return;
    mutualToken_ = kMutualAspectToken;
    mutual_.AppendRecord(texts_, "Q07");
    const char* degree = parts_.Link == "+" && s == "+"   ? "Q08"
                         : parts_.Link == "-" && s == "-" ? "Q10"
                                                          : "Q09";
    if (!mutual_.AppendRecord(texts_, degree)) mutual_.AppendRecord(texts_, "Q09");
    mutual_.Expand(p_, &o, language_);
    PairText(a, b, p_, &o);
  }

  const std::string code_;
  const int person_;
  const THoroscope& p_;
  const THoroscope* o_;
  const THoroscope& chart1_;
  const THoroscope* chart2_;
  TInterpTexts& texts_;
  const TLanguage& language_;
  const cResult parts_;
  TPane own_, other_, mutual_;
  int mutualToken_ = 0;
};

}  // namespace

int DoubleCaptionToken(const std::string& body) {
  static const std::pair<const char*, int> kTokens[] = {
      {"SU", 947}, {"MO", 948}, {"ME", 949}, {"VE", 950}, {"MA", 951}, {"DS", 952}};
  for (const auto& [code, token] : kTokens)
    if (body == code) return token;
  return kMutualAspectToken;
}

TTopicTexts TopicTexts(int person, const std::string& code, const THoroscope& chart1,
                       const THoroscope* chart2, TInterpTexts& texts,
                       const TLanguage& language) {
  return TTopicTextBuilder(person, code, chart1, chart2, texts, language).Build();
}

}  // namespace vyn
