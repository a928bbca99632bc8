#include "data/sqlite_connection.h"

#include <sqlite3.h>

#include "data/database_error.h"
#include "data/sqlite_statement.h"
#include "data/text_collation.h"

namespace vyn {

ESqliteError::ESqliteError(int code, const std::string& message)
    : std::runtime_error(OneLine(message)), code_(code) {}

TSqliteConnection::TSqliteConnection(const std::string& path, bool create)
    : path_(path) {
  const int flags =
      SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
  const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
  if (rc != SQLITE_OK) {
    const std::string message =
        db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    sqlite3_close(db_);
    db_ = nullptr;
    throw ESqliteError(rc, message);
  }
  sqlite3_extended_result_codes(db_, 1);
  const int collation = RegisterTextCollation(db_);
  if (collation != SQLITE_OK) {
    const std::string message = sqlite3_errmsg(db_);
    sqlite3_close(db_);
    db_ = nullptr;
    throw ESqliteError(collation, message);
  }
}

TSqliteConnection::~TSqliteConnection() { sqlite3_close_v2(db_); }

void TSqliteConnection::Execute(std::string_view sql) {
  TSqliteStatement statement(*this, sql);
  while (statement.Step()) {
  }
}

void TSqliteConnection::SetBusyTimeout(int milliseconds) {
  sqlite3_busy_timeout(db_, milliseconds);
}

std::int64_t TSqliteConnection::LastInsertRowId() const {
  return sqlite3_last_insert_rowid(db_);
}

void TSqliteConnection::ThrowError(int code) const {
  throw ESqliteError(code, sqlite3_errmsg(db_));
}

}  // namespace vyn
