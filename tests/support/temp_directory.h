#pragma once
// A fresh, empty directory for one test, removed with everything in it when
// the object goes. Each object gets a directory of its own, so tests that
// run in parallel processes never share files.
#include <string>
#include <string_view>
#include <vector>

namespace vyn::testing {

class TTempDirectory {
 public:
  // `prefix` names the directory under the system's temporary directory
  // (prefix followed by random characters). Throws std::runtime_error when
  // it cannot be created.
  explicit TTempDirectory(std::string_view prefix = "vyn_test");
  ~TTempDirectory();
  TTempDirectory(const TTempDirectory&) = delete;
  TTempDirectory& operator=(const TTempDirectory&) = delete;

  // The directory's path, without a trailing "/".
  const std::string& Path() const { return path_; }
  // The path of `name` inside the directory.
  std::string File(std::string_view name) const;
  // The names of the directory's entries, sorted.
  std::vector<std::string> Entries() const;

 private:
  std::string path_;
};

}  // namespace vyn::testing
