// The settings files the build lays into the application directory: the
// installation's country list follows the language menu, and the shipped
// standard starts a new installation in British English with the synastry
// orb set.
#include <gtest/gtest.h>

#include <string>

#include "language/language_codes.h"
#include "settings/vyn_setup.h"

namespace vyn {
namespace {

TEST(ShippedSettingsTest, CountryEntriesFollowTheLanguageMenu) {
  TVynSetup setup({VYN_TEST_APP_DIR});
  ASSERT_EQ(setup.Countries().size(), kLanguageMenuCodes.size());
  for (std::size_t n = 1; n <= setup.Countries().size(); ++n)
    EXPECT_EQ(setup.Countries()[n - 1].substr(0, 2),
              LanguageCodeOfItem(static_cast<int>(n)))
        << "entry " << n;
}

TEST(ShippedSettingsTest, TheStandardStartsInBritishEnglishWithTheSynastrySet) {
  TVynSetup setup({VYN_TEST_APP_DIR});
  ASSERT_TRUE(setup.LoadSettings("VYN2.STD"));
  EXPECT_EQ(setup.CountryCode(), "UK");
  EXPECT_NE(setup.EditionCode(), "US");
  EXPECT_NE(setup.EditionCode(), "JP");
  EXPECT_TRUE(setup.System().ChkSynastry);
  EXPECT_FALSE(setup.System().ChkStrong);
}

}  // namespace
}  // namespace vyn
