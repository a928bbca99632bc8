// "%PS" and "%DR": short texts of a body and of the descendant ruler in
// their signs, read from the text table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interpretation/short_texts.h"
#include "tests/interpretation/interp_fixture.h"

namespace vyn {
namespace {

class ShortTextsTest : public testing::TextTableTest {
 protected:
  void SetUp() override {
    TextTableTest::SetUp();
    // The chart is not calculated: its codes are those of a chart whose
    // points all lie at 0 degrees, which is all these cases need; the
    // descendant ruler's sign differs from the descendant's.
    ASSERT_NE(chart_.GetSignCode(chart_.DescendantRuler()), chart_.GetSignCode("DS"));
    AddText("MO" + chart_.GetSignCode("MO") + "/K", "moon short");
    AddText("DR" + chart_.GetSignCode(chart_.DescendantRuler()) + "/K", "ruler short");
    // Records a wrong look-up would find.
    AddText("SU" + chart_.GetSignCode("SU") + "/K", "wrong: the Sun");
    AddText("DR" + chart_.GetSignCode("DS") + "/K", "wrong: the descendant's sign");
  }

  THoroscope chart_;
};

struct ShortCase {
  const char* name;
  std::string text;
  std::string topicCode;
  std::string expected;
};

TEST_F(ShortTextsTest, ExpandsTheFirstOccurrenceOfEach) {
  const std::vector<ShortCase> cases = {
      {"body short text between accents, the blank before dropped",
       "The Moon %PS in her sign.", "MOAR", "The Moon`moon short` in her sign."},
      {"the topic code's body counts, whatever follows it",
       "x %PS", "MOX+SUZ", "x`moon short`"},
      {"at the very start nothing is dropped", "%PS and more", "MO05", "`moon short` and more"},
      {"a whole character is dropped", "Mond é%PS.", "MO05", "Mond `moon short`."},
      {"ruler short text, no closing accent", "Ruled %DR here", "MO05",
       "Ruled`ruler short here"},
      {"both", "a %PS b %DR c", "MO05", "a`moon short` b`ruler short c"},
      {"only the first of each", "a %PS b %PS c %DR d %DR", "MO05",
       "a`moon short` b %PS c`ruler short d %DR"},
      {"%DR as the first character stays", "%DR first", "MO05", "%DR first"},
      {"%DR first in the text after %PS is expanded", "%PS%DR", "MO05",
       "`moon short`ruler short"},
      {"no record for the body leaves %PS", "x %PS y", "VE05", "x %PS y"},
      {"a short topic code finds nothing", "x %PS y", "M", "x %PS y"},
      {"no placeholders", "plain text", "MO05", "plain text"},
  };
  for (const ShortCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ExpandShortTexts(c.text, chart_, c.topicCode, table_), c.expected);
  }
}

}  // namespace
}  // namespace vyn
