#include "tests/support/temp_directory.h"

#include <stdlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace vyn::testing {

TTempDirectory::TTempDirectory(std::string_view prefix) {
  std::string pattern =
      (std::filesystem::temp_directory_path() / (std::string(prefix) + "_XXXXXX")).string();
  if (!mkdtemp(pattern.data()))
    throw std::runtime_error("cannot create a temporary directory " + pattern + ": " +
                             std::strerror(errno));
  path_ = pattern;
}

TTempDirectory::~TTempDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TTempDirectory::File(std::string_view name) const {
  return path_ + "/" + std::string(name);
}

std::vector<std::string> TTempDirectory::Entries() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace vyn::testing
