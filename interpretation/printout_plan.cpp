#include "interpretation/printout_plan.h"

#include <optional>
#include <tuple>

#include "engine/horoscope.h"
#include "engine/planets.h"
#include "interpretation/interp_record.h"
#include "interpretation/pair_codes.h"
#include "interpretation/topic.h"
#include "interpretation/topic_list.h"

namespace vyn {
namespace {

constexpr int kGeneralBackgroundToken = 973;
constexpr int kSoulMateToken = 986, kSoulMateAloneToken = 974;
// The printed page sets Love and Sex and Other Issues without a heading of
// their own; the plan names them by the interpretation window's titles of
// the same parts.
constexpr int kLoveAndSexToken = 1231, kOtherIssuesToken = 1232;
constexpr int kGraphsToken = 0;

class TPlanBuilder {
 public:
  TPlanBuilder(const THoroscope& chart1, TInterpTexts& texts, const TPrintParts& parts)
      : c1_(chart1),
        c2_(chart1.Partner() && chart1.Partner()->Active() ? chart1.Partner() : nullptr),
        codes1_(chart1),
        texts_(texts),
        parts_(parts),
        contacts_(parts.RelationshipAnalysis && c2_) {
    if (c2_) codes2_.emplace(*c2_);
  }

  std::vector<TPrintSection> Build() {
    Section(0, [&] { Full(c2_ ? "Q01" : "Q02"); });
    if (parts_.GeneralBackground) Section(kGeneralBackgroundToken, [&] { GeneralBackground(); });
    if (parts_.SoulMate) Section(c2_ ? kSoulMateToken : kSoulMateAloneToken, [&] { SoulMate(); });
    if (parts_.LoveAndSex) Section(kLoveAndSexToken, [&] { LoveAndSex(); });
    if (parts_.OtherIssues) Section(kOtherIssuesToken, [&] { OtherIssues(); });
    Section(kGraphsToken, [&] { Full("Q52"); });
    return std::move(plan_);
  }

 private:
  template <typename Work>
  void Section(int heading, Work work) {
    plan_.push_back({heading, {}});
    work();
  }

  TPrintBlock& Block() {
    auto& blocks = plan_.back().Blocks;
    blocks.emplace_back();
    return blocks.back();
  }

  void Full(const std::string& code, int person = 1) { Block().Full.push_back({code, person}); }

  void Columns(const std::vector<std::string>& left, const std::vector<std::string>& right) {
    TPrintBlock& block = Block();
    block.Left = left;
    if (c2_) block.Right = right;
  }

  // The same code made from each chart, side by side.
  template <typename MakeCodes>
  void SideBySide(MakeCodes make) {
    Columns(make(c1_), c2_ ? make(*c2_) : std::vector<std::string>{});
  }

  void GeneralBackground() {
    Full("Q03");
    OwnCodes("SU");
    Full("Q05");
    AspectCodes("SU");
    Contacts("Q11", "SU");
    Full("Q20");
    OwnCodes("MO");
    Full("Q22");
    AspectCodes("MO");
    Contacts("Q24", "MO");
  }

  void SoulMate() {
    Full("Q26");
    SideBySide([](const THoroscope& c) { return std::vector<std::string>{"DS" + c.GetSignCode("DS")}; });
    if (c2_) {
      SideBySide([](const THoroscope& c) {
        return std::vector<std::string>{"ASX" + c.GetOverlayHouseCode("AS") + "Z"};
      });
      DoubleText("DS");
    }
    Full("Q30");
    AspectCodes("AS");
    Contacts("Q27", "AS");
    Full("Q29");
    OwnCodes("DR");
    AspectCodes("DR");
    Contacts("", "DR");
    Full("Q31");
    SideBySide([](const THoroscope& c) {
      std::vector<std::string> codes;
      for (int body = 0; body <= THoroscope::BodyIndexOf("SN"); ++body) {
        const std::string code = std::string(kBodyCodes[static_cast<std::size_t>(body)]);
        if (c.GetHouseCode(code) == "07") codes.push_back(code + "07/D");
      }
      return codes;
    });
    Full("Q32");
  }

  void LoveAndSex() {
    for (const auto& [x, intro, aspects, contacts] :
         {std::tuple{"VE", "Q33", "Q34", "Q36"}, std::tuple{"MA", "Q38", "Q39", "Q41"}}) {
      Full(intro);
      OwnCodes(x);
      Full(aspects);
      AspectCodes(x);
      Contacts(contacts, x);
    }
  }

  void OtherIssues() {
    Full("Q43");
    OwnCodes("ME");
    Full("Q44");
    AspectCodes("ME");
    Contacts("Q46", "ME");
    Full("Q48");
    OwnCodes("JU");
    AspectCodes("JU");
    Contacts("", "JU");
    Full("Q49");
    OwnCodes("SA");
    Contacts("", "SA");
    Full("Q50");
    Contacts("", "MC");
    Contacts("", "IC");
  }

