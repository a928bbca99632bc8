#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>


namespace vyn {
namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& step,
                       int error) {
  throw EFileSaveError(path, step + ": " + std::strerror(error));
}

// The file that a save really replaces: the target of a symbolic link.
std::string SaveTarget(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string DirectoryOf(const std::string& path) {
  const std::string parent = std::filesystem::path(path).parent_path().string();
  return parent.empty() ? "." : parent;
}

// A temporary file beside `target`, created exclusively with the target's
// permissions (or the default ones for a new file).
int CreateTemporary(const std::string& target, std::string& temporary) {
  struct stat info {};
  const bool exists = stat(target.c_str(), &info) == 0;
  for (int attempt = 0;; ++attempt) {
    temporary = target + ".tmp" + std::to_string(getpid()) + "-" +
                std::to_string(attempt);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                        0666);
    if (fd >= 0) {
      if (exists) fchmod(fd, info.st_mode & 07777);
      return fd;
    }
    if (errno != EEXIST || attempt >= 100) return -1;
  }
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes the rename itself lasting; a failure here loses nothing.
void SyncDirectory(const std::string& directory) {
  const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string target = SaveTarget(path);
  std::string temporary;
  int fd = CreateTemporary(target, temporary);
  if (fd < 0) Fail(path, "cannot create a temporary file beside it", errno);

  // Gives up the save: the temporary file goes, the old file stays.
  const auto abandon = [&](const char* step) {
    const int error = errno;
    if (fd >= 0) close(fd);
    unlink(temporary.c_str());
    Fail(path, step, error);
  };
  if (!WriteAll(fd, bytes)) abandon("cannot write the new contents");
  if (fsync(fd) != 0) abandon("cannot flush the new contents to disk");
  const int closing = fd;
  fd = -1;
  if (close(closing) != 0) abandon("cannot close the new contents");
  if (rename(temporary.c_str(), target.c_str()) != 0)
    abandon("cannot replace the old file");
  SyncDirectory(DirectoryOf(target));
}

}  // namespace vyn
