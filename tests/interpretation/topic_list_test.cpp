// The topic list: four groups of own, aspect and overlay codes of two
// charts, made up here code by code.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "interpretation/interp_record.h"
#include "interpretation/pair_codes.h"
#include "interpretation/topic_list.h"
#include "tests/interpretation/interp_fixture.h"

namespace vyn {
namespace {

using Topics = std::vector<std::string>;

// A chart whose codes are given: signs, houses and overlay houses per body
// with a default, polarities per pair ("U" unless given).
struct TMadeUpChart : TPairCodes {
  std::string name;
  std::string sign, house, overlayHouse, ruler;
  std::map<std::string, std::string> houses;
  std::map<std::pair<std::string, std::string>, std::string> aspects, overlays;
  bool active = true;

  bool Active() const override { return active; }
  std::string FirstName() const override { return name; }
  std::string DescendantRuler() const override { return ruler; }
  std::string GetSignCode(std::string_view) const override { return sign; }
  std::string GetHouseCode(std::string_view body) const override {
    const auto it = houses.find(std::string(body));
    return it == houses.end() ? house : it->second;
  }
  std::string GetOverlayHouseCode(std::string_view) const override { return overlayHouse; }
  std::string GetAspectPolarity(std::string_view a, std::string_view b) const override {
    return Polarity(aspects, a, b);
  }
  std::string GetOverlayPolarity(std::string_view a, std::string_view b) const override {
    return Polarity(overlays, a, b);
  }

 private:
  static std::string Polarity(const std::map<std::pair<std::string, std::string>, std::string>& m,
                              std::string_view a, std::string_view b) {
    const auto it = m.find({std::string(a), std::string(b)});
    return it == m.end() ? "U" : it->second;
  }
};

// Texts that exist for the codes given, with the code as menu title.
struct TMadeUpTexts : TInterpTexts {
  std::map<std::string, std::string, std::less<>> titles;
  std::optional<TInterpRecord> LookUp(std::string_view code) override {
    const auto it = titles.find(code);
    if (it == titles.end()) return std::nullopt;
    return TInterpRecord{it->first, "", it->second, ""};
  }
};

class TopicListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ann_.name = "Ann", ann_.sign = "AR", ann_.house = "01", ann_.overlayHouse = "05";
    bob_.name = "Bob", bob_.sign = "TA", bob_.house = "02", bob_.overlayHouse = "06";
    ann_.ruler = "VE";
    bob_.ruler = "JU";
    ann_.houses = {{"VE", "07"}};
    bob_.houses = {{"SU", "07"}, {"MO", "07"}};
    for (const char* code : {"SU+MO", "JU-SU", "SU+JU", "SU+VE", "SU+SN", "DR-SA", "DR+JU"})
      texts_.titles[code] = code;
  }

  // The topics of group g.
  static Topics Group(const TTopicList& list, int g) {
    std::size_t start = 0;
    for (int i = 0; i < g; ++i) start += static_cast<std::size_t>(list.GroupSizes[i]);
    const auto first = list.Topics.begin() + static_cast<std::ptrdiff_t>(start);
    return Topics(first, first + list.GroupSizes[g]);
  }

  TMadeUpChart ann_, bob_;
  TMadeUpTexts texts_;
};

TEST_F(TopicListTest, WithoutPartnerOnlyTheOwnCodesOfPersonOne) {
  const TTopicList list = BuildTopicList(ann_, nullptr, texts_);
  EXPECT_EQ(Group(list, 0), (Topics{"Ann:SUAR", "Ann:SU01", "Ann:MOAR", "Ann:MO01"}));
  EXPECT_EQ(Group(list, 1), (Topics{"Ann:DSAR", "Ann:DR01", "Ann:VE07/D"}));
  EXPECT_EQ(Group(list, 2), (Topics{"Ann:VEAR", "Ann:VE07", "Ann:MAAR", "Ann:MA01"}));
  EXPECT_EQ(Group(list, 3), (Topics{"Ann:MEAR", "Ann:ME01"}));
  EXPECT_EQ(list.Topics.size(), 13u);
}

