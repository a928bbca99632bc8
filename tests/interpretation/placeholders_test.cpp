// Placeholder expansion: names, gendered forms by sentence position, the
// order of replacement, line breaks and the working limits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interpretation/placeholders.h"
#include "tests/interpretation/interp_fixture.h"

namespace vyn {
namespace {

using Lines = std::vector<std::string>;

enum class Partner { none, male, female };

struct ExpandCase {
  const char* name;
  Lines lines;
  Lines expected;
  const char* personSex = "F";  // Ann Lee ("F") or Tom Hart ("M")
  Partner partner = Partner::male;  // Bob (male) or Eve (female)
  const char* country = "UK";
  bool lineBreaks = true;
};

const std::vector<ExpandCase> kCases = {
    // Names.
    {"plain name at the start has no start form", {"%X likes it"}, {"Ann likes it"}},
    {"every occurrence", {"%X and %X, %Z and %Z"}, {"Ann and Ann, Bob and Bob"}},
    {"full name before first name", {"%X6 is %X"}, {"Ann Lee is Ann"}},
    {"name with suffix", {"It is %X5 and %Z5 turn"}, {"It is Ann's and Bob's turn"}},
    {"unknown digits follow the name", {"%X7 %Z9"}, {"Ann7 Bob9"}},
    // Gendered forms of the person.
    {"start of text, man", {"%X1 is"}, {"t953 is"}, "M"},
    {"start of text, woman", {"%X1 is"}, {"t955 is"}},
    {"middle, man", {"so %X1 %X2 %X3 %X4"}, {"so t954 t958 t962 t966"}, "M"},
    {"middle, woman", {"so %X1 %X2 %X3 %X4"}, {"so t956 t960 t964 t968"}},
    {"anything but M is female", {"so %X1"}, {"so t956"}, "m"},
    {"right after a full stop", {"Yes.%X2 is"}, {"Yes.t957 is"}, "M"},
    {"full stop and one blank", {"Yes. %X2 is"}, {"Yes. t957 is"}, "M"},
    {"full stop two characters back", {"Yes.\"%X2"}, {"Yes.\"t957"}, "M"},
    {"full stop three characters back", {"Yes. x%X2"}, {"Yes. xt958"}, "M"},
    {"comma and blank", {"Yes, %X2"}, {"Yes, t958"}, "M"},
    {"characters, not bytes, count", {"Ja.é%X1"}, {"Ja.ét953"}, "M"},
    {"a full stop ending the memo line before",
     {"It ends.", "%X1 begins"}, {"It ends.t953 begins"}, "M"},
    {"an empty first memo line", {"", "%X1 begins"}, {"t953 begins"}, "M"},
    // The partner.
    {"partner forms, male", {"%Z1 and %Z2, %Z3 %Z4"}, {"t953 and t958, t962 t966"}},
    {"partner forms, female", {"%Z1 and %Z2", "%Z3"}, {"t955 and t960t964"},
     "F", Partner::female},
    {"blank forms with a male partner", {"see % Z1 and % Z"}, {"see t954 and Bob"}},
    {"blank forms at the start", {"% Z2 came"}, {"t957 came"}},
    {"blank forms stay with a female partner", {"see % Z1 and % Z"},
     {"see % Z1 and % Z"}, "F", Partner::female},
    {"without a partner no %Z is touched", {"%Z1 %Z5 %Z % Z1 %X"}, {"%Z1 %Z5 %Z % Z1 Ann"},
     "F", Partner::none},
    // Brazilian forms of %X5 and %Z5.
    {"BR, woman", {"%X5 e %X5"}, {"t1102 e t1101"}, "F", Partner::male, "BR"},
    {"BR, man and male partner", {"%X5 e %Z5"}, {"t1103 e t1104"}, "M", Partner::male, "BR"},
    {"BR keeps the other names", {"%X6, %X"}, {"Ann Lee, Ann"}, "F", Partner::none, "BR"},
    // Line ends and breaks.
    {"memo lines join, accents break",
     {"The first memo line ", "and the second`with the rest"},
     {"The first memo line and the second", "with the rest"}},
    {"accents stay with line breaks off", {"one`two", "three"}, {"one`twothree"},
     "F", Partner::male, "UK", false},
    {"accent at the start gives an empty line", {"`text"}, {"", "text"}},
    {"no lines stay no lines", {}, {}},
};

class ExpandPlaceholdersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::Name(ann_, "Ann", "Lee", "F");
    testing::Name(tom_, "Tom", "Hart", "M");
    testing::Name(bob_, "Bob", "Ray", "M");
    testing::Name(eve_, "Eve", "Day", "F");
  }

