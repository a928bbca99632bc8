// The texts of one topic: the person's pane with its additions, the other
// person's pane and the mutual pane, each expanded for the right person.
#include "interpretation/topic_texts.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/planets.h"
#include "interpretation/interp_record.h"
#include "language/language.h"
#include "tests/interpretation/chart_pair_fixture.h"

namespace vyn {
namespace {

// Texts that say their own code and for whom they were expanded: the text
// of "SUAR" reads "SUAR for Ann with Bob" when expanded with Ann as person.
class TNamedTexts : public TInterpTexts {
 public:
  void Add(const std::string& code, const std::string& title = "") { codes_[code] = {title, ""}; }
  // A record with a text of its own.
  void AddText(const std::string& code, const std::string& text) { codes_[code] = {"", text}; }
  std::optional<TInterpRecord> LookUp(std::string_view code) override {
    const auto it = codes_.find(std::string(code));
    if (it == codes_.end()) return std::nullopt;
    const auto& [title, text] = it->second;
    return TInterpRecord{it->first, title, "", text.empty() ? it->first + " for %X with %Z" : text};
  }

 private:
  std::map<std::string, std::pair<std::string, std::string>> codes_;
};

using TLines = std::vector<std::string>;

class TopicTextsTest : public testing::ChartPairTest {
 protected:
  void SetUp() override {
    ChartPairTest::SetUp();
    testing::UseTokens(language_, "UK", testing::GenderTokens());
  }
  TTopicTexts Texts(int person, const std::string& code) {
    return TopicTexts(person, code, ann_, &bob_, texts_, language_);
  }
  // A body pair (a of `mine`, b of the other) whose overlay contact runs
  // one way only (`mutual` false) or both ways.
  std::pair<std::string, std::string> Contact(const THoroscope& mine, const THoroscope& other,
                                              bool mutual) {
    for (std::string_view a : {"SU", "MO", "ME", "VE", "MA", "JU", "SA"})
      for (std::string_view b : kBodyCodes) {
        if (a == b || mine.GetOverlayPolarity(a, b) == "U") continue;
        if ((other.GetOverlayPolarity(a, b) != "U" ||
             mine.GetOverlayPolarity(b, a) != "U") == mutual)
          return {std::string(a), std::string(b)};
      }
    ADD_FAILURE() << "the pair has no such contact";
    return {};
  }

