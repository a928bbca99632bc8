// Saves that cannot be written: the error names the file and the reason,
// the old file stays whole and no temporary file is left behind. The tests
// run as root, so permission bits cannot make a write fail; the failures
// are made with a file-size limit, a directory that is a file, and a file
// that became a directory.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/atomic_file.h"
#include "settings/ini_file.h"
#include "settings/settings_file_error.h"
#include "tests/settings/settings_files.h"

namespace vyn {
namespace {

using settings_test::ReadFile;
using settings_test::TFileSizeLimit;
using settings_test::TTempDirectory;
using settings_test::WriteFile;

const std::string kOldSettings = "[System]\nSaveOnExit=0\n";

// Runs `save`, expecting ESettingsFileError about `file` whose reason
// contains `reason`.
template <class Save>
void ExpectSaveError(Save save, const std::string& file, const std::string& reason) {
  try {
    save();
    ADD_FAILURE() << "no error for " << file;
  } catch (const ESettingsFileError& e) {
    EXPECT_EQ(e.FileName(), file);
    EXPECT_NE(e.Reason().find(reason), std::string::npos) << e.Reason();
    EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
  }
}

TEST(AtomicSaveTest, AWriteThatFailsHalfwayLeavesTheOldFileWhole) {
  TTempDirectory dir;
  const std::string path = dir.File("VYNMR.INI");
  WriteFile(path, kOldSettings);
  TIniFile ini(path);
  ini.WriteString("Startup", "Place", std::string(500, 'x'));
  {
    const TFileSizeLimit limit(64);
    ExpectSaveError([&] { ini.Save(); }, path, "File too large");
  }
  EXPECT_EQ(ReadFile(path), kOldSettings);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"VYNMR.INI"});
  EXPECT_TRUE(ini.Modified());
  ini.Save();  // the same object saves once the disk takes it
  EXPECT_NE(ReadFile(path).find("Place="), std::string::npos);
}

TEST(AtomicSaveTest, ADirectoryThatIsAFileCannotHoldTheTemporaryFile) {
  TTempDirectory dir;
  WriteFile(dir.File("plain"), "not a directory");
  const std::string path = dir.File("plain/VYNMR.INI");
  TIniFile ini(path);
  ini.WriteBool("System", "SaveOnExit", true);
  ExpectSaveError([&] { ini.Save(); }, path, "Not a directory");
  EXPECT_EQ(ReadFile(dir.File("plain")), "not a directory");
}

TEST(AtomicSaveTest, AFileReplacedByADirectoryIsNotOverwritten) {
  TTempDirectory dir;
  const std::string path = dir.File("VYN21.INI");
  WriteFile(path, kOldSettings);
  TIniFile ini(path);
  ini.WriteBool("System", "SaveOnExit", true);
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  WriteFile(path + "/inside", "kept");
  ExpectSaveError([&] { ini.Save(); }, path, "cannot replace the old file");
  EXPECT_EQ(ReadFile(path + "/inside"), "kept");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"VYN21.INI"});
}

TEST(AtomicSaveTest, AFileThatCouldNotBeReadIsNeverOverwritten) {
  TTempDirectory dir;
  const std::string path = dir.File("VYN22.INI");
  std::filesystem::create_directory(path);
  TIniFile ini(path);
  EXPECT_FALSE(ini.ReadError().empty());
  EXPECT_EQ(ini.ReadString("PrintOptions", "BW", "default"), "default");
  ini.WriteBool("PrintOptions", "BW", true);
  ExpectSaveError([&] { ini.Save(); }, path, "could not be read");
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(AtomicSaveTest, ASymbolicLinkKeepsPointingAtTheReplacedFile) {
  TTempDirectory dir;
  WriteFile(dir.File("real.ini"), kOldSettings);
  std::filesystem::create_symlink(dir.File("real.ini"), dir.File("VYNMR.INI"));
  WriteFileAtomically(dir.File("VYNMR.INI"), "new");
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("VYNMR.INI")));
  EXPECT_EQ(ReadFile(dir.File("real.ini")), "new");
}

}  // namespace
}  // namespace vyn
