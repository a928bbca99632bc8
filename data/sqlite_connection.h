#pragma once
// RAII owner of one SQLite database connection (the C API's sqlite3*).
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;

namespace vyn {

// A failure reported by SQLite, with its extended result code.
class ESqliteError : public std::runtime_error {
 public:
  // The message is kept on one line.
  ESqliteError(int code, const std::string& message);
  int Code() const { return code_; }

 private:
  int code_;
};

class TSqliteConnection {
 public:
  // Opens the database file at `path` for reading and writing; with `create`
  // a missing file is created, otherwise it is an error. Throws ESqliteError.
  TSqliteConnection(const std::string& path, bool create);
  ~TSqliteConnection();
  TSqliteConnection(const TSqliteConnection&) = delete;
  TSqliteConnection& operator=(const TSqliteConnection&) = delete;

  sqlite3* Handle() const { return db_; }
  const std::string& Path() const { return path_; }

  // Runs a fixed statement that takes no values; result rows are discarded.
  void Execute(std::string_view sql);

  void SetBusyTimeout(int milliseconds);
  std::int64_t LastInsertRowId() const;

  // Throws ESqliteError for `code` with the connection's last message.
  [[noreturn]] void ThrowError(int code) const;

  // Nesting depth of the open TTransaction guards.
  int TransactionDepth() const { return depth_; }

 private:
  friend class TTransaction;
  sqlite3* db_ = nullptr;
  std::string path_;
  int depth_ = 0;
};

}  // namespace vyn
