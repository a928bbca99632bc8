#include "platform/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>

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

// Temporary files of a target are named "<target>.save-<pid>-<n>.tmp", so
// that the next save of the same target can recognise the ones a killed save
// left behind.
constexpr std::string_view kTemporaryInfix = ".save-";
constexpr std::string_view kTemporarySuffix = ".tmp";

std::string TemporaryName(const std::string& target, pid_t pid, int attempt) {
  return target + std::string(kTemporaryInfix) + std::to_string(pid) + "-" +
         std::to_string(attempt) + std::string(kTemporarySuffix);
}

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process id in the name of a temporary file of the target `base` (a
// file name without directory), or nothing for any other name.
std::optional<pid_t> TemporaryOwner(std::string_view name, std::string_view base) {
  if (!name.starts_with(base)) return std::nullopt;
  name.remove_prefix(base.size());
  if (!name.starts_with(kTemporaryInfix) || !name.ends_with(kTemporarySuffix))
    return std::nullopt;
  name.remove_prefix(kTemporaryInfix.size());
  name.remove_suffix(kTemporarySuffix.size());
  const std::size_t dash = name.find('-');
  if (dash == std::string_view::npos || !AllDigits(name.substr(0, dash)) ||
      !AllDigits(name.substr(dash + 1)) || dash > 9)
    return std::nullopt;
  return static_cast<pid_t>(std::stol(std::string(name.substr(0, dash))));
}

// Whether the process `pid` has ended (a process of another user still runs).
bool ProcessEnded(pid_t pid) { return pid > 0 && kill(pid, 0) != 0 && errno == ESRCH; }

// Removes the temporary files of `target` that saves of ended processes left
// behind. A save still running in another process keeps its file. Nothing
// here may stop the save: what cannot be removed stays.
void RemoveStaleTemporaries(const std::string& target) {
  namespace fs = std::filesystem;
  const std::string base = fs::path(target).filename().string();
  std::error_code ec;
  for (fs::directory_iterator it(DirectoryOf(target), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const std::optional<pid_t> owner = TemporaryOwner(name, base);
    if (owner && ProcessEnded(*owner) && it->is_regular_file(ec))
      unlink(it->path().c_str());
  }
}

// Gives the new file the old one's owner, group and permissions. Only root
// or the owner may try; a group the process is not in (EPERM) keeps the
// process's own.
bool CopyOwnerAndMode(int fd, const struct stat& info) {
  const uid_t user = geteuid();
  if ((user == 0 || user == info.st_uid) && fchown(fd, info.st_uid, info.st_gid) != 0 &&
      errno != EPERM)
    return false;
  return fchmod(fd, info.st_mode & 07777) == 0;
}

// A temporary file beside `target`, created exclusively with the target's
// owner and permissions (or the default ones for a new file). -1 with errno
// set, and no file left, on failure.
int CreateTemporary(const std::string& target, std::string& temporary) {
  struct stat info {};
  const bool exists = stat(target.c_str(), &info) == 0;
  for (int attempt = 0;; ++attempt) {
    temporary = TemporaryName(target, getpid(), attempt);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                        0666);
    if (fd >= 0) {
      if (!exists || CopyOwnerAndMode(fd, info)) return fd;
      const int error = errno;
      close(fd);
      unlink(temporary.c_str());
      errno = error;
      return -1;
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
  RemoveStaleTemporaries(target);
  std::string temporary;
  int fd = CreateTemporary(target, temporary);
  if (fd < 0)
    Fail(path, "cannot create a temporary file beside it with the file's owner and permissions",
         errno);

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
