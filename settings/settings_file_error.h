#pragma once
// The error of a settings file that cannot be read or saved. It names the
// file and the reason; a failed save leaves the file as it was.
#include <stdexcept>
#include <string>

namespace vyn {

class ESettingsFileError : public std::runtime_error {
 public:
  // `action` is "read" or "save".
  ESettingsFileError(const std::string& action, const std::string& file_name,
                     const std::string& reason);

  const std::string& FileName() const { return fileName_; }
  const std::string& Reason() const { return reason_; }

 private:
  std::string fileName_;
  std::string reason_;
};

}  // namespace vyn
