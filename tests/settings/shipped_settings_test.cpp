// The settings files the build lays into the application directory: the
// installation's country list follows the language menu, and the shipped
// standard starts a new installation in British English with the synastry
// orb set, named as the language names it.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "language/language_codes.h"
#include "language/text_file.h"
#include "language/token_list.h"
#include "settings/vyn_setup.h"

namespace vyn {
namespace {

// The shipped token list of a language, from the content sources.
TTokenList ContentTokens(const std::string& code) {
  std::string path = VYN_CONTENT_DIR;
  path.append("/language/").append(code).append("/tokens.txt");
  const auto lines = ReadTextFileLines(path);
  if (!lines) throw std::runtime_error("cannot read " + path);
  return TTokenList::Parse(*lines, path);
}

std::array<std::string, 4> StandardOrbNames(const TTokenList& tokens) {
  return {tokens.Get(1014), tokens.Get(1015), tokens.Get(1016), tokens.Get(1017)};
}

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

// The ticked orb menu entry and the orb set the charts get must agree: the
// stored name is the ticked set's name in the selected language, not the
// medium set that an empty name falls back to.
TEST(ShippedSettingsTest, TheStandardNamesTheOrbSetItTicks) {
  TVynSetup setup({VYN_TEST_APP_DIR});
  const TTokenList tokens = ContentTokens(setup.CountryCode());
  setup.SetStandardOrbNames(StandardOrbNames(tokens));
  ASSERT_TRUE(setup.LoadSettings("VYN2.STD"));
  const TTokenList selected = ContentTokens(setup.CountryCode());
  const TSystemSettings& system = setup.System();
  const std::array<bool, 4> ticked = {system.ChkStrong, system.ChkMedium, system.ChkWeak,
                                      system.ChkSynastry};
  int ticks = 0;
  for (std::size_t i = 0; i < ticked.size(); ++i) {
    if (!ticked[i]) continue;
    ++ticks;
    EXPECT_EQ(setup.OrbSetName(), selected.Get(1014 + static_cast<int>(i)))
        << "orb entry " << i << " is ticked";
  }
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(setup.OrbSetName().empty());
}

}  // namespace
}  // namespace vyn
