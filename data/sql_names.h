#pragma once
// Names of tables, fields and indexes as they enter SQL text. Only plain
// identifiers (a letter or '_', then letters, digits or '_') are accepted;
// they are always written double-quoted.
#include <string>
#include <string_view>

namespace vyn {

bool IsSqlIdentifier(std::string_view name);

// `name` in double quotes; throws EDatabaseError (deBadName) naming `what`
// ("table", "field", "index") when it is not an identifier.
std::string QuoteSqlIdentifier(std::string_view name, std::string_view what);

// ASCII comparison without regard to case, as SQLite compares names.
bool SameSqlName(std::string_view a, std::string_view b);

}  // namespace vyn