  // Sign (with the sex addition), house and overlay house of each person,
  // then the double text and the contact of the body with itself.
  void OwnCodes(const std::string& x) {
    if (x == "DR") {
      SideBySide([](const THoroscope& c) {
        return std::vector<std::string>{"DR" + c.GetSignCode(c.DescendantRuler()) + "/K"};
      });
    } else {
      SideBySide([&](const THoroscope& c) {
        const std::string sign = x + c.GetSignCode(x);
        return std::vector<std::string>{sign, sign + "/" + c.Sex()};
      });
    }
    SideBySide([&](const THoroscope& c) { return std::vector<std::string>{x + c.GetHouseCode(x)}; });
    if (!c2_) return;
    SideBySide([&](const THoroscope& c) {
      return std::vector<std::string>{x + "X" + c.GetOverlayHouseCode(x) + "Z"};
    });
    if (x == "DR") return;
    DoubleText(x);
    const std::string s = c1_.GetOverlayPolarity(x, x);
    if (s != "U") Full(x + "X" + s + x + "Z");
  }

  // The double text, stored under either order of the two signs: the
  // reversed code reads with the two people exchanged.
  void DoubleText(const std::string& x) {
    const std::string one = x + c1_.GetSignCode(x), two = x + c2_->GetSignCode(x);
    if (texts_.HasRecord(one + "/" + two)) Full(one + "/" + two, 1);
    else Full(two + "/" + one, 2);
  }

  // The pair text of two bodies in either order.
  void PairText(TPrintBlock& block, const std::string& a, const std::string& b) {
    if (texts_.HasRecord(a + "/" + b)) block.Full.push_back({a + "/" + b, 1});
    else block.Full.push_back({b + "/" + a, 2});
  }

  void AspectCodes(const std::string& x) {
    const TTopicList list =
        AspectTopics(codes1_, codes2_ ? &*codes2_ : nullptr, texts_, x);
    TPrintBlock& block = SplitColumns(list);
    for (std::size_t i = 0; i + 1 < list.Topics.size(); ++i) {
      const std::string code = TopicCode(list.Topics[i], list.Names.Person1);
      if (!c2_ || !TopicStartsWith(list.Topics[i], list.Names.Person1) ||
          list.Topics[i + 1] != MakeTopic(list.Names.Person2, code))
        continue;
      block.Full.push_back({"Q07", 1});
      block.Full.push_back({code[2] == '+' ? "Q08" : "Q10", 1});
      PairText(block, code.substr(0, 2), code.substr(3, 2));
    }
  }

  // With Relationship Analysis: the introduction and the contacts of `x`
  // with the partner's bodies, and the mutual texts of those that run both
  // ways.
  void Contacts(const std::string& intro, const std::string& x) {
    if (!contacts_) return;
    if (!intro.empty()) Full(intro);
    const TTopicList list = OverlayAspectTopics(codes1_, &*codes2_, texts_, x);
    TPrintBlock& block = SplitColumns(list);
    for (const std::string& topic : list.Topics) {
      if (!TopicStartsWith(topic, list.Names.Person1)) continue;
      const std::string code = TopicCode(topic, list.Names.Person1);
      const std::string a = code.substr(0, 2), link = code.substr(3, 1), b = code.substr(4, 2);
      std::string s = c2_->GetOverlayPolarity(a, b);
      if (s == "U") s = c1_.GetOverlayPolarity(b, a);
      if (s == "U") continue;
      block.Full.push_back({"Q13", 1});
      block.Full.push_back({link == "+" && s == "+" ? "Q14" : link == "-" && s == "-" ? "Q16" : "Q15", 1});
      PairText(block, a, b);
    }
  }

  TPrintBlock& SplitColumns(const TTopicList& list) {
    TPrintBlock& block = Block();
    for (const std::string& topic : list.Topics) {
      const bool first = !c2_ || TopicStartsWith(topic, list.Names.Person1 + ":");
      (first ? block.Left : block.Right)
          .push_back(TopicCode(topic, first ? list.Names.Person1 : list.Names.Person2));
    }
    return block;
  }

  const THoroscope& c1_;
  const THoroscope* c2_;
  THoroscopeCodes codes1_;
  std::optional<THoroscopeCodes> codes2_;
  TInterpTexts& texts_;
  const TPrintParts parts_;
  const bool contacts_;
  std::vector<TPrintSection> plan_;
};

}  // namespace

std::vector<TPrintSection> PrintoutPlan(const THoroscope& chart1, TInterpTexts& texts,
                                        const TPrintParts& parts) {
  return TPlanBuilder(chart1, texts, parts).Build();
}

}  // namespace vyn
