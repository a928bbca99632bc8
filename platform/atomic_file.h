#pragma once
// Saving a file so that it is either the old file whole or the new one
// whole: the bytes go to a temporary file beside it, are flushed to the
// disk, and the temporary file is renamed over the old one.
#include <stdexcept>
#include <string>
#include <string_view>

namespace vyn {

// A file that could not be saved; the message names the file and the reason.
class EFileSaveError : public std::runtime_error {
 public:
  EFileSaveError(const std::string& file_name, const std::string& reason)
      : std::runtime_error("Cannot save \"" + file_name + "\": " + reason),
        fileName_(file_name),
        reason_(reason) {}
  const std::string& FileName() const { return fileName_; }
  const std::string& Reason() const { return reason_; }

 private:
  std::string fileName_;
  std::string reason_;
};

// Replaces (or creates) the file `path` with `bytes`. An existing file keeps
// its permissions, and its owner and group where the process may give them
// (as root, or as the owner for a group it belongs to); a symbolic link is
// followed and its target replaced.
//
// The temporary file is "<target>.save-<pid>-<n>.tmp" beside the target. A
// save that was killed leaves one behind; the next save of the same target
// removes those whose process has ended.
//
// Throws EFileSaveError naming `path` and the reason when any step fails;
// the old file is then untouched and no temporary file is left.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace vyn
