// The user's own application directory: what runs change is copied, what
// they only read is linked, and a second start keeps the user's files.
#include "platform/user_app_directory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/support/temp_directory.h"

namespace fs = std::filesystem;

namespace vyn {
namespace {

void Write(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << text;
}

std::string Read(const fs::path& file) {
  std::ifstream in(file);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(UserAppDirectory, CopiesWhatRunsChangeAndLinksTheRest) {
  const testing::TTempDirectory install("vyn_install"), user("vyn_user");
  Write(fs::path(install.Path()) / "Data" / "VYN32.db", "shipped people");
  Write(fs::path(install.Path()) / "VYNMR.INI", "[System]");
  Write(fs::path(install.Path()) / "VYN2.STD", "standards");
  Write(fs::path(install.Path()) / "VYN.LNG", "ephemeris");
  Write(fs::path(install.Path()) / "Language" / "UK.INI", "[FILEMENU]");
  const fs::path home = fs::path(user.Path()) / "vyn";

  PopulateAppDirectory(install.Path(), home.string());
  for (const char* copied : {"Data", "VYNMR.INI", "VYN2.STD"})
    EXPECT_FALSE(fs::is_symlink(home / copied)) << copied;
  for (const char* linked : {"VYN.LNG", "Language"})
    EXPECT_TRUE(fs::is_symlink(home / linked)) << linked;
  EXPECT_EQ(Read(home / "Language" / "UK.INI"), "[FILEMENU]");

  // The user's changes survive a second start over a newer installation.
  Write(home / "Data" / "VYN32.db", "the user's people");
  Write(fs::path(install.Path()) / "Data" / "VYN32.db", "newer shipped people");
  PopulateAppDirectory(install.Path(), home.string());
  EXPECT_EQ(Read(home / "Data" / "VYN32.db"), "the user's people");
}

TEST(UserAppDirectory, FollowsTheDataHomeOfTheDesktop) {
  const char* saved = std::getenv("XDG_DATA_HOME");
  const std::string before = saved ? saved : "";
  setenv("XDG_DATA_HOME", "/tmp/xdg-data", 1);
  EXPECT_EQ(UserDataDirectory(), "/tmp/xdg-data/vyn");
  unsetenv("XDG_DATA_HOME");
  setenv("HOME", std::getenv("HOME") ? std::getenv("HOME") : "/root", 1);
  EXPECT_EQ(UserDataDirectory(), std::string(std::getenv("HOME")) + "/.local/share/vyn");
  if (saved) setenv("XDG_DATA_HOME", before.c_str(), 1);
}

TEST(UserAppDirectory, AWritableInstallationIsUsedAsItIs) {
  const testing::TTempDirectory install("vyn_install");
  EXPECT_TRUE(IsWritableDirectory(install.Path()));
  EXPECT_EQ(ChooseAppDirectory(install.Path()), install.Path());
  for (const char* name : {"Data", "VYNMR.INI", "VynPos.ini", "Orbs.Bin", "VYN2.STD"})
    EXPECT_TRUE(IsChangedByRuns(name)) << name;
  for (const char* name : {"VYN.LNG", "VYNS.TTF", "Language", "vyn"})
    EXPECT_FALSE(IsChangedByRuns(name)) << name;
}

}  // namespace
}  // namespace vyn
