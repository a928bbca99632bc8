// Taking interpretation codes apart.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interpretation/code_parts.h"

namespace vyn {
namespace {

const TPairNames kNames{"Ann", "Bob"};

struct ParseCase {
  std::string code;
  int person;
  cResult expected;  // First, Second, Link, Kind, Name1, Name2
};

const std::vector<ParseCase> kParseCases = {
    {"SUX+MOZ", 1, {"SU", "MO", "+", "Cross", "Ann ", "Bob "}},
    {"VEX-MAZ", 2, {"VE", "MA", "-", "Cross", "Bob ", "Ann "}},
    {"SUX05Z", 1, {"SU", "05", "in ", "Cross", "Ann ", "Bob "}},
    {"ASX01Z", 2, {"AS", "01", "in ", "Cross", "Bob ", "Ann "}},
    {"SU+MO", 1, {"SU", "MO", "+", "Asps", "", ""}},
    {"VE-MA", 2, {"VE", "MA", "-", "Asps", "", ""}},
    {"SUAR", 1, {"SU", "AR", "", "Norm", "Ann", ""}},
    {"DSLI", 2, {"DS", "LI", "", "Norm", "Bob", ""}},
    {"VE07/D", 1, {"VE", "07", "", "Norm", "Ann", ""}},
    // An aspect without polarity is no aspect code.
    {"SUUMO", 1, {"SU", "UM", "", "Norm", "Ann", ""}},
    // Additions keep the parts of the code they add to.
    {"VEX+MAZ/F", 1, {"VE", "MA", "+", "Cross", "Ann ", "Bob "}},
    // Short codes give what there is.
    {"S", 1, {"S", "", "", "Norm", "Ann", ""}},
    {"", 1, {"", "", "", "Norm", "Ann", ""}},
    {"SUX", 1, {"SU", "", "in ", "Cross", "Ann ", "Bob "}},
    {"SUX+", 1, {"SU", "", "+", "Cross", "Ann ", "Bob "}},
    {"SU+", 2, {"SU", "", "+", "Asps", "", ""}},
    // Any person index but 2 counts as 1.
    {"SUAR", 0, {"SU", "AR", "", "Norm", "Ann", ""}},
    {"SUX05Z", 3, {"SU", "05", "in ", "Cross", "Ann ", "Bob "}},
};

TEST(ParseCodeTest, TakesEveryCodeFormApart) {
  for (const ParseCase& c : kParseCases) {
    SCOPED_TRACE("code \"" + c.code + "\", person " + std::to_string(c.person));
    EXPECT_EQ(ParseCode(c.code, c.person, kNames), c.expected);
  }
}

TEST(ParseCodeTest, HouseNumbersAreOneToTwelveInStringOrder) {
  for (const char* house : {"01", "07", "09", "10", "12"})
    EXPECT_TRUE(IsHouseNumber(house)) << house;
  for (const char* other : {"00", "13", "99", "AR", "MO", "UM", "", "0"})
    EXPECT_FALSE(IsHouseNumber(other)) << other;
}

}  // namespace
}  // namespace vyn