  Lines Expand(const ExpandCase& c) {
    testing::UseTokens(language_, c.country, testing::GenderTokens());
    const THoroscope& person = std::string(c.personSex) == "M" ? tom_ : ann_;
    if (&person == &ann_) ann_.SetSex(c.personSex);
    const THoroscope* partner = c.partner == Partner::male     ? &bob_
                                : c.partner == Partner::female ? &eve_
                                                               : nullptr;
    return ExpandPlaceholders(c.lines, person, partner, language_, c.lineBreaks);
  }

  THoroscope ann_, tom_, bob_, eve_;
  TLanguage language_;
};

TEST_F(ExpandPlaceholdersTest, ExpandsEachCase) {
  for (const ExpandCase& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Expand(c), c.expected);
  }
}

TEST_F(ExpandPlaceholdersTest, InsertedTextIsNotSearchedAgain) {
  testing::UseTokens(language_, "UK", testing::GenderTokens() + "954=%X1 and %Z\n");
  THoroscope person, partner;
  testing::Name(person, "%X6", "%X", "M");
  testing::Name(partner, "%X1", "B", "M");
  EXPECT_EQ(ExpandPlaceholders({"%Z says %X, %X6 and so %X1"}, person, &partner, language_),
            Lines{"%X1 says %X6, %X6 %X and so %X1 and %Z"});
}

// `unit` `count` times, then `tail`.
std::string Repeated(const std::string& unit, std::size_t count, const std::string& tail = "") {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text.append(unit);
  text.append(tail);
  return text;
}

TEST_F(ExpandPlaceholdersTest, ReplacementsAreCutAtTheirLimits) {
  testing::UseTokens(language_, "UK",
                     testing::GenderTokens() + "953=Sentence-start-form\n954=" +
                         Repeated("é", 80, "\n"));
  THoroscope person;
  testing::Name(person, Repeated("f", 40), Repeated("l", 40), "M");

  const Lines out = ExpandPlaceholders({"%X1|%X1|%X6"}, person, nullptr, language_);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0], "Sentence-|" + Repeated("é", 69, "|") + Repeated("f", 40, " ") +
                        Repeated("l", 28));
}

TEST_F(ExpandPlaceholdersTest, TheWorkingTextIsCutAtItsLimit) {
  testing::UseTokens(language_, "UK", testing::GenderTokens());
  THoroscope person;
  testing::Name(person, "Ann", "Lee", "F");
  const auto expand = [&](const Lines& lines) {
    return ExpandPlaceholders(lines, person, nullptr, language_);
  };

  // Longer input is cut to the limit before anything is replaced.
  EXPECT_EQ(expand(Lines(1, Repeated("a", 6000, "%X"))),
            Lines(1, Repeated("a", kMaxWorkingText)));

  // A replacement never makes the text longer than the limit, and the cut
  // never splits a character.
  Lines nearlyFull(1, Repeated("a", kMaxWorkingText - 4, "%X"));
  nearlyFull.push_back("%X");
  EXPECT_EQ(expand(nearlyFull), Lines(1, Repeated("a", kMaxWorkingText - 4, "Ann")));

  testing::Name(person, "Zoë", "Lee", "F");
  EXPECT_EQ(expand(Lines(1, Repeated("é", kMaxWorkingText - 3, "%X"))),
            Lines(1, Repeated("é", kMaxWorkingText - 3, "Zoë")));
  EXPECT_EQ(expand(Lines(1, Repeated("é", kMaxWorkingText - 2, "%X"))),
            Lines(1, Repeated("é", kMaxWorkingText - 2, "Zo")));
}

}  // namespace
}  // namespace vyn
