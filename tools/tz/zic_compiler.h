#pragma once
// Compiling a zic source with the system's zic into a temporary directory,
// as the reference the atlas rows are checked against.
#include <filesystem>
#include <string>

namespace vyn::tz {

// The zic to run: the given path when it names one, else "zic" from PATH,
// /usr/sbin/zic or /usr/bin/zic; throws std::runtime_error when none exists.
std::string FindZic(const std::string& requested = "");

// A fresh directory holding the zone files zic compiled from the source;
// removed with everything in it when the object goes. Throws
// std::runtime_error when zic cannot be run or fails.
class CompiledZoneDirectory {
 public:
  CompiledZoneDirectory(const std::string& sourcePath, const std::string& zic);
  ~CompiledZoneDirectory();
  CompiledZoneDirectory(const CompiledZoneDirectory&) = delete;
  CompiledZoneDirectory& operator=(const CompiledZoneDirectory&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace vyn::tz
