#include "platform/app_directory.h"

#include <cstdlib>
#include <filesystem>

namespace vyn {
namespace {

std::string& Override() {
  static std::string path;
  return path;
}

std::string WithSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

std::string ExecutableDirectory() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return "./";
  return exe.parent_path().string();
}

}  // namespace

std::string AppDirectory() {
  if (!Override().empty()) return WithSlash(Override());
  if (const char* home = std::getenv("VYN_HOME"); home && *home)
    return WithSlash(home);
  return WithSlash(ExecutableDirectory());
}

void SetAppDirectory(const std::string& path) { Override() = path; }

}  // namespace vyn
