// The coverage report of the interpretation texts: per family and language
// the number of codes and of required questions, the share of those
// questions a record answers, the number of records, the median length in
// words and the share of sentences that stand in more than one record. It
// fails on a required question left unanswered, a record no chart can ask
// for, and a placeholder that survives expansion for either sex of either
// person.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "interpretation/code_enumerator.h"
#include "interpretation/code_parts.h"
#include "interpretation/pair_codes.h"
#include "interpretation/placeholders.h"
#include "interpretation/topic.h"
#include "interpretation/topic_list.h"
#include "tests/interpretation/interp_fixture.h"
#include "tools/database/interpretation_tables.h"

namespace vyn {
namespace {

const std::string kTextDir = std::string(VYN_CONTENT_DIR) + "/interpretation";

std::size_t Words(const std::string& text) {
  std::istringstream in(text);
  std::size_t count = 0;
  for (std::string word; in >> word;) ++count;
  return count;
}

// The sentences of a text: cut after ".", "!" or "?" and at paragraph
// marks, trimmed.
std::vector<std::string> Sentences(const std::string& text) {
  std::vector<std::string> sentences;
  std::string current;
  const auto flush = [&] {
    const auto first = current.find_first_not_of(' ');
    if (first != std::string::npos) sentences.push_back(current.substr(first));
    current.clear();
  };
  for (char c : text) {
    if (c == '`') {
      flush();
      continue;
    }
    current += c;
    if (c == '.' || c == '!' || c == '?') flush();
  }
  flush();
  return sentences;
}

struct TFamilyFigures {
  std::size_t codes = 0, required = 0, records = 0, medianWords = 0;
  std::vector<std::string> unanswered;  // the first code of each question
  double repeatedShare = 0;
};

TFamilyFigures Figures(const TCodeFamily& family, const std::vector<TInterpRecord>& records) {
  TFamilyFigures figures{family.Codes.size(), family.Required.size(), records.size(), 0, {}, 0};
  std::set<std::string> stored;
  for (const auto& record : records) stored.insert(record.Code);
  for (const TCodeQuestion& question : family.Required)
    if (std::none_of(question.begin(), question.end(),
                     [&](const std::string& code) { return stored.count(code) > 0; }))
      figures.unanswered.push_back(question.front());
  std::vector<std::size_t> words;
  std::map<std::string, std::set<std::string>> recordsOfSentence;
  for (const auto& record : records) {
    words.push_back(Words(record.TextK));
    for (const auto& sentence : Sentences(record.TextK))
      recordsOfSentence[sentence].insert(record.Code);
  }
  if (!words.empty()) {
    std::nth_element(words.begin(), words.begin() + words.size() / 2, words.end());
    figures.medianWords = words[words.size() / 2];
  }
  std::size_t repeated = 0;
  for (const auto& [sentence, codes] : recordsOfSentence) repeated += codes.size() > 1;
  if (!recordsOfSentence.empty())
    figures.repeatedShare = double(repeated) / double(recordsOfSentence.size());
  return figures;
}

class TextCoverage : public ::testing::TestWithParam<const char*> {};

TEST_P(TextCoverage, ReportsEveryFamilyAndKnowsEveryCode) {
  const std::string language = GetParam();
  const auto records = tools::InterpretationRecords(kTextDir, language);
  std::printf("%-4s %-16s %7s %8s %8s %7s %6s %8s\n", "lang", "family", "codes", "required",
              "answered", "records", "median", "repeated");
  for (const auto& family : EnumerateCodes()) {
    const auto it = records.find(family.Name);
    const TFamilyFigures f =
        Figures(family, it == records.end() ? std::vector<TInterpRecord>{} : it->second);
    const std::size_t answered = f.required - f.unanswered.size();
    if (f.required)
      std::printf("%-4s %-16s %7zu %8zu %7.1f%% %7zu %6zu %7.1f%%\n", language.c_str(),
                  family.Name.c_str(), f.codes, f.required,
                  100.0 * double(answered) / double(f.required), f.records, f.medianWords,
                  100.0 * f.repeatedShare);
    else
      std::printf("%-4s %-16s %7zu %8s %8s %7zu %6zu %7.1f%%\n", language.c_str(),
                  family.Name.c_str(), f.codes, "-", "optional", f.records, f.medianWords,
                  100.0 * f.repeatedShare);
  }
  for (const auto& [family, list] : records) {
    for (const auto& record : list) {
      const TCodeFamily* owner = FamilyOfCode(record.Code);
      ASSERT_NE(owner, nullptr) << family << ": " << record.Code << " is produced by no chart";
      EXPECT_EQ(owner->Name, family) << record.Code;
    }
  }
}

// Every question a family requires has its answer: the program never shows
// an empty pane where a text is due.
TEST_P(TextCoverage, EveryRequiredQuestionIsAnswered) {
  const auto records = tools::InterpretationRecords(kTextDir, GetParam());
  for (const auto& family : EnumerateCodes()) {
    const auto it = records.find(family.Name);
    const TFamilyFigures f =
        Figures(family, it == records.end() ? std::vector<TInterpRecord>{} : it->second);
    std::string missing;
    for (std::size_t i = 0; i < f.unanswered.size() && i < 12; ++i)
      missing += " " + f.unanswered[i];
    EXPECT_TRUE(f.unanswered.empty()) << family.Name << ": " << f.unanswered.size()
                                      << " questions without a text, e.g." << missing;
  }
}

// Leftovers of placeholder expansion: a percent sign before X or Z, also
// with one blank between.
bool HasPlaceholder(const std::string& text) {
  for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1)) {
    std::size_t next = at + 1;
    if (next < text.size() && text[next] == ' ') ++next;
    if (next < text.size() && (text[next] == 'X' || text[next] == 'Z')) return true;
  }
  return false;
}