TEST_F(TopicListTest, AnInactiveFirstChartHasNoSunAndMoonGroup) {
  ann_.active = false;
  const TTopicList list = BuildTopicList(ann_, &bob_, texts_);
  EXPECT_EQ(list.GroupSizes[0], 0);
  EXPECT_EQ(list.Topics.front(), "Ann:DSAR");
}

TEST_F(TopicListTest, AspectCodesListMutualContactsTogetherAndPersonTwoAfter) {
  ann_.aspects = {{{"SU", "MO"}, "+"},  // mutual with Bob's
                  {{"JU", "SU"}, "-"},  // asked the other way round; only JU-SU exists
                  {{"SU", "VE"}, "+"},  // covered by the Venus group
                  {{"SU", "SN"}, "+"}};  // the South Node is no candidate
  bob_.aspects = {{{"SU", "MO"}, "+"}, {{"SU", "JU"}, "+"}};
  const TTopicList list = BuildTopicList(ann_, &bob_, texts_);
  EXPECT_EQ(Group(list, 0),
            (Topics{"Ann:SUAR", "Bob:SUTA", "Ann:SU01", "Bob:SU07", "Ann:SUX05Z", "Bob:SUX06Z",
                    "Ann:SU+MO", "Bob:SU+MO", "Ann:JU-SU", "Bob:SU+JU",
                    "Ann:MOAR", "Bob:MOTA", "Ann:MO01", "Bob:MO07", "Ann:MOX05Z", "Bob:MOX06Z"}));
}

TEST_F(TopicListTest, DescendantRulerAspectsSkipEachChartsOwnRuler) {
  ann_.aspects = {{{"DR", "SA"}, "-"}, {{"DR", "VE"}, "+"}};
  bob_.aspects = {{{"DR", "SA"}, "-"}, {{"DR", "JU"}, "+"}};
  texts_.titles["DR+VE"] = "DR+VE";
  const TTopicList list = BuildTopicList(ann_, &bob_, texts_);
  EXPECT_EQ(Group(list, 1),
            (Topics{"Ann:DSAR", "Bob:DSTA", "Ann:ASX05Z", "Bob:ASX06Z", "Ann:DR01", "Bob:DR02",
                    "Ann:DR-SA", "Bob:DR-SA", "Ann:VE07/D", "Bob:SU07/D", "Bob:MO07/D"}));
}

TEST_F(TopicListTest, OverlayCodesListMutualContactsTogether) {
  ann_.overlays = {{{"VE", "MA"}, "+"}, {{"SU", "SU"}, "-"}, {{"JU", "SU"}, "+"}};
  bob_.overlays = {{{"VE", "MA"}, "+"}, {{"SU", "SU"}, "-"}, {{"JU", "MO"}, "+"},
                   {{"MC", "SA"}, "-"}};
  const TTopicList list = BuildTopicList(ann_, &bob_, texts_);
  const Topics group1 = Group(list, 0);
  // The same body of both people is one contact, listed for person 1.
  EXPECT_EQ(std::count(group1.begin(), group1.end(), "Ann:SUX-SUZ"), 1);
  EXPECT_EQ(std::count(group1.begin(), group1.end(), "Bob:SUX-SUZ"), 0);
  // Bob's Jupiter with Ann's Moon, asked from Bob's chart for Ann's Moon.
  EXPECT_EQ(group1.back(), "Ann:MOX+JUZ");
  EXPECT_EQ(Group(list, 2),
            (Topics{"Ann:VEAR", "Bob:VETA", "Ann:VE07", "Bob:VE02", "Ann:VEX05Z", "Bob:VEX06Z",
                    "Ann:VEX+MAZ", "Bob:VEX+MAZ",
                    "Ann:MAAR", "Bob:MATA", "Ann:MA01", "Bob:MA02", "Ann:MAX05Z", "Bob:MAX06Z"}));
  // Jupiter's pair with the Sun is the Sun group's; Bob's Midheaven with
  // Ann's Saturn is found from both sides.
  EXPECT_EQ(Group(list, 3),
            (Topics{"Ann:MEAR", "Bob:META", "Ann:ME01", "Bob:ME02", "Ann:MEX05Z", "Bob:MEX06Z",
                    "Ann:JUX05Z", "Bob:JUX06Z", "Ann:SAX05Z", "Bob:SAX06Z", "Ann:SAX-MCZ",
                    "Bob:MCX-SAZ"}));
}

