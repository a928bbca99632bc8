#include "data/database_error.h"

#include <sqlite3.h>

namespace vyn {

std::string OneLine(const std::string& text) {
  std::string line;
  line.reserve(text.size());
  bool in_break = false;
  for (char c : text) {
    const bool breaks = c == '\n' || c == '\r' || c == '\t';
    if (breaks && !in_break) line += ' ';
    if (!breaks) line += c;
    in_break = breaks;
  }
  return line;
}

ETableError::ETableError(TDataErrorKind kind, const std::string& table,
                         const std::string& what)
    : EDatabaseError(kind, "Table \"" + table + "\": " + what), table_(table) {}

TDataErrorKind ErrorKindOfSqliteCode(int code) {
  if (code == SQLITE_CONSTRAINT_UNIQUE || code == SQLITE_CONSTRAINT_PRIMARYKEY)
    return TDataErrorKind::deKeyViolation;
  switch (code & 0xff) {
    case SQLITE_CONSTRAINT: return TDataErrorKind::deBadValue;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return TDataErrorKind::deLocked;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return TDataErrorKind::deCorrupt;
    case SQLITE_CANTOPEN: return TDataErrorKind::deMissingDatabase;
    default: return TDataErrorKind::deEngine;
  }
}

}  // namespace vyn
