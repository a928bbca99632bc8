// The program's registry values: written, replaced and read back, in the
// user's configuration directory.
#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/temp_directory.h"

namespace vyn {
namespace {

TEST(Registry, KeepsOneValuePerKeyAndName) {
  const testing::TTempDirectory config("vyn_config");
  setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
  EXPECT_EQ(ReadRegistryString(kProgramKey, "SystemPath", "none"), "none");
  WriteRegistryString(kProgramKey, "SystemPath", "/opt/vyn/");
  WriteRegistryString(kProgramKey, "Other", "x");
  WriteRegistryString(kProgramKey, "SystemPath", "/home/ann/.local/share/vyn/");
  EXPECT_EQ(ReadRegistryString(kProgramKey, "SystemPath"), "/home/ann/.local/share/vyn/");
  EXPECT_EQ(ReadRegistryString(kProgramKey, "Other"), "x");
  EXPECT_EQ(RegistryFile(), config.Path() + "/vyn/registry");
  EXPECT_THROW(WriteRegistryString(kProgramKey, "Bad", "two\nlines"), std::runtime_error);
  unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace vyn
