#include "tools/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace vyn::tools {
namespace {

[[noreturn]] void ThrowSystemError(const std::string& what,
                                   const std::filesystem::path& path) {
  throw std::runtime_error(what + " " + path.string() + ": " +
                           std::strerror(errno));
}

// An open temporary file that is removed unless it was renamed into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::filesystem::path& target) {
    std::string pattern = target.string() + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = ::mkstemp(name.data());
    if (fd_ < 0) ThrowSystemError("cannot create a temporary file for", target);
    path_ = name.data();
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }

  void Write(std::span<const std::uint8_t> bytes) {
    if (::fchmod(fd_, 0644) != 0) ThrowSystemError("cannot set the mode of", path_);
    while (!bytes.empty()) {
      const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written < 0) ThrowSystemError("cannot write", path_);
      bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    if (::fsync(fd_) != 0) ThrowSystemError("cannot flush", path_);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) ThrowSystemError("cannot close", path_);
  }

  void RenameTo(const std::filesystem::path& target) {
    if (::rename(path_.c_str(), target.c_str()) != 0)
      ThrowSystemError("cannot rename " + path_.string() + " to", target);
    path_.clear();
  }

 private:
  int fd_ = -1;
  std::filesystem::path path_;
};

}  // namespace

void WriteFileAtomically(const std::filesystem::path& path,
                         std::span<const std::uint8_t> bytes) {
  TemporaryFile file(path);
  file.Write(bytes);
  file.RenameTo(path);
}

}  // namespace vyn::tools
