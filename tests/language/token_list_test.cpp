// The token list format: comments, quotes, ignored lines, duplicates, and
// bad numbers reported with their source and line.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "language/token_list.h"

namespace vyn {
namespace {

struct TextCase {
  const char* line;
  int number;
  const char* text;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << c.line; }

class TokenTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TokenTextTest, GivesTheTokenItsText) {
  const TextCase& c = GetParam();
  const TTokenList list = TTokenList::Parse({c.line}, "test");
  EXPECT_TRUE(list.Has(c.number));
  EXPECT_EQ(list.Get(c.number), c.text);
  EXPECT_EQ(list.Texts().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TokenTextTest,
    ::testing::Values(
        TextCase{"5=Sun", 5, "Sun"},
        TextCase{"5=", 5, ""},
        TextCase{"5=  spaced out  ", 5, "spaced out"},
        TextCase{"5=\"  kept blanks \"", 5, "  kept blanks "},
        TextCase{"5= \" blanks before the quote\"", 5, " blanks before the quote"},
        TextCase{"5=\"only a leading quote", 5, "only a leading quote"},
        TextCase{"5=only a trailing quote\"", 5, "only a trailing quote"},
        TextCase{"5=\"say \"hi\" twice\"", 5, "say \"hi\" twice"},
        TextCase{"5=\"", 5, ""},
        TextCase{"5=\"\"", 5, ""},
        TextCase{"5=a=b", 5, "a=b"},
        TextCase{" 7 =x", 7, "x"},
        TextCase{"1=first token", 1, "first token"},
        TextCase{"1600=last token", 1600, "last token"},
        TextCase{"204=Søndag Mandag", 204, "Søndag Mandag"}));

TEST(TokenListTest, SkipsCommentsLinesWithoutEqualsAndNumberZero) {
  const TTokenList list = TTokenList::Parse(
      {"", "   ", "; 5=commented out", ";6=a comment too", "  ; no equals, ignored",
       "no equals sign", "12 no equals either", "0=number zero", "00=zero again",
       "7=kept"},
      "test");
  EXPECT_EQ(list.Texts(), std::vector<std::string>{"kept"});
  for (int number : {0, 5, 6, 12}) EXPECT_FALSE(list.Has(number)) << number;
  EXPECT_EQ(list.Get(7), "kept");
}

TEST(TokenListTest, LaterLineWinsAndKeepsOneText) {
  const TTokenList list =
      TTokenList::Parse({"3=first", "4=other", "3=second", "3=\"third\""}, "test");
  EXPECT_EQ(list.Get(3), "third");
  EXPECT_EQ(list.Get(4), "other");
  EXPECT_EQ(list.Texts().size(), 2u);
}

TEST(TokenListTest, AbsentAndOutOfRangeNumbersGiveEmptyTexts) {
  const TTokenList list = TTokenList::Parse({"1=a", "1600=b"}, "test");
  for (int number : {-1, 0, 2, 1599, 1601, 100000}) {
    EXPECT_EQ(list.Get(number), "") << number;
    EXPECT_FALSE(list.Has(number)) << number;
  }
}

struct BadCase {
  std::vector<std::string> lines;
  int line;
  const char* reason;
};

void PrintTo(const BadCase& c, std::ostream* out) { *out << c.lines.back(); }

class BadTokenLineTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadTokenLineTest, NamesTheSourceAndTheLine) {
  const BadCase& c = GetParam();
  try {
    TTokenList::Parse(c.lines, "menu-GE.TXT");
    FAIL() << "no error";
  } catch (const ETokenListError& e) {
    EXPECT_EQ(e.Source(), "menu-GE.TXT");
    EXPECT_EQ(e.Line(), c.line);
    EXPECT_EQ(std::string(e.what()),
              "menu-GE.TXT, line " + std::to_string(c.line) + ": " + c.reason);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, BadTokenLineTest,
    ::testing::Values(
        BadCase{{"1=a", "; comment", "", "x1=b"}, 4,
                "token number \"x1\" is not a decimal integer"},
        BadCase{{"=no number"}, 1, "token number \"\" is not a decimal integer"},
        BadCase{{"1=a", "12a=b"}, 2, "token number \"12a\" is not a decimal integer"},
        BadCase{{"1.5=b"}, 1, "token number \"1.5\" is not a decimal integer"},
        BadCase{{"1 2=b"}, 1, "token number \"1 2\" is not a decimal integer"},
        BadCase{{"$1F=hex"}, 1, "token number \"$1F\" is not a decimal integer"},
        BadCase{{"2=a", "1601=b"}, 2, "token number \"1601\" is outside 1..1600"},
        BadCase{{"-3=b"}, 1, "token number \"-3\" is outside 1..1600"},
        BadCase{{"99999999999=b"}, 1, "token number \"99999999999\" is outside 1..1600"},
        // Only a line that begins with ";" is a comment.
        BadCase{{"1=a", " ;12=x"}, 2, "token number \";12\" is not a decimal integer"},
        BadCase{{"\t;12=x"}, 1, "token number \";12\" is not a decimal integer"},
        // Characters that would break the message's line are escaped.
        BadCase{{"1\v2=b"}, 1, "token number \"1\\x0B2\" is not a decimal integer"},
        BadCase{{"1\xE2\x80\xA8" "2=b"}, 1,
                "token number \"1\\u20282\" is not a decimal integer"}));

struct EmptyCase {
  std::vector<std::string> lines;
  const char* reason;
};

void PrintTo(const EmptyCase& c, std::ostream* out) { *out << c.reason; }

class EmptyTokenListTest : public ::testing::TestWithParam<EmptyCase> {};

TEST_P(EmptyTokenListTest, IsRefusedNamingTheSource) {
  const EmptyCase& c = GetParam();
  try {
    TTokenList::Parse(c.lines, "menu-GE.TXT");
    FAIL() << "no error";
  } catch (const ETokenListError& e) {
    EXPECT_EQ(e.Line(), 0);
    EXPECT_EQ(std::string(e.what()), std::string("menu-GE.TXT: ") + c.reason);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, EmptyTokenListTest,
    ::testing::Values(EmptyCase{{}, "the token list is empty"},
                      EmptyCase{{"", "; only comments", "no equals", "0=number zero"},
                                "the token list holds no token"}));

TEST(TokenListErrorTest, MessageIsOneLineWhateverTheSourceName) {
  const std::string source = "Table \"HELP\r\nGE\", HelpNo 11000";
  try {
    TTokenList::Parse({"x=1"}, source);
    FAIL() << "no error";
  } catch (const ETokenListError& e) {
    EXPECT_EQ(e.Source(), source);
    EXPECT_EQ(std::string(e.what()),
              "Table \"HELP\\r\\nGE\", HelpNo 11000, line 1: token number \"x\" is not a "
              "decimal integer");
  }
  try {
    TTokenList::Parse({}, "menu\n.TXT");
    FAIL() << "no error";
  } catch (const ETokenListError& e) {
    EXPECT_EQ(std::string(e.what()), "menu\\n.TXT: the token list is empty");
  }
}

}  // namespace
}  // namespace vyn
