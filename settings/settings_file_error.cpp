#include "settings/settings_file_error.h"

namespace vyn {

ESettingsFileError::ESettingsFileError(const std::string& action,
                                       const std::string& file_name,
                                       const std::string& reason)
    : std::runtime_error("Cannot " + action + " the settings file \"" +
                         file_name + "\": " + reason),
      fileName_(file_name),
      reason_(reason) {}

}  // namespace vyn
