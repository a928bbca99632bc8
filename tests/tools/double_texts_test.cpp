// The double texts composed from fragments: how two signs relate, which
// alternative a pair takes, how a record is put together from a small
// fragment file, that written records win, that a faulty file stops the
// build with its file and line, and that the shipped fragments compose
// every pair of signs.
#include "tools/database/double_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <set>
#include <sstream>

#include "engine/planets.h"
#include "interpretation/code_enumerator.h"
#include "tools/database/interpretation_tables.h"

namespace vyn::tools {
namespace {

namespace fs = std::filesystem;

TEST(DoubleTextsRelation, FollowsTheDistanceOfTheSignsBothWaysRound) {
  struct TCase {
    int sign1, sign2;
    TSignRelation relation;
    const char* key;
  };
  const TCase cases[] = {
      {0, 0, TSignRelation::srSame, "same"},
      {11, 11, TSignRelation::srSame, "same"},
      {0, 1, TSignRelation::srSemisextile, "semisextile"},
      {11, 0, TSignRelation::srSemisextile, "semisextile"},
      {0, 11, TSignRelation::srSemisextile, "semisextile"},
      {0, 2, TSignRelation::srSextile, "sextile"},
      {10, 0, TSignRelation::srSextile, "sextile"},
      {1, 11, TSignRelation::srSextile, "sextile"},
      {0, 3, TSignRelation::srSquare, "square"},
      {9, 0, TSignRelation::srSquare, "square"},
      {10, 1, TSignRelation::srSquare, "square"},
      {0, 4, TSignRelation::srTrine, "trine"},
      {8, 0, TSignRelation::srTrine, "trine"},
      {11, 3, TSignRelation::srTrine, "trine"},
      {0, 5, TSignRelation::srQuincunx, "quincunx"},
      {7, 0, TSignRelation::srQuincunx, "quincunx"},
      {11, 4, TSignRelation::srQuincunx, "quincunx"},
      {0, 6, TSignRelation::srOpposition, "opposition"},
      {6, 0, TSignRelation::srOpposition, "opposition"},
      {5, 11, TSignRelation::srOpposition, "opposition"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SignRelationOf(c.sign1, c.sign2), c.relation) << c.sign1 << " " << c.sign2;
    EXPECT_STREQ(SignRelationKey(SignRelationOf(c.sign1, c.sign2)), c.key);
  }
}

// A person with one sign reads two texts of the same relation against
// partners on either side (Leo against Aries and against Sagittarius); the
// two must not take the same alternative when the number of alternatives
// fits the relation's chain of pairs.
TEST(DoubleTextsRelation, PairsSharingASignTakeDifferentAlternatives) {
  for (int distance = 1; distance <= 5; ++distance) {
    const std::vector<std::size_t> counts =
        distance == 3 ? std::vector<std::size_t>{2, 4} : std::vector<std::size_t>{3};
    for (std::size_t count : counts) {
      for (int sign = 0; sign < 12; ++sign) {
        const int before = (sign + 12 - distance) % 12, after = (sign + distance) % 12;
        EXPECT_NE(AlternativeRule(before, sign) % count, AlternativeRule(sign, after) % count)
            << "distance " << distance << ", " << count << " alternatives, shared sign " << sign;
      }
    }
  }
  // Either order of the two signs gives the same rule.
  for (int sign1 = 0; sign1 < 12; ++sign1)
    for (int sign2 = 0; sign2 < 12; ++sign2)
      EXPECT_EQ(AlternativeRule(sign1, sign2), AlternativeRule(sign2, sign1));
}

const char* const kSignNames[] = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                  "Leo",         "Virgo",     "Libra",    "Scorpio",
                                  "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
const char* const kElements[] = {"fire", "earth", "air", "water"};
const char* const kModalities[] = {"cardinal", "fixed", "mutable"};
const char* const kRelations[] = {"same",  "semisextile", "sextile",   "square",
                                  "trine", "quincunx",    "opposition"};

// A complete fragment file for the Sun alone; its lines numbered from 1.
std::vector<std::string> SunFragmentLines() {
  std::vector<std::string> lines = {"Kind\tKey\tText", "# the Sun only", "", "name\tSU\tSun",
                                    "plural\tSU\tSuns"};
  for (int sign = 0; sign < 12; ++sign) {
    const std::string code(kSignCodes[static_cast<std::size_t>(sign)]);
    lines.push_back("sign\t" + code + "\t" + kSignNames[sign]);
    lines.push_back("element\t" + code + "\t" + kElements[sign % 4]);
    lines.push_back("modality\t" + code + "\t" + kModalities[sign % 3]);
    const std::string text = code == "AR"   ? "{P} leads {O3}"
                             : code == "LE" ? "{P5} heart warms {O3}"
                                            : "{P} likes " + code;
    lines.push_back("fragment\tSU" + code + "\t" + text);
  }
  lines.push_back("heading\tsame\tBoth {Bs} in {S1}");
  lines.push_back("heading\tdifferent\t{B} in {S1} and {S2}");
  lines.push_back("mtitle\tsame\t{B} in {S1}");
  lines.push_back("mtitle\tdifferent\t{B} in {S1}/{S2}");
  for (const std::string relation : kRelations) {
    lines.push_back("opening\t" + relation + "\tmeet as " + relation +
                    ", {E1} and {E2}, {M1} and {M2}.");
    lines.push_back("join\t" + relation + "\t{F1}; {F2}.");
    lines.push_back("advice\t" + relation + "\t" + relation + " advice.");
    lines.push_back("title\t" + relation + "\t{Bs} " + relation);
  }
  lines.push_back("advice\ttrine\tOther trine advice.");
  return lines;
}

class DoubleTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("vyn_double_texts_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::vector<std::string>& lines) {
    const std::string file = (dir_ / name).string();
    std::ofstream out(file, std::ios::binary);
    for (const std::string& line : lines) out << line << '\n';
    return file;
  }

