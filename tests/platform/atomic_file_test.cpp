#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace vyn {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           ("atomic_file_test_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  static std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
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

}  // namespace
}  // namespace vyn
