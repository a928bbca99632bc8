#pragma once
// The lines of a text file of the application directory (token lists, the
// language INI files, VYN.STD). A UTF-8 byte-order mark is dropped; lines end
// with CR LF, LF or CR.
#include <optional>
#include <string>
#include <vector>

namespace vyn {

// A path under the application directory, matched without regard to case.
std::string AppFilePath(const std::string& relative);

// The file's lines, or nothing when it does not exist or cannot be read.
std::optional<std::vector<std::string>> ReadTextFileLines(const std::string& path);

// The lines of a text held in memory (a memo field, a supplier's text).
std::vector<std::string> TextLines(std::string text);

}  // namespace vyn
