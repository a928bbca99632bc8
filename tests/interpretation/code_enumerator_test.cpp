// The enumeration of interpretation codes holds every code that calculated
// charts ask the text table for.
#include "interpretation/code_enumerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>

#include "engine/aspects.h"
#include "engine/ephemeris.h"
#include "engine/planets.h"
#include "interpretation/code_parts.h"
#include "interpretation/interp_record.h"
#include "interpretation/topic.h"
#include "interpretation/topic_list.h"
#include "platform/app_directory.h"
#include "tests/interpretation/interp_fixture.h"

namespace vyn {
namespace {

// A record for every code, so that the topic list takes every candidate.
class EveryText : public TInterpTexts {
 public:
  std::optional<TInterpRecord> LookUp(std::string_view code) override {
    return TInterpRecord{std::string(code), "", "", ""};
  }
};

struct TBirth {
  const char* first;
  const char* sex;
  extended date, time, latitude, longitude;
};

// Pairs spread over decades, both hemispheres and both sexes.
const TBirth kPairs[][2] = {
    {{"Ann", "F", 1980.0614L, 12.00L, 52.31L, -13.24L},
     {"Bob", "M", 1978.0302L, 6.30L, 48.08L, -11.34L}},
    {{"Cy", "M", 1955.1123L, 23.45L, -33.52L, -151.13L},
     {"Dee", "F", 1991.0709L, 3.15L, 40.43L, 74.00L}},
    {{"Eve", "F", 1969.0101L, 0.05L, 64.08L, 21.56L},
     {"Fay", "F", 2003.0930L, 17.40L, -22.54L, 43.12L}},
};

class CodeEnumeratorTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    TEphemeris::Shared().Close();
    SetAppDirectory(VYN_TEST_APP_DIR);
    const auto& pair = kPairs[GetParam()];
    Place(one_, pair[0]);
    Place(two_, pair[1]);
    one_.SetPartner(&two_);
    two_.SetPartner(&one_);
    one_.SetActive(true);
    two_.SetActive(true);
    ASSERT_TRUE(one_.EphemerisOpen());
  }
  void TearDown() override {
    TEphemeris::Shared().Close();
    SetAppDirectory("");
  }

  static void Place(THoroscope& chart, const TBirth& birth) {
    testing::Name(chart, birth.first, "Test", birth.sex);
    chart.SetBirthDate(birth.date);
    chart.SetBirthTime(birth.time);
    chart.SetLatitude(birth.latitude);
    chart.SetLongitude(birth.longitude);
    for (int row = 1; row <= kAspectKinds; ++row)
      for (int point = 1; point <= kAspectPoints; ++point) chart.SetOrb(row, point, 8);
  }

  const THoroscope& Chart(int person) const { return person == 1 ? one_ : two_; }

  // The additions a pane looks up beside the code of a topic.
  std::vector<std::string> Additions(const std::string& code, int person) const {
    const THoroscope& chart = Chart(person);
    std::vector<std::string> codes = {code + "/" + chart.Sex()};
    const cResult parts = ParseCode(code, person, {"a", "b"});
    if (parts.Kind == "Cross" && !IsHouseNumber(parts.Second)) {
      const std::string lead = chart.GetLeadCode(parts.First, parts.Second);
      if (lead == "X" || lead == "Z") {
        std::string text = lead == "X" ? parts.First : parts.Second;
        if (parts.First == parts.Second) text += lead;
        codes.push_back(code + "/" + text);
      }
    }
    return codes;
  }

  THoroscope one_, two_;
  EveryText texts_;
};

void ExpectEnumerated(const std::string& code, const std::string& why) {
  EXPECT_NE(FamilyOfCode(code), nullptr) << code << " (" << why << ") is not enumerated";
}

TEST_P(CodeEnumeratorTest, EveryTopicAndItsAdditionsAreEnumerated) {
  const TTopicList list = BuildTopicList(one_, texts_);
  ASSERT_GT(list.Topics.size(), 20u);
  for (const std::string& topic : list.Topics) {
    const int person = TopicStartsWith(topic, one_.FirstName() + ":") ? 1 : 2;
    const std::string code = TopicCode(topic, Chart(person).FirstName());
    ExpectEnumerated(code, "topic " + topic);
    for (const std::string& addition : Additions(code, person))
      ExpectEnumerated(addition, "addition to " + topic);
    ExpectEnumerated(code.substr(0, 2) + Chart(person).GetSignCode(code.substr(0, 2)) + "/K",
                     "short text of " + topic);
  }
}

