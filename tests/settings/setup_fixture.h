#pragma once
// A settings store on a temporary application directory whose
// installation file lists the countries given.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/vyn_setup.h"
#include "tests/settings/settings_files.h"

namespace vyn::settings_test {

class SetupTest : public ::testing::Test {
 protected:
  // Writes "VYNmr.STD" with the entries as "Country1", "Country2", ...
  void WriteCountries(const std::vector<std::string>& countries) {
    std::string text = "[Installation]\nSourcePath=D:\\\n[Languages]\n";
    for (std::size_t i = 0; i < countries.size(); ++i)
      text += "Country" + std::to_string(i + 1) + "=" + countries[i] + "\n";
    WriteFile(dir_.File("VYNmr.STD"), text);
  }

  // A store made after the files written so far.
  std::unique_ptr<TVynSetup> MakeSetup() {
    TSetupOptions options;
    options.AppDirectory = dir_.Path();
    options.ScreenWidth = 1280;
    options.ScreenHeight = 1024;
    auto setup = std::make_unique<TVynSetup>(options);
    setup->SetStandardOrbNames(
        {"Strong", "Medium and strong", "Weak medium and strong", "Synastry"});
    return setup;
  }

  // A store that has loaded a settings file holding `text`.
  std::unique_ptr<TVynSetup> Loaded(const std::string& text) {
    WriteFile(dir_.File("VYNMR.INI"), text);
    auto setup = MakeSetup();
    EXPECT_TRUE(setup->LoadSettings("VYNMR.INI"));
    return setup;
  }

  TTempDirectory dir_;
};

}  // namespace vyn::settings_test