  static const TInterpRecord& Find(const std::vector<TInterpRecord>& records,
                                   const std::string& code) {
    const auto it = std::find_if(records.begin(), records.end(),
                                 [&](const TInterpRecord& r) { return r.Code == code; });
    if (it == records.end()) throw std::runtime_error("no record " + code);
    return *it;
  }

  // The error of reading `files` in order and composing, or "".
  static std::string ErrorOf(const std::vector<std::string>& files) {
    try {
      TDoubleFragments fragments;
      for (const std::string& file : files) fragments.Read(file);
      fragments.Compose();
    } catch (const std::runtime_error& error) {
      return error.what();
    }
    return "";
  }

  fs::path dir_;
};

TEST_F(DoubleTextsTest, ComposesOneRecordPerPairOfSignsFromTheFragments) {
  TDoubleFragments fragments;
  fragments.Read(Write("UK.tsv", SunFragmentLines()));
  const auto records = fragments.Compose();
  ASSERT_EQ(records.size(), 78u);
  EXPECT_EQ(records.front().Code, "SUAR/SUAR");
  EXPECT_EQ(records.back().Code, "SUPI/SUPI");

  // The person's fragment speaks of %X, the partner's of %Z, and {O...}
  // names the other one of the two.
  const TInterpRecord& trine = Find(records, "SUAR/SULE");
  EXPECT_EQ(trine.TextK,
            "Sun in Aries and Leo|meet as trine, fire and fire, cardinal and fixed. "
            "%X leads %Z3; %Z5 heart warms %X3.`trine advice.");
  EXPECT_EQ(trine.Title, "Suns trine");
  EXPECT_EQ(trine.MTitle, "Sun in Aries/Leo");

  const TInterpRecord& same = Find(records, "SUGE/SUGE");
  EXPECT_EQ(same.TextK,
            "Both Suns in Gemini|meet as same, air and air, mutable and mutable. "
            "%X likes GE; %Z likes GE.`same advice.");
  EXPECT_EQ(same.MTitle, "Sun in Gemini");

  // Pisces and Aries are neighbours across the end of the zodiac.
  EXPECT_EQ(Find(records, "SUAR/SUPI").Title, "Suns semisextile");
  // The next trine sharing Leo takes the other alternative of the advice.
  EXPECT_NE(Find(records, "SULE/SUSG").TextK.find("`Other trine advice."), std::string::npos);
}

TEST_F(DoubleTextsTest, ALaterFileOverridesKeyByKeyAndABodyHasItsOwnLines) {
  const std::string uk = Write("UK.tsv", SunFragmentLines());
  const std::string us = Write("US.tsv", {"Kind\tKey\tText", "advice\ttrine.SU\tThe Sun's own.",
                                          "sign\tLE\tLion", "fragment\tSUAR\t{P} starts"});
  TDoubleFragments fragments;
  fragments.Read(uk);
  fragments.Read(us);
  const auto records = fragments.Compose();
  EXPECT_EQ(Find(records, "SUAR/SULE").TextK,
            "Sun in Aries and Lion|meet as trine, fire and fire, cardinal and fixed. "
            "%X starts; %Z5 heart warms %X3.`The Sun's own.");
  // The body's own advice replaces both general alternatives.
  EXPECT_NE(Find(records, "SULE/SUSG").TextK.find("`The Sun's own."), std::string::npos);
  // Keys the later file does not name keep their lines.
  EXPECT_NE(Find(records, "SUTA/SUTA").TextK.find("%X likes TA"), std::string::npos);
}

TEST_F(DoubleTextsTest, AWrittenRecordWinsOverTheComposedOneInEitherOrder) {
  const std::string file = Write("UK.tsv", SunFragmentLines());
  std::vector<TInterpRecord> doubles = {{"SUAR/SULE", "Written", "", "Written text."},
                                        {"SUTA/SUAR", "Reversed", "", "Written the other way."}};
  AddComposedDoubles(doubles, {file, (dir_ / "missing.tsv").string()});
  ASSERT_EQ(doubles.size(), 78u);
  std::set<std::string> codes;
  for (const auto& record : doubles) codes.insert(record.Code);
  EXPECT_EQ(codes.size(), 78u);
  EXPECT_FALSE(codes.count("SUAR/SUTA"));
  EXPECT_EQ(Find(doubles, "SUAR/SULE").TextK, "Written text.");
  EXPECT_EQ(Find(doubles, "SUTA/SUAR").TextK, "Written the other way.");

  std::vector<TInterpRecord> none;
  AddComposedDoubles(none, {(dir_ / "missing.tsv").string()});
  EXPECT_TRUE(none.empty());
}

TEST_F(DoubleTextsTest, AFaultyFileNamesItsFileAndLine) {
  struct TCase {
    std::string line;      // appended after the last line, or "" to drop `drop`
    std::string drop;      // the line to leave out
    std::string expected;  // after "UK.tsv:<number of the appended line>: " when one is
  };
  const auto base = SunFragmentLines();
  const std::string appended = "UK.tsv:" + std::to_string(base.size() + 1) + ": ";
  const TCase cases[] = {
      {"opening\ttrine", "", "a line has 3 fields"},
      {"opening\ttrine\tA\tB", "", "a line has 3 fields"},
      {"colour\tSU\tRed", "", "unknown kind \"colour\""},
      {"advice\ttrine\t", "", "empty key or text"},
      {"opening\ttrin\tx.", "", "\"trin\" is not a key of kind opening, which takes a relation"},
      {"advice\ttrine.XX\tx.", "", "\"trine.XX\" is not a key of kind advice"},
      {"fragment\tSUXX\t{P} x", "", "\"SUXX\" is not a key of kind fragment"},
      {"heading\ttrine\tx", "", "\"trine\" is not a key of kind heading"},
      {"opening\ttrine\tAn {Unknown} token.", "", "{Unknown} is not a token of kind opening"},
      {"advice\ttrine\tUse {F1}.", "", "{F1} is not a token of kind advice"},
      {"fragment\tSUAR\t{P} likes {S1}", "", "{S1} is not a token of kind fragment"},
      {"sign\tAR\t{B}", "", "{B} is not a token of kind sign"},
      {"title\ttrine\tOpen {B", "", "an unclosed \"{\""},
      {"", "fragment\tSUPI\t{P} likes PI", "UK.tsv:9: the fragments of SU lack SUPI"},
      {"", "advice\tquincunx\tquincunx advice.", "UK.tsv: no advice for \"quincunx\" (SU)"},
      {"", "sign\tVI\tVirgo", "UK.tsv: no sign for \"VI\""},
  };
  for (const auto& c : cases) {
    std::vector<std::string> lines;
    for (const auto& line : base)
      if (c.drop.empty() || line != c.drop) lines.push_back(line);
    if (!c.line.empty()) lines.push_back(c.line);
    const std::string error = ErrorOf({Write("UK.tsv", lines)});
    const std::string expected = c.line.empty() ? c.expected : appended + c.expected;
    EXPECT_NE(error.find(expected), std::string::npos)
        << "case \"" << c.line << c.drop << "\" gave: " << error;
  }
  EXPECT_NE(ErrorOf({Write("UK.tsv", {"Code\tText"})}).find("UK.tsv:1: the header must read"),
            std::string::npos);
  EXPECT_NE(ErrorOf({(dir_ / "none.tsv").string()}).find("none.tsv: cannot be read"),
            std::string::npos);
}

// The shipped fragments: every pair of signs of every body, under a code
// the double family knows, with every token replaced.
TEST(DoubleTextsShipped, ComposeEveryPairOfSignsInEachLanguage) {
  const std::string dir = std::string(VYN_CONTENT_DIR) + "/interpretation";
  const auto& families = EnumerateCodes();
  const auto family = std::find_if(families.begin(), families.end(),
                                   [](const TCodeFamily& f) { return f.Name == "doubles"; });
  ASSERT_NE(family, families.end());
  for (const char* language : {"UK", "US"}) {
    const auto records = InterpretationRecords(dir, language);
    ASSERT_TRUE(records.count("doubles")) << language;
    std::set<std::string> pairs;
    for (const TInterpRecord& record : records.at("doubles")) {
      EXPECT_TRUE(std::binary_search(family->Codes.begin(), family->Codes.end(), record.Code))
          << record.Code;
      const std::string first = record.Code.substr(0, 4), second = record.Code.substr(5);
      pairs.insert(std::min(first, second) + std::max(first, second));
      for (const std::string* text : {&record.TextK, &record.Title, &record.MTitle}) {
        EXPECT_EQ(text->find_first_of("{}"), std::string::npos) << record.Code << ": " << *text;
        EXPECT_FALSE(text->empty()) << record.Code;
      }
      EXPECT_NE(record.TextK.find('|'), std::string::npos) << record.Code;
    }
    EXPECT_EQ(pairs.size(), 702u) << language;
    EXPECT_EQ(records.at("doubles").size(), 702u) << language;
  }
}

// Pairs of one relation that share a sign read different alternatives only
// when the number of alternatives divides the length of the relation's
// chain of pairs (12 / gcd(12, distance)); the shipped files keep to that.
TEST(DoubleTextsShipped, AlternativesFitTheChainsOfTheirRelation) {
  const std::map<std::string, int> distances = {
      {"semisextile", 1}, {"sextile", 2}, {"square", 3}, {"trine", 4}, {"quincunx", 5}};
  for (const char* language : {"UK", "US"}) {
    const std::string file =
        std::string(VYN_CONTENT_DIR) + "/interpretation/" + language + "/" + kDoubleFragmentFile;
    std::ifstream in(file);
    ASSERT_TRUE(in) << file;
    std::map<std::string, std::size_t> counts;  // "kind key" -> lines
    for (std::string line; std::getline(in, line);) {
      std::istringstream fields(line);
      std::string kind, key;
      std::getline(fields, kind, '\t');
      std::getline(fields, key, '\t');
      if (kind == "opening" || kind == "join" || kind == "advice") ++counts[kind + " " + key];
    }
    for (const auto& [group, count] : counts) {
      const std::string relation =
          group.substr(group.find(' ') + 1, group.find('.') - group.find(' ') - 1);
      const auto distance = distances.find(relation);
      if (distance == distances.end()) continue;  // one pair per sign: any number fits
      const std::size_t chain = 12 / static_cast<std::size_t>(std::gcd(12, distance->second));
      EXPECT_EQ(chain % count, 0u) << language << ": " << count << " lines of " << group;
    }
  }
}

}  // namespace
}  // namespace vyn::tools
