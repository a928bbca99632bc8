#include "platform/user_app_directory.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace vyn {

bool IsWritableDirectory(const std::string& directory) {
  return access(directory.c_str(), W_OK | X_OK) == 0;
}

std::string UserDataDirectory() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && *data) return (fs::path(data) / "vyn").string();
  const char* home = std::getenv("HOME");
  return (fs::path(home && *home ? home : ".") / ".local" / "share" / "vyn").string();
}

bool IsChangedByRuns(const std::string& fileName) {
  const std::string extension = fs::path(fileName).extension().string();
  return fileName == "Data" || extension == ".INI" || extension == ".ini" ||
         extension == ".Bin" || extension == ".STD";
}

void PopulateAppDirectory(const std::string& source, const std::string& target) {
  fs::create_directories(target);
  for (const fs::directory_entry& entry : fs::directory_iterator(source)) {
    const fs::path name = entry.path().filename();
    if (name == "CMakeFiles" || name.extension() == ".cmake") continue;
    const fs::path destination = fs::path(target) / name;
    if (fs::exists(fs::symlink_status(destination))) continue;
    if (IsChangedByRuns(name.string()))
      fs::copy(entry.path(), destination, fs::copy_options::recursive);
    else
      fs::create_symlink(fs::absolute(entry.path()), destination);
  }
}

std::string ChooseAppDirectory(const std::string& installDir) {
  if (IsWritableDirectory(installDir)) return installDir;
  const std::string user = UserDataDirectory();
  PopulateAppDirectory(installDir, user);
  return (fs::path(user) / "").string();
}

}  // namespace vyn