  TNamedTexts texts_;
  TLanguage language_;
};

TEST_F(TopicTextsTest, OwnPaneTakesTheSexAdditionAndTheKeyword) {
  const std::string code = "SU" + bob_.GetSignCode("SU");
  texts_.Add(code, "Sun of %X");
  texts_.Add(code + "/M");
  texts_.Add(code + "/F");
  const TTopicTexts texts = Texts(2, code);
  EXPECT_EQ(texts.Keyword, "Sun of Ann");  // the keyword is always said of chart 1
  EXPECT_EQ(texts.PersonLines,
            (TLines{code + " for Bob with Ann", code + "/M for Bob with Ann"}));
  EXPECT_TRUE(texts.PartnerLines.empty());
}

TEST_F(TopicTextsTest, CodeWithoutRecordGivesNothing) {
  texts_.Add("Q13");
  const TTopicTexts texts = Texts(1, "SUX+MOZ");
  EXPECT_TRUE(texts.Keyword.empty());
  EXPECT_TRUE(texts.PersonLines.empty());
  EXPECT_TRUE(texts.MutualLines.empty());
  EXPECT_EQ(texts.MutualCaptionToken, 0);
}

TEST_F(TopicTextsTest, OneWayContactFillsThePartnersPaneFromTheOtherSide) {
  const auto [a, b] = Contact(ann_, bob_, false);
  const std::string p = ann_.GetOverlayPolarity(a, b);
  const std::string code = a + "X" + p + b + "Z", other = b + "X" + p + a + "Z";
  for (const auto& c : {code, other, other + "/M", std::string("Q13"), a + "/" + b}) texts_.Add(c);
  const TTopicTexts texts = Texts(1, code);
  EXPECT_EQ(texts.PersonLines, (TLines{code + " for Ann with Bob"}));
  EXPECT_EQ(texts.PartnerLines,
            (TLines{other + " for Bob with Ann", other + "/M for Bob with Ann"}));
  EXPECT_TRUE(texts.MutualLines.empty());
}

TEST_F(TopicTextsTest, MutualContactAddsTheIntroductionAndThePairText) {
  const auto [a, b] = Contact(ann_, bob_, true);
  const std::string p = ann_.GetOverlayPolarity(a, b);
  const std::string code = a + "X" + p + b + "Z";
  texts_.Add(code);
  for (const char* q : {"Q13", "Q14", "Q15", "Q16"}) texts_.Add(q);
  texts_.Add(b + "/" + a);  // only the reversed pair: read from Bob's side
  const TTopicTexts texts = Texts(1, code);
  ASSERT_EQ(texts.MutualLines.size(), 3u);
  EXPECT_EQ(texts.MutualLines[0], "Q13 for Ann with Bob");
  EXPECT_EQ(texts.MutualLines[1].substr(0, 2), "Q1");
  EXPECT_EQ(texts.MutualLines[2], b + "/" + a + " for Bob with Ann");
  EXPECT_EQ(texts.MutualCaptionToken, 946);
}

TEST_F(TopicTextsTest, BodyInSignReadsTheDoubleTextFromWhicheverSideHasIt) {
  const std::string mine = "VE" + ann_.GetSignCode("VE"), his = "VE" + bob_.GetSignCode("VE");
  texts_.Add(mine);
  texts_.Add(his + "/" + mine);
  const TTopicTexts texts = Texts(1, mine);
  ASSERT_FALSE(texts.MutualLines.empty());
  EXPECT_EQ(texts.MutualLines[0], his + "/" + mine + " for Bob with Ann");
  EXPECT_EQ(texts.MutualCaptionToken, 950);
  EXPECT_TRUE(texts.PartnerLines.empty());
}

// A double text's heading runs on into its sentence, also for the
// Descendant, whose codes hold "/D" without being seventh-house codes.
TEST_F(TopicTextsTest, DoubleTextHeadingRunsOnIntoItsSentence) {
  const std::string mine = "DS" + ann_.GetSignCode("DS"), his = "DS" + bob_.GetSignCode("DS");
  texts_.Add(mine);
  texts_.AddText(mine + "/" + his, "%X5 and %Z5 Descendants|meet.");
  const TTopicTexts texts = Texts(1, mine);
  ASSERT_FALSE(texts.MutualLines.empty());
  EXPECT_EQ(texts.MutualLines[0], "Ann's and Bob's Descendants meet.");
}

TEST_F(TopicTextsTest, SharedAspectTakesThePairTextInEitherOrder) {
  std::string a, b;
  for (std::string_view x : {"SU", "MO", "ME", "VE", "MA"})
    for (std::string_view y : kBodyCodes)
      if (a.empty() && x != y && ann_.GetAspectPolarity(x, y) != "U" &&
          bob_.GetAspectPolarity(x, y) != "U") {
        a = x;
        b = y;
      }
  ASSERT_FALSE(a.empty()) << "the pair shares no aspect";
  const std::string code = a + ann_.GetAspectPolarity(a, b) + b;
  for (const auto& c : {code, std::string("Q07"), std::string("Q09"), b + "/" + a}) texts_.Add(c);
  const TTopicTexts texts = Texts(1, code);
  EXPECT_EQ(texts.MutualCaptionToken, 945);
  ASSERT_EQ(texts.MutualLines.size(), 3u) << ::testing::PrintToString(texts.MutualLines);
  EXPECT_EQ(texts.MutualLines[0], "Q07 for Ann with Bob");
  EXPECT_EQ(texts.MutualLines[1], "Q09 for Ann with Bob");  // Q08/Q10 missing: Q09
  EXPECT_EQ(texts.MutualLines[2], b + "/" + a + " for Bob with Ann");
}

}  // namespace
}  // namespace vyn
