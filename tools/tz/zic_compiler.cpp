#include "tools/tz/zic_compiler.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <stdexcept>
#include <vector>

extern char** environ;

namespace vyn::tz {
namespace {

bool IsExecutable(const std::filesystem::path& path) {
  return access(path.c_str(), X_OK) == 0 && std::filesystem::is_regular_file(path);
}

}  // namespace

std::string FindZic(const std::string& requested) {
  if (!requested.empty() && requested.find('/') != std::string::npos) {
    if (!IsExecutable(requested)) throw std::runtime_error("zic not found at " + requested);
    return requested;
  }
  const std::string name = requested.empty() ? "zic" : requested;
  std::vector<std::filesystem::path> candidates;
  if (const char* path = std::getenv("PATH")) {
    std::istringstream directories(path);
    std::string directory;
    while (std::getline(directories, directory, ':'))
      if (!directory.empty()) candidates.emplace_back(std::filesystem::path(directory) / name);
  }
  candidates.emplace_back(std::filesystem::path("/usr/sbin") / name);
  candidates.emplace_back(std::filesystem::path("/usr/bin") / name);
  for (const auto& candidate : candidates)
    if (IsExecutable(candidate)) return candidate.string();
  throw std::runtime_error("zic not found in PATH, /usr/sbin or /usr/bin");
}

CompiledZoneDirectory::CompiledZoneDirectory(const std::string& sourcePath,
                                             const std::string& zic) {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "vyn-tz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("cannot create a temporary directory: " +
                             std::string(std::strerror(errno)));
  path_ = pattern;
  std::vector<std::string> arguments{zic, "-d", path_.string(), sourcePath};
  std::vector<char*> argv;
  for (auto& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, zic.c_str(), nullptr, nullptr, argv.data(), environ);
  int status = 0;
  const bool ran = spawned == 0 && waitpid(child, &status, 0) == child;
  if (!ran || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::filesystem::remove_all(path_);
    throw std::runtime_error(
        ran ? zic + " failed on " + sourcePath
            : "cannot run " + zic + ": " + std::strerror(spawned != 0 ? spawned : errno));
  }
}

CompiledZoneDirectory::~CompiledZoneDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace vyn::tz
