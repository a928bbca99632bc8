#pragma once
// Reading the command line's JSON documents: a bounded nesting depth, and a
// number too large for a double reported under the field that holds it.
#include <cstddef>
#include <istream>
#include <nlohmann/json_fwd.hpp>
#include <string>

namespace vyn::cli {

inline constexpr std::size_t kMaxJsonDepth = 64;

// The one JSON document of `in`; `source` names it in messages. Throws
// core::EInputError naming the source (unreadable, not JSON, nested deeper
// than kMaxJsonDepth) or the field ("charts[0].BirthDate") whose number is
// out of range.
nlohmann::json ReadJson(std::istream& in, const std::string& source);

// The same for a file; a directory or an unreadable file is refused
// naming the file.
nlohmann::json ReadJsonFile(const std::string& path);

}  // namespace vyn::cli