TEST_F(TopicListTest, FindsTopicsOfEitherPersonAndTheirGroups) {
  ann_.aspects = {{{"SU", "MO"}, "+"}};
  bob_.overlays = {{{"MC", "SA"}, "-"}};
  const TTopicList list = BuildTopicList(ann_, &bob_, texts_);

  EXPECT_TRUE(IsListed(list, "SU+MO"));
  EXPECT_TRUE(IsListed(list, "MO+SU"));  // an aspect code reversed
  EXPECT_TRUE(IsListed(list, "MCX-SAZ"));
  EXPECT_FALSE(IsListed(list, "MCX+SAZ"));
  EXPECT_FALSE(IsListed(list, "SU-MO"));

  ASSERT_TRUE(FindTopic(list, "SU01", 1));
  EXPECT_EQ(list.Topics[*FindTopic(list, "SU01", 1)], "Ann:SU01");
  EXPECT_EQ(list.Topics[*FindTopic(list, "SUTA", 1)], "Bob:SUTA");  // only Bob's
  EXPECT_EQ(list.Topics[*FindTopic(list, "SUX06Z", 2)], "Bob:SUX06Z");
  EXPECT_EQ(list.Topics[*FindTopic(list, "SUX05Z", 2)], "Ann:SUX05Z");
  EXPECT_FALSE(FindTopic(list, "SU+JU", 1));

  const auto& sizes = list.GroupSizes;
  const std::size_t end1 = static_cast<std::size_t>(sizes[0]);
  const std::size_t end2 = end1 + static_cast<std::size_t>(sizes[1]);
  const std::size_t end3 = end2 + static_cast<std::size_t>(sizes[2]);
  const std::vector<std::pair<std::size_t, int>> boundaries = {
      {0, 0}, {end1 - 1, 0}, {end1, 1}, {end2 - 1, 1}, {end2, 2},
      {end3 - 1, 2}, {end3, 3}, {list.Topics.size() - 1, 3}};
  for (const auto& [index, group] : boundaries)
    EXPECT_EQ(GroupOfTopic(list, index), group) << "topic " << index;
}

TEST(TopicCaptionTest, MenuTitlesExpandedForTheTopicsPerson) {
  TLanguage language;
  testing::UseTokens(language, "UK", testing::GenderTokens());
  THoroscope ann, bob;
  testing::Name(ann, "Ann", "Lee", "F");
  testing::Name(bob, "Bob", "Ray", "M");
  TMadeUpTexts texts;
  texts.titles = {{"SUAR", "%X1 and %Z`second line"}, {"DS", ""}};
  TTopicList list;
  list.Names = {"Ann", "Bob"};
  list.Topics = {"Ann:SUAR", "Bob:SUAR", "Ann:MOTA", "Bob:DS"};
  EXPECT_EQ(TopicCaptions(list, ann, &bob, texts, language),
            (Topics{"Ann: t955 and Bob", "Bob: t953 and Ann", "Ann: ", "Bob: "}));
  // Without a partner every topic is person 1's and %Z stays.
  EXPECT_EQ(TopicCaptions(list, ann, nullptr, texts, language)[0], "Ann: t955 and %Z");
}

TEST(TopicListOfChartsTest, AnInactivePartnerCountsAsNone) {
  THoroscope ann, bob;
  testing::Name(ann, "Ann", "Lee", "F");
  testing::Name(bob, "Bob", "Ray", "M");
  ann.SetPartner(&bob);
  TMadeUpTexts texts;
  const TTopicList list = BuildTopicList(ann, texts);
  EXPECT_EQ(list.GroupSizes[0], 0);  // Ann's chart is not calculated either
  EXPECT_FALSE(list.Topics.empty());
  for (const std::string& topic : list.Topics) EXPECT_EQ(topic.substr(0, 4), "Ann:");
}

}  // namespace
}  // namespace vyn
