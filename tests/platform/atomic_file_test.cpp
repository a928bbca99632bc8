#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/temp_directory.h"

namespace vyn {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  static std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::vector<std::string> Names() const { return temp_.Entries(); }

  vyn::testing::TTempDirectory temp_{"vyn_atomic_file"};
  const fs::path dir_ = temp_.Path();
};

TEST_F(AtomicFileTest, ReplacesALongerFileWholly) {
  const fs::path target = dir_ / "VYN.LNG";
  std::ofstream(target) << "a longer previous content";

  WriteFileAtomically(target.string(), "new");

  EXPECT_EQ(Contents(target), "new");
  EXPECT_EQ(Names(), std::vector<std::string>{"VYN.LNG"});
  struct stat status {};
  ASSERT_EQ(::stat(target.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0644u);
}

TEST_F(AtomicFileTest, FailedRenameKeepsTheTargetAndRemovesTheTemporary) {
  // A directory in the target's place cannot be replaced by a file.
  const fs::path target = dir_ / "VYN.LNG";
  fs::create_directory(target);
  std::ofstream(target / "inside") << "kept";

  try {
    WriteFileAtomically(target.string(), "new");
    FAIL() << "writing over a directory succeeded";
  } catch (const EFileSaveError& error) {
    EXPECT_NE(std::string(error.what()).find(target.string()), std::string::npos)
        << error.what();
  }
  EXPECT_EQ(Contents(target / "inside"), "kept");
  EXPECT_EQ(Names(), std::vector<std::string>{"VYN.LNG"});
}

TEST_F(AtomicFileTest, MissingDirectoryIsReportedWithThePath) {
  const fs::path target = dir_ / "missing" / "VYN.LNG";
  try {
    WriteFileAtomically(target.string(), "new");
    FAIL() << "writing into a missing directory succeeded";
  } catch (const EFileSaveError& error) {
    EXPECT_NE(std::string(error.what()).find(target.string()), std::string::npos)
        << error.what();
  }
  EXPECT_FALSE(fs::exists(dir_ / "missing"));
}

// The id of a process that has ended (a child that exited at once).
pid_t EndedProcess() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

std::string Temporary(const std::string& target, pid_t pid, int attempt) {
  return target + ".save-" + std::to_string(pid) + "-" + std::to_string(attempt) + ".tmp";
}

// A save killed midway leaves its temporary file; the next save of the same
// target removes it, and nothing else.
TEST_F(AtomicFileTest, NextSaveRemovesTheTemporariesOfKilledSaves) {
  const pid_t ended = EndedProcess();
  const std::vector<std::string> stale = {Temporary("VYNMR.INI", ended, 0),
                                          Temporary("VYNMR.INI", ended, 7)};
  const std::vector<std::string> kept = {
      Temporary("VYNMR.INI", getpid(), 0),   // a save still running
      Temporary("VYN21.INI", ended, 0),      // another target
      Temporary("VYNMR.INI2", ended, 0),     // a name that only begins alike
      "VYNMR.INI.save-notes.tmp",            // not a process id
      Temporary("VYNMR.INI", ended, 0) + ".bak",
  };
  std::ofstream(dir_ / "VYNMR.INI") << "old";
  for (const auto& name : stale) std::ofstream(dir_ / name) << "half";
  for (const auto& name : kept) std::ofstream(dir_ / name) << "other";

  WriteFileAtomically((dir_ / "VYNMR.INI").string(), "new");

  std::vector<std::string> expected = kept;
  expected.push_back("VYNMR.INI");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Names(), expected);
  EXPECT_EQ(Contents(dir_ / "VYNMR.INI"), "new");
}

TEST_F(AtomicFileTest, KeepsThePermissionsOfTheOldFile) {
  const fs::path target = dir_ / "VYNMR.INI";
  std::ofstream(target) << "old";
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  WriteFileAtomically(target.string(), "new");
  struct stat status {};
  ASSERT_EQ(::stat(target.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0600u);
}

// Root saving a user's file must not hand it to root.
TEST_F(AtomicFileTest, RootKeepsTheOwnerAndGroupOfTheOldFile) {
  if (geteuid() != 0) GTEST_SKIP() << "only root may give a file away";
  const fs::path target = dir_ / "VYNMR.INI";
  std::ofstream(target) << "old";
  ASSERT_EQ(::chown(target.c_str(), 12345, 23456), 0);
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  WriteFileAtomically(target.string(), "new");
  struct stat status {};
  ASSERT_EQ(::stat(target.c_str(), &status), 0);
  EXPECT_EQ(status.st_uid, 12345u);
  EXPECT_EQ(status.st_gid, 23456u);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  EXPECT_EQ(Contents(target), "new");
}

}  // namespace
}  // namespace vyn
