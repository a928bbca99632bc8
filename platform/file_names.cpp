#include "platform/file_names.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace vyn {
namespace fs = std::filesystem;
namespace {

bool EqualNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The entry of `dir` named `name` in any letter case, or empty.
std::string FindEntryNoCase(const fs::path& dir, const std::string& name) {
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (EqualNoCase(entry, name)) return entry;
  }
  return {};
}

}  // namespace

std::string ResolvePathNoCase(const std::string& path) {
  const fs::path input(path);
  fs::path result = input.root_path();
  bool exists = true;
  for (const auto& part : input.relative_path()) {
    const std::string name = part.string();
    if (exists && !name.empty() && name != "." && name != "..") {
      std::error_code ec;
      if (!fs::exists(result / name, ec)) {
        const std::string found =
            FindEntryNoCase(result.empty() ? fs::path(".") : result, name);
        if (!found.empty()) {
          result /= found;
          continue;
        }
        exists = false;
      }
    }
    result /= name;
  }
  return result.string();
}

std::string JoinPath(const std::string& dir, const std::string& relative) {
  if (dir.empty()) return relative;
  std::string rel = relative;
  std::replace(rel.begin(), rel.end(), '\\', '/');
  while (!rel.empty() && rel.front() == '/') rel.erase(rel.begin());
  return dir.back() == '/' ? dir + rel : dir + "/" + rel;
}

}  // namespace vyn
