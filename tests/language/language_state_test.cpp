// Activation and the language code: when the tokens are loaded, when
// VYN.STD is read, and which events fire.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "language/language.h"
#include "language/screen_font.h"
#include "tests/language/language_fixture.h"

namespace vyn {
namespace {

class LanguageStateTest : public testing::TempAppDirectoryTest {
 protected:
  void SetUp() override {
    TempAppDirectoryTest::SetUp();
    language_.OnGetTokens = [this](const TCountry& code) {
      asked_.push_back(code);
      return "1=" + code + "\n1014=strong " + code + "\n1015=medium\n1016=weak\n1017=syn";
    };
    language_.OnChange = [this] { ++changes_; };
    language_.OnOrbNames = [this](const std::array<std::string, 4>& names) {
      orbNames_.push_back(names);
    };
  }

  TLanguage language_;
  std::vector<TCountry> asked_;
  int changes_ = 0;
  std::vector<std::array<std::string, 4>> orbNames_;
};

TEST_F(LanguageStateTest, StartsInactiveWithCodeXX) {
  EXPECT_FALSE(language_.Active());
  EXPECT_EQ(language_.Country(), "XX");
  EXPECT_EQ(language_.ScreenFontName(), "");
  EXPECT_TRUE(language_.ScreenFontBold());
  EXPECT_EQ(language_.ScreenFontSize(), -1);
  EXPECT_FALSE(language_.TestMode());
  EXPECT_EQ(language_.GetToken(1), "");
}

TEST_F(LanguageStateTest, ActivationLoadsOnceAndDeactivationKeepsTheTexts) {
  language_.SetActive(true);
  EXPECT_TRUE(language_.Active());
  EXPECT_EQ(asked_, std::vector<TCountry>{"XX"});
  EXPECT_EQ(changes_, 1);

  language_.SetActive(true);
  EXPECT_EQ(asked_.size(), 1u);
  EXPECT_EQ(changes_, 1);

  language_.SetActive(false);
  EXPECT_FALSE(language_.Active());
  EXPECT_EQ(language_.GetToken(1), "XX");
  EXPECT_EQ(changes_, 1);
}

TEST_F(LanguageStateTest, EmptyCodeDoesNotActivate) {
  language_.SetCountry("");
  language_.SetActive(true);
  EXPECT_FALSE(language_.Active());
  EXPECT_TRUE(asked_.empty());
  EXPECT_EQ(changes_, 0);
}

TEST_F(LanguageStateTest, CodeChangeReloadsOnlyWhileActive) {
  language_.SetCountry("UK");
  EXPECT_TRUE(asked_.empty());
  EXPECT_EQ(changes_, 0);

  language_.SetActive(true);
  language_.SetCountry("GE");
  EXPECT_EQ(asked_, (std::vector<TCountry>{"UK", "GE"}));
  EXPECT_EQ(language_.GetToken(1), "GE");
  EXPECT_EQ(changes_, 2);
}

TEST_F(LanguageStateTest, OnlyTheFirstTwoCharactersCount) {
  language_.SetActive(true);
  language_.SetCountry("GERMAN");
  EXPECT_EQ(language_.Country(), "GE");
  language_.SetCountry("GE");
  language_.SetCountry("GEX");
  EXPECT_EQ(asked_, (std::vector<TCountry>{"XX", "GE"}));
  EXPECT_EQ(changes_, 2);
  language_.SetCountry("JPN");
  EXPECT_TRUE(language_.IsJapanese());
}

TEST_F(LanguageStateTest, SameCodeReadsNeitherVynStdNorTokens) {
  WriteAppFile("VYN.STD", "[Screen]\nFont=First Font\nBold=0\nSize=11\n");
  language_.SetActive(true);
  language_.SetCountry("UK");
  EXPECT_EQ(language_.ScreenFontName(), "First Font");

  WriteAppFile("VYN.STD", "[Screen]\nFont=Second Font\nBold=1\nSize=14\n");
  language_.SetCountry("UK");
  EXPECT_EQ(language_.ScreenFontName(), "First Font");
  EXPECT_FALSE(language_.ScreenFontBold());
  EXPECT_EQ(language_.ScreenFontSize(), 11);
  EXPECT_EQ(asked_, (std::vector<TCountry>{"XX", "UK"}));
  EXPECT_EQ(changes_, 2);

  language_.SetCountry("US");
  EXPECT_EQ(language_.ScreenFontName(), "Second Font");
  EXPECT_TRUE(language_.ScreenFontBold());
  EXPECT_EQ(language_.ScreenFontSize(), 14);
}

TEST_F(LanguageStateTest, MissingVynStdGivesTheDefaults) {
  WriteAppFile("vyn.std", "[Screen]\nFont=Some Font\nBold=0\nSize=9\n");
  language_.SetCountry("UK");
  EXPECT_EQ(language_.ScreenFontName(), "Some Font");
  std::filesystem::remove(app_.Path() + "/vyn.std");
  language_.SetCountry("GE");
  EXPECT_EQ(language_.ScreenFontName(), "");
  EXPECT_TRUE(language_.ScreenFontBold());
  EXPECT_EQ(language_.ScreenFontSize(), -1);
}

TEST_F(LanguageStateTest, OrbNamesFollowEachLoad) {
  language_.SetCountry("UK");
  EXPECT_TRUE(orbNames_.empty());
  language_.SetActive(true);
  language_.SetCountry("DK");
  language_.LoadTokens();
  ASSERT_EQ(orbNames_.size(), 3u);
  EXPECT_EQ(orbNames_[0], (std::array<std::string, 4>{"strong UK", "medium", "weak", "syn"}));
  EXPECT_EQ(orbNames_[1][0], "strong DK");
  EXPECT_EQ(language_.OrbStrengthNames(), orbNames_[2]);
  // LoadTokens alone does not fire OnChange.
  EXPECT_EQ(changes_, 2);
}

struct ScreenFontCase {
  const char* label;
  const char* content;
  TScreenFont expected;
};

void PrintTo(const ScreenFontCase& c, std::ostream* out) {
  *out << c.label;
}

class ScreenFontFileTest : public testing::TempAppDirectoryTest,
                           public ::testing::WithParamInterface<ScreenFontCase> {};

TEST_P(ScreenFontFileTest, ReadsTheScreenSection) {
  WriteAppFile("VYN.STD", GetParam().content);
  const TScreenFont font = ReadScreenFont(app_.Path() + "/VYN.STD");
  EXPECT_EQ(font.Name, GetParam().expected.Name);
  EXPECT_EQ(font.Bold, GetParam().expected.Bold);
  EXPECT_EQ(font.Size, GetParam().expected.Size);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ScreenFontFileTest,
    ::testing::Values(
        ScreenFontCase{"all three keys",
                       "[Screen]\r\nFont=MS Gothic\r\nBold=0\r\nSize=12\r\n",
                       {"MS Gothic", false, 12}},
        ScreenFontCase{"case, blanks, first occurrence, other sections",
                       "; settings\n[other]\nFont=Wrong\nSize=3\n[ screen ]\n"
                       "font = DejaVu Sans \nSIZE= 10\nFont=Later\n[Other2]\nBold=0\n",
                       {"DejaVu Sans", true, 10}},
        ScreenFontCase{"unreadable values", "[Screen]\nBold=yes\nSize=big\n", {"", true, -1}},
        ScreenFontCase{"bold as a word", "[Screen]\nBold=False\nSize=-1\n", {"", false, -1}},
        ScreenFontCase{"no screen section", "[Fonts]\nFont=Elsewhere\n", {"", true, -1}},
        ScreenFontCase{"empty file", "", {"", true, -1}}));

}  // namespace
}  // namespace vyn
