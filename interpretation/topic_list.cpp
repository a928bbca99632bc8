#include "interpretation/topic_list.h"

#include <algorithm>
#include <initializer_list>
#include <map>

#include "engine/horoscope.h"
#include "engine/planets.h"
#include "interpretation/interp_record.h"
#include "interpretation/pair_codes.h"
#include "interpretation/placeholders.h"
#include "interpretation/topic.h"

namespace vyn {
namespace {

constexpr std::string_view kNoPolarity = "U";

// Candidate bodies: the body codes from "SU" up to `last`.
std::vector<std::string_view> BodiesUpTo(std::string_view last) {
  std::vector<std::string_view> bodies;
  for (std::string_view code : kBodyCodes) {
    bodies.push_back(code);
    if (code == last) break;
  }
  return bodies;
}

bool OneOf(std::string_view code, std::initializer_list<std::string_view> set) {
  return std::find(set.begin(), set.end(), code) != set.end();
}

// Pairs another group covers, for the aspect codes of X.
bool AspectPairCovered(std::string_view x, std::string_view y) {
  if (x == "SU") return OneOf(y, {"VE", "MA"});
  if (x == "MO") return OneOf(y, {"VE", "MA", "SU"});
  if (x == "ME") return OneOf(y, {"VE", "MA", "SU", "MO"});
  if (x == "MA") return y == "VE";
  return false;
}

// Pairs another group covers, for the overlay-aspect codes of X.
bool OverlayPairCovered(std::string_view x, std::string_view y) {
  if (x == "JU") return OneOf(y, {"VE", "MA", "SU", "MO", "ME"});
  return AspectPairCovered(x, y);
}

std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) text += part;
  return text;
}

bool Listed(const TTopicList& list, const std::string& topic) {
  return std::find(list.Topics.begin(), list.Topics.end(), topic) != list.Topics.end();
}

bool ListedForEither(const TTopicList& list, std::string_view code) {
  return Listed(list, MakeTopic(list.Names.Person1, code)) ||
         Listed(list, MakeTopic(list.Names.Person2, code));
}

class TTopicBuilder {
 public:
  TTopicBuilder(const TPairCodes& chart1, const TPairCodes* chart2, TInterpTexts& texts)
      : chart1_(chart1), chart2_(chart2), texts_(texts) {
    list_.Names = {chart1.FirstName(), chart2 ? chart2->FirstName() : std::string()};
  }

  TTopicList Build() {
    Group(0, [&] {
      if (!chart1_.Active()) return;
      for (std::string_view x : {"SU", "MO"}) BodyTopics(x);
    });
    Group(1, [&] { PartnershipTopics(); });
    Group(2, [&] {
      for (std::string_view x : {"VE", "MA"}) BodyTopics(x);
    });
    Group(3, [&] { OtherTopics(); });
    return std::move(list_);
  }

  TTopicList AspectsOf(std::string_view x) {
    AspectCodes(x);
    return std::move(list_);
  }

  TTopicList OverlayAspectsOf(std::string_view x) {
    OverlayAspectCodes(x);
    return std::move(list_);
  }

 private:
  template <typename Work>
  void Group(int index, Work work) {
    const std::size_t before = list_.Topics.size();
    work();
    list_.GroupSizes[index] = static_cast<int>(list_.Topics.size() - before);
  }

  const TPairCodes& Chart(int person) const { return person == 1 ? chart1_ : *chart2_; }

  std::string TopicOf(int person, std::string_view code) const {
    return MakeTopic(person == 1 ? list_.Names.Person1 : list_.Names.Person2, code);
  }

  void Add(int person, std::string_view code) { list_.Topics.push_back(TopicOf(person, code)); }

  // Adds a code for person 1 and, with a partner, the code made the same
  // way from chart 2 for person 2.
  template <typename MakeCode>
  void ForBoth(MakeCode make) {
    Add(1, make(chart1_));
    if (chart2_) Add(2, make(*chart2_));
  }

  bool HasRecord(const std::string& code) {
    const auto [it, added] = records_.try_emplace(code, false);
    if (added) it->second = texts_.HasRecord(code);
    return it->second;
  }

