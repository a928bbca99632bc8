#include "data/sql_names.h"

#include <algorithm>

#include "data/database_error.h"

namespace vyn {
namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool IsSqlIdentifier(std::string_view name) {
  constexpr std::size_t kMaxLength = 128;
  if (name.empty() || name.size() > kMaxLength || !IsAsciiLetter(name[0]))
    return false;
  return std::all_of(name.begin() + 1, name.end(), [](char c) {
    return IsAsciiLetter(c) || IsAsciiDigit(c);
  });
}

std::string QuoteSqlIdentifier(std::string_view name, std::string_view what) {
  if (!IsSqlIdentifier(name))
    throw EDatabaseError(TDataErrorKind::deBadName,
                         "Invalid " + std::string(what) + " name \"" +
                             std::string(name) + "\"");
  return "\"" + std::string(name) + "\"";
}

bool SameSqlName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace vyn
