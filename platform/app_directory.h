#pragma once
#include <string>

namespace vyn {

// The application directory: $VYN_HOME when set, else the directory of the
// running executable. Always ends with '/'.
std::string AppDirectory();

// Overrides the application directory for this process (tests, tools).
// An empty path restores the default rule.
void SetAppDirectory(const std::string& path);

}  // namespace vyn
