// The language menu's code table, both ways.
#include <gtest/gtest.h>

#include "language/language_codes.h"

namespace vyn {
namespace {

TEST(LanguageCodesTest, MenuItemsAndCodes) {
  const char* expected[] = {"DK", "UK", "FR", "GE", "GR", "IT", "PR",
                            "SP", "SW", "FI", "DU", "NR", "US", "HU"};
  for (int item = 1; item <= 14; ++item) {
    EXPECT_EQ(LanguageCodeOfItem(item), expected[item - 1]) << item;
    EXPECT_EQ(LanguageItemOfCode(expected[item - 1]), item) << item;
  }
  EXPECT_EQ(LanguageCodeOfItem(0), "");
  EXPECT_EQ(LanguageCodeOfItem(15), "");
  for (const char* code : {"JP", "SE", "BR", "XX", "", "uk", "UKX"})
    EXPECT_EQ(LanguageItemOfCode(code), 0) << code;
  EXPECT_EQ(LanguageMenuToken(1), 831);
  EXPECT_EQ(LanguageMenuToken(14), 844);
}

}  // namespace
}  // namespace vyn
