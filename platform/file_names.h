#pragma once
#include <string>

namespace vyn {

// Resolves a path whose components may differ in letter case from the files
// on disk ("Language/uk.ini" finds "Language/UK.INI"). Each component is
// matched exactly first, then without regard to case. When some component
// does not exist, the rest of the path is appended as written, so the result
// is also the right spelling for a new file.
std::string ResolvePathNoCase(const std::string& path);

// Joins a directory and a relative path with exactly one '/' between them.
std::string JoinPath(const std::string& dir, const std::string& relative);

}  // namespace vyn
