// The placeholder component works on its lines in place.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interpretation/trans_msg.h"
#include "tests/interpretation/interp_fixture.h"

namespace vyn {
namespace {

class TransMsgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::UseTokens(language_, "UK", testing::GenderTokens());
    testing::Name(person_, "Ann", "Lee", "F");
    testing::Name(partner_, "Bob", "Ray", "M");
  }
  THoroscope person_, partner_;
  TLanguage language_;
};

TEST_F(TransMsgTest, TranslatesItsLinesWithLineBreaksOnAfterCreation) {
  TTransMsg trans;
  EXPECT_TRUE(trans.LineBreaks());
  trans.SetTransLines({"%X1 met %Z.", "%Z1 smiled`later"});
  trans.Translate(person_, &partner_, language_);
  EXPECT_EQ(trans.TransLines(), (std::vector<std::string>{"t955 met Bob.t953 smiled", "later"}));
}

TEST_F(TransMsgTest, WithLineBreaksOffTheAccentsStay) {
  TTransMsg trans;
  trans.SetLineBreaks(false);
  trans.SetTransLines({"%X`%X"});
  trans.Translate(person_, nullptr, language_);
  EXPECT_EQ(trans.TransLines(), std::vector<std::string>{"Ann`Ann"});
}

TEST_F(TransMsgTest, TakesNameSizeAndStyleOfAFont) {
  TTransMsg trans;
  const TTransFont font{"Arial", 11, true, true, false};
  trans.SetFont(font);
  EXPECT_EQ(trans.Font(), font);
}

}  // namespace
}  // namespace vyn
