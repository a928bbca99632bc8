// The topic list of two calculated charts: each person's codes come from
// that person's chart, and a contact both people have in the same form
// stands for person 1 and then, next to it, for person 2.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/planets.h"
#include "interpretation/interp_record.h"
#include "interpretation/topic.h"
#include "interpretation/topic_list.h"
#include "tests/interpretation/chart_pair_fixture.h"

namespace vyn {
namespace {

// A record for every aspect code of two bodies.
class EveryAspectText : public TInterpTexts {
 public:
  std::optional<TInterpRecord> LookUp(std::string_view code) override {
    const bool aspect = code.size() == 5 && (code[2] == '+' || code[2] == '-') &&
                        THoroscope::BodyIndexOf(code.substr(0, 2)) >= 0 &&
                        THoroscope::BodyIndexOf(code.substr(3, 2)) >= 0;
    if (!aspect) return std::nullopt;
    return TInterpRecord{std::string(code), "", "", ""};
  }
};

class ChartPairTopicsTest : public testing::ChartPairTest {
 protected:
  EveryAspectText texts_;
};

TEST_F(ChartPairTopicsTest, EachPersonsCodesComeFromThatPersonsChart) {
  const TTopicList list = BuildTopicList(ann_, texts_);
  ASSERT_GE(list.Topics.size(), 6u);
  const std::vector<std::string> firstSix(list.Topics.begin(), list.Topics.begin() + 6);
  EXPECT_EQ(firstSix, (std::vector<std::string>{
                          "Ann:SU" + ann_.GetSignCode("SU"), "Bob:SU" + bob_.GetSignCode("SU"),
                          "Ann:SU" + ann_.GetHouseCode("SU"), "Bob:SU" + bob_.GetHouseCode("SU"),
                          "Ann:SUX" + ann_.GetOverlayHouseCode("SU") + "Z",
                          "Bob:SUX" + bob_.GetOverlayHouseCode("SU") + "Z"}));
  EXPECT_EQ(list.Topics[static_cast<std::size_t>(list.GroupSizes[0])],
            "Ann:DS" + ann_.GetSignCode("DS"));
}

TEST_F(ChartPairTopicsTest, SharedContactsStandTogetherAndNoTopicTwice) {
  const TTopicList list = BuildTopicList(ann_, texts_);
  EXPECT_EQ(std::set<std::string>(list.Topics.begin(), list.Topics.end()).size(),
            list.Topics.size());
  int sharedContacts = 0;
  for (std::size_t i = 0; i < list.Topics.size(); ++i) {
    const std::string code = TopicCode(list.Topics[i], "Ann");
    if (!TopicStartsWith(list.Topics[i], "Ann:") || code.ends_with("/D")) continue;
    const auto bobs = FindTopic(list, code, 2);
    if (!bobs || !TopicStartsWith(list.Topics[*bobs], "Bob:")) continue;
    EXPECT_EQ(*bobs, i + 1) << "Ann's and Bob's " << code << " stand apart";
    const bool contact = code.find_first_of("+-") != std::string::npos;
    sharedContacts += contact ? 1 : 0;
  }
  // The pair has shared contacts, so the check above saw some.
  EXPECT_GT(sharedContacts, 0);
}

}  // namespace
}  // namespace vyn