TEST_P(TextCoverage, EveryPlaceholderExpandsForBothSexes) {
  TLanguage language;
  testing::UseTokens(language, GetParam(), testing::GenderTokens());
  const auto records = tools::InterpretationRecords(kTextDir, GetParam());
  for (const char* personSex : {"M", "F"}) {
    for (const char* partnerSex : {"M", "F"}) {
      THoroscope person, partner;
      testing::Name(person, "Ann", "Lee", personSex);
      testing::Name(partner, "Bob", "Ray", partnerSex);
      for (const auto& [family, list] : records)
        for (const auto& record : list)
          for (const std::string* text : {&record.Title, &record.MTitle, &record.TextK})
            for (const std::string& line :
                 ExpandPlaceholders({*text}, person, &partner, language))
              EXPECT_FALSE(HasPlaceholder(line))
                  << record.Code << " (person " << personSex << ", partner " << partnerSex
                  << "): " << line;
    }
  }
}

// A pair in which every body of one chart stands in a harmonious contact
// with every body of the other. The descendant ruler is a body no aspect
// list offers, so that the ruler's list leaves no candidate out.
class TAllInContact : public TPairCodes {
 public:
  explicit TAllInContact(std::string name) : name_(std::move(name)) {}
  bool Active() const override { return true; }
  std::string FirstName() const override { return name_; }
  std::string DescendantRuler() const override { return "SN"; }
  std::string GetSignCode(std::string_view) const override { return "AR"; }
  std::string GetHouseCode(std::string_view) const override { return "01"; }
  std::string GetOverlayHouseCode(std::string_view) const override { return "01"; }
  std::string GetAspectPolarity(std::string_view, std::string_view) const override { return "+"; }
  std::string GetOverlayPolarity(std::string_view, std::string_view) const override { return "+"; }

 private:
  std::string name_;
};

class TEveryCode : public TInterpTexts {
 public:
  std::optional<TInterpRecord> LookUp(std::string_view code) override {
    return TInterpRecord{std::string(code), "", "", ""};
  }
};

// The topic list looks an aspect up first as "own body, polarity, partner's
// body" and takes the reversed code only when that has no text; a text
// stored in the order the list never tries first is read by the person the
// other way round. Every aspect text must stand in the order tried first.
TEST_P(TextCoverage, AspectTextsStandInTheOrderTheTopicListTriesFirst) {
  const TAllInContact one("A"), two("B");
  TEveryCode every;
  std::set<std::string> firstTried;
  for (const std::string& topic : BuildTopicList(one, &two, every).Topics) {
    const std::string code = TopicCode(topic, "A");
    if (ParseCode(code, 1, {"A", "B"}).Kind == "Asps") firstTried.insert(code);
  }
  ASSERT_TRUE(firstTried.count("SU+MO"));
  ASSERT_TRUE(firstTried.count("VE+SU"));
  ASSERT_FALSE(firstTried.count("SU+VE"));
  const auto records = tools::InterpretationRecords(kTextDir, GetParam());
  const auto aspects = records.find("aspects");
  if (aspects == records.end()) return;
  for (const auto& record : aspects->second) {
    std::string plus = record.Code;
    plus[2] = '+';
    EXPECT_TRUE(firstTried.count(plus))
        << record.Code << " is looked up only after " << plus.substr(3) << record.Code[2]
        << plus.substr(0, 2) << ", so its reader has the two bodies the other way round";
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, TextCoverage, ::testing::Values("UK", "US"));

TEST(TextCoverageSentences, AreCutAtStopsAndParagraphs) {
  EXPECT_EQ(Sentences("One. Two!`Three? four"),
            (std::vector<std::string>{"One.", "Two!", "Three?", "four"}));
  EXPECT_TRUE(HasPlaceholder("left % Z1 over"));
  EXPECT_TRUE(HasPlaceholder("%X"));
  EXPECT_FALSE(HasPlaceholder("50% of them"));
}

}  // namespace
}  // namespace vyn