  void BodyTopics(std::string_view x) {
    OwnCodes(x);
    AspectCodes(x);
    OverlayAspectCodes(x);
  }

  void PartnershipTopics() {
    ForBoth([](const TPairCodes& c) { return "DS" + c.GetSignCode("DS"); });
    OverlayHouseCode("AS");
    AspectCodes("AS");
    OverlayAspectCodes("AS");
    ForBoth([](const TPairCodes& c) { return "DR" + c.GetHouseCode("DR"); });
    AspectCodes("DR");
    for (int person : {1, 2}) {
      if (person == 2 && !chart2_) break;
      for (std::string_view body : BodiesUpTo("SN"))
        if (Chart(person).GetHouseCode(body) == "07") Add(person, Joined({body, "07/D"}));
    }
  }

  void OtherTopics() {
    BodyTopics("ME");
    OverlayHouseCode("JU");
    OverlayAspectCodes("JU");
    OverlayHouseCode("SA");
    OverlayAspectCodes("SA");
    OverlayAspectCodes("MC");
  }

  void OwnCodes(std::string_view x) {
    ForBoth([x](const TPairCodes& c) { return Joined({x, c.GetSignCode(x)}); });
    ForBoth([x](const TPairCodes& c) { return Joined({x, c.GetHouseCode(x)}); });
    OverlayHouseCode(x);
  }

  // A body in the partner's house: only with a partner, since without one
  // there is no house to be in.
  void OverlayHouseCode(std::string_view x) {
    if (!chart2_) return;
    ForBoth([x](const TPairCodes& c) { return Joined({x, "X", c.GetOverlayHouseCode(x), "Z"}); });
  }

  bool AspectCandidate(std::string_view x, std::string_view y) const {
    if (y == x || OneOf(y, {"MC", "SN", "AS"}) || AspectPairCovered(x, y)) return false;
    return !(x == "DR" && y == chart1_.DescendantRuler());
  }

  // X + p + Y, or Y + p + X when the former has no record.
  std::string AspectCode(std::string_view x, const std::string& p, std::string_view y) {
    const std::string forward = Joined({x, p, y});
    return HasRecord(forward) ? forward : Joined({y, p, x});
  }

  std::string PersonOneAspect(std::string_view x, std::string_view y) {
    std::string p = chart1_.GetAspectPolarity(x, y);
    if (p == kNoPolarity) p = chart1_.GetAspectPolarity(y, x);
    return AspectCode(x, p, y);
  }

  // Person 2's aspect code, or nothing where chart 2's own descendant ruler
  // would stand beside "DR".
  std::optional<std::string> PersonTwoAspect(std::string_view x, std::string_view y) {
    if (x == "DR" && y == chart2_->DescendantRuler()) return std::nullopt;
    return AspectCode(x, chart2_->GetAspectPolarity(x, y), y);
  }

  // Pass 1 lists person 1's contacts, each followed by person 2's when it is
  // the same (mutual); pass 2 lists person 2's other contacts.
  void AspectCodes(std::string_view x) {
    std::vector<std::string_view> candidates;
    for (std::string_view y : BodiesUpTo("MC"))
      if (AspectCandidate(x, y)) candidates.push_back(y);
    for (std::string_view y : candidates) {
      const std::string c1 = PersonOneAspect(x, y);
      if (!HasRecord(c1)) continue;
      Add(1, c1);
      if (!chart2_) continue;
      const auto c2 = PersonTwoAspect(x, y);
      if (c2 && *c2 == c1) Add(2, *c2);
    }
    if (!chart2_) return;
    for (std::string_view y : candidates) {
      const std::string c1 = PersonOneAspect(x, y);
      const auto c2 = PersonTwoAspect(x, y);
      if (c2 && HasRecord(*c2) && *c2 != c1) Add(2, *c2);
    }
  }

  // The overlay polarity of `a` in `mine` with `b` in `theirs`, asked the
  // other way round when the first answer is "U".
  static std::string OverlayPolarity(const TPairCodes& mine, const TPairCodes& theirs,
                                     std::string_view a, std::string_view b) {
    const std::string p = mine.GetOverlayPolarity(a, b);
    return p == kNoPolarity ? theirs.GetOverlayPolarity(b, a) : p;
  }

