#pragma once
// Errors of the table store. EDatabaseError names the database and what went
// wrong; ETableError also names the table. Both carry a kind, so callers can
// tell a key violation from a locked or damaged database.
#include <stdexcept>
#include <string>

namespace vyn {

enum class TDataErrorKind {
  deKeyViolation,     // an insert or edit would duplicate a unique key
  deLocked,           // another connection holds the database
  deMissingDatabase,  // the database file does not exist or cannot be opened
  deNotConnected,     // the database has not been connected
  deMissingTable,     // the database has no table of that name
  deMissingField,     // the table has no field of that name
  deCorrupt,          // the file is not a database or is damaged
  deNotOpen,          // the table is not open
  deWrongState,       // the verb does not fit the table's state
  deBadName,          // a table, field or index name that is not an identifier
  deBadValue,         // a value that does not fit the field
  deNoIndex,          // no index of that name or with those leading fields
  deEngine,           // any other failure of the database engine
};

// `text` with every run of line breaks and tabs turned into one space, so a
// message (SQLite's included) reads as one line.
std::string OneLine(const std::string& text);

class EDatabaseError : public std::runtime_error {
 public:
  EDatabaseError(TDataErrorKind kind, const std::string& message)
      : std::runtime_error(OneLine(message)), kind_(kind) {}
  TDataErrorKind Kind() const { return kind_; }

 private:
  TDataErrorKind kind_;
};

class ETableError : public EDatabaseError {
 public:
  // The message reads: Table "<table>": <what>.
  ETableError(TDataErrorKind kind, const std::string& table,
              const std::string& what);
  const std::string& TableName() const { return table_; }

 private:
  std::string table_;
};

// The error kind for an SQLite result code (primary or extended).
TDataErrorKind ErrorKindOfSqliteCode(int code);

}  // namespace vyn