TEST_P(CodeEnumeratorTest, PrintedAndGraphCodesOfThePairAreEnumerated) {
  for (std::string_view body : kBodyCodes) {
    const std::string b(body);
    if (b == "NN" || b == "SN") continue;
    ExpectEnumerated(b + one_.GetSignCode(b), "sign");
    ExpectEnumerated(b + one_.GetSignCode(b) + "/" + one_.Sex(), "sign by sex");
    ExpectEnumerated(b + "/" + one_.GetSignCode(b), "body and sign in the mutual pane");
  }
  ExpectEnumerated("DR" + one_.GetSignCode("DR") + "/K", "descendant ruler's short text");
  ExpectEnumerated("DRX" + one_.GetOverlayHouseCode("DR") + "Z", "descendant ruler overlay");
  for (const char* row : {"SU", "MO", "ME", "VE", "MA", "DS", "MC"}) {
    const std::string c(row);
    ExpectEnumerated(c + one_.GetSignCode(c) + "/" + c + two_.GetSignCode(c), "double");
    for (std::string_view other : kBodyCodes) {
      const std::string t(other);
      if (t == c || t == "DS" || t == "IC") continue;
      std::string s = one_.GetOverlayPolarity(c, t);
      if (s == "U") s = two_.GetOverlayPolarity(t, c);
      if (s == "U") continue;
      ExpectEnumerated(c + "X" + s + t + "Z/G", "summary contact");
      ExpectEnumerated(t + "X" + s + c + "Z/G", "summary contact, reversed");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Pairs, CodeEnumeratorTest, ::testing::Values(0, 1, 2));

TEST(CodeEnumerator, FamiliesAreDisjointAndFindTheirCodes) {
  std::set<std::string> all;
  std::size_t total = 0;
  for (const auto& family : EnumerateCodes()) {
    total += family.Codes.size();
    all.insert(family.Codes.begin(), family.Codes.end());
    for (const auto& code : family.Codes) ASSERT_EQ(FamilyOfCode(code), &family) << code;
  }
  EXPECT_EQ(all.size(), total);
}

TEST(CodeEnumerator, RejectsCodesNoChartProduces) {
  for (const char* code : {"", "SU", "SUXX", "SU13", "SUUSC", "SU+SU", "XZA", "Q04", "8PF",
                           "SUAR/X", "NNAR", "SUAR/K/M", "9XA", "0102"})
    EXPECT_EQ(FamilyOfCode(code), nullptr) << code;
  EXPECT_EQ(FamilyOfCode("VEX+MAZ/F")->Name, "sex_additions");
  EXPECT_EQ(FamilyOfCode("SUX-SUZ/SUZ")->Name, "lead_additions");
  EXPECT_EQ(FamilyOfCode("XCAZB")->Name, "graph_bars");
  EXPECT_EQ(FamilyOfCode("SUUMO")->Name, "unaspected");
}

// The questions a complete set of texts answers: every alternative of a
// question is a code of the family, and the question of a code is found by
// either of its orders where a reversed code answers too.
const TCodeQuestion* QuestionOf(const TCodeFamily& family, const std::string& code) {
  for (const auto& question : family.Required)
    if (std::find(question.begin(), question.end(), code) != question.end()) return &question;
  return nullptr;
}

const TCodeFamily& FamilyNamed(const std::string& name) {
  for (const auto& family : EnumerateCodes())
    if (family.Name == name) return family;
  throw std::runtime_error("no family " + name);
}

TEST(CodeEnumerator, RequiredQuestionsNameTheCodesThatAnswerThem) {
  struct TCase {
    const char* family;
    const char* code;
    std::vector<std::string> question;  // empty: the code is not required
  };
  const TCase cases[] = {
      {"aspects", "MO+SU", {"MO+SU", "SU+MO"}},
      {"aspects", "SU-MO", {"MO-SU", "SU-MO"}},
      {"overlay_aspects", "SUX+MOZ", {"SUX+MOZ"}},
      {"overlay_aspects", "DSX-PLZ", {"DSX-PLZ"}},
      {"overlay_aspects", "URX+SUZ", {}},
      {"pairs", "UR/SU", {"SU/UR", "UR/SU"}},
      {"pairs", "VE/VE", {"VE/VE"}},
      {"pairs", "UR/NE", {}},
      {"pairs", "SU/AR", {}},
      {"doubles", "SUTA/SUAR", {"SUAR/SUTA", "SUTA/SUAR"}},
      {"doubles", "MCLE/MCLE", {"MCLE/MCLE"}},
      {"graph_contacts", "JUX-VEZ/G", {"JUX-VEZ/G", "VEX-JUZ/G"}},
      {"short_texts", "DRPI/K", {"DRPI/K"}},
      {"sex_additions", "SUAR/M", {}},
      {"lead_additions", "SUX-SUZ/SUZ", {}},
      {"unaspected", "SUUMO", {}},
  };
  for (const TCase& c : cases) {
    const TCodeFamily& family = FamilyNamed(c.family);
    ASSERT_EQ(FamilyOfCode(c.code), &family) << c.code;
    const TCodeQuestion* question = QuestionOf(family, c.code);
    if (c.question.empty()) {
      EXPECT_EQ(question, nullptr) << c.code << " is required";
      continue;
    }
    ASSERT_NE(question, nullptr) << c.code << " is not required";
    EXPECT_EQ(std::set<std::string>(question->begin(), question->end()),
              std::set<std::string>(c.question.begin(), c.question.end()))
        << c.code;
  }
  for (const auto& family : EnumerateCodes())
    for (const auto& question : family.Required)
      for (const auto& code : question) EXPECT_EQ(FamilyOfCode(code), &family) << code;
  EXPECT_EQ(FamilyNamed("overlay_aspects").Required.size(), 11u * 16u * 2u);
  EXPECT_EQ(FamilyNamed("doubles").Required.size(), 9u * 78u);
}

}  // namespace
}  // namespace vyn