  void AddOverlayAspect(int person, std::string_view x, const std::string& p,
                        std::string_view y) {
    if (p == kNoPolarity) return;
    const std::string code = Joined({x, "X", p, y, "Z"});
    if (!Listed(list_, TopicOf(person, code))) Add(person, code);
  }

  void OverlayAspectCodes(std::string_view x) {
    if (!chart2_) return;
    for (std::string_view y : kBodyCodes) {
      if (OverlayPairCovered(x, y)) continue;
      AddOverlayAspect(1, x, OverlayPolarity(chart1_, *chart2_, x, y), y);
      if (y == x) continue;
      AddOverlayAspect(2, x, OverlayPolarity(*chart2_, chart1_, x, y), y);
    }
  }

  const TPairCodes& chart1_;
  const TPairCodes* chart2_;
  TInterpTexts& texts_;
  TTopicList list_;
  std::map<std::string, bool, std::less<>> records_;
};

}  // namespace

TTopicList BuildTopicList(const TPairCodes& chart1, const TPairCodes* chart2,
                          TInterpTexts& texts) {
  return TTopicBuilder(chart1, chart2, texts).Build();
}

TTopicList BuildTopicList(const THoroscope& chart1, TInterpTexts& texts) {
  const THoroscope* partner = chart1.Partner();
  const THoroscopeCodes codes1(chart1);
  if (!partner || !partner->Active()) return BuildTopicList(codes1, nullptr, texts);
  const THoroscopeCodes codes2(*partner);
  return BuildTopicList(codes1, &codes2, texts);
}

TTopicList AspectTopics(const TPairCodes& chart1, const TPairCodes* chart2,
                        TInterpTexts& texts, std::string_view body) {
  return TTopicBuilder(chart1, chart2, texts).AspectsOf(body);
}

TTopicList OverlayAspectTopics(const TPairCodes& chart1, const TPairCodes* chart2,
                               TInterpTexts& texts, std::string_view body) {
  return TTopicBuilder(chart1, chart2, texts).OverlayAspectsOf(body);
}

bool IsListed(const TTopicList& list, std::string_view code) {
  if (ListedForEither(list, code)) return true;
  const cResult parts = ParseCode(code, 1, list.Names);
  return parts.Kind == "Asps" &&
         ListedForEither(list, parts.Second + parts.Link + parts.First);
}

std::optional<std::size_t> FindTopic(const TTopicList& list, std::string_view code,
                                     int currentPerson) {
  const std::string& own = currentPerson == 2 ? list.Names.Person2 : list.Names.Person1;
  const std::string& other = currentPerson == 2 ? list.Names.Person1 : list.Names.Person2;
  for (const std::string& name : {own, other}) {
    const auto it = std::find(list.Topics.begin(), list.Topics.end(), MakeTopic(name, code));
    if (it != list.Topics.end()) return static_cast<std::size_t>(it - list.Topics.begin());
  }
  return std::nullopt;
}

int GroupOfTopic(const TTopicList& list, std::size_t index) {
  const auto& sizes = list.GroupSizes;
  const auto i = static_cast<long long>(index);
  if (i < sizes[0]) return 0;
  if (i < sizes[0] + sizes[1]) return 1;
  if (i >= sizes[0] + sizes[1] + sizes[2]) return 3;
  return 2;
}

std::vector<std::string> TopicCaptions(const TTopicList& list, const THoroscope& chart1,
                                       const THoroscope* chart2, TInterpTexts& texts,
                                       const TLanguage& language) {
  std::vector<std::string> captions;
  captions.reserve(list.Topics.size());
  for (const std::string& topic : list.Topics) {
    const bool first = !chart2 || TopicStartsWith(topic, chart1.FirstName());
    const THoroscope& person = first ? chart1 : *chart2;
    const THoroscope* partner = first ? chart2 : &chart1;
    const auto record = texts.LookUp(TopicCode(topic, person.FirstName()));
    const std::vector<std::string> lines = ExpandPlaceholders(
        {record ? record->MTitle : std::string()}, person, partner, language);
    captions.push_back(person.FirstName() + ": " + (lines.empty() ? "" : lines.front()));
  }
  return captions;
}

}  // namespace vyn
