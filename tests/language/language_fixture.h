#pragma once
// A temporary application directory for the language tests, and a language
// component fed from a token text in memory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "language/language.h"
#include "platform/app_directory.h"
#include "tests/support/temp_directory.h"

namespace vyn::testing {

class TempAppDirectoryTest : public ::testing::Test {
 protected:
  void SetUp() override { SetAppDirectory(app_.Path()); }
  void TearDown() override { SetAppDirectory(""); }

  // Writes `content` to `relative` under the application directory.
  void WriteAppFile(const std::string& relative, const std::string& content) {
    const std::filesystem::path path = std::filesystem::path(app_.Path()) / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
  }

  TTempDirectory app_{"vyn_language"};
};

// Activates `language` under `code` with the token list `tokens`.
inline void LoadFromText(TLanguage& language, const std::string& code,
                         const std::string& tokens) {
  language.OnGetTokens = [tokens](const TCountry&) { return tokens; };
  language.SetActive(false);
  language.SetCountry(code);
  language.SetActive(true);
}

}  // namespace vyn::testing
