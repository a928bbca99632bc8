#pragma once
// RAII owner of one prepared SQLite statement. Values enter only through
// Bind; the SQL text itself is fixed by the caller.
#include <string>
#include <string_view>
#include <vector>

#include "data/vyn_value.h"

struct sqlite3_stmt;

namespace vyn {

class TSqliteConnection;

class TSqliteStatement {
 public:
  // Prepares `sql` on `connection`; throws ESqliteError.
  TSqliteStatement(TSqliteConnection& connection, std::string_view sql);
  ~TSqliteStatement();
  TSqliteStatement(TSqliteStatement&& other) noexcept;
  TSqliteStatement& operator=(TSqliteStatement&&) = delete;
  TSqliteStatement(const TSqliteStatement&) = delete;
  TSqliteStatement& operator=(const TSqliteStatement&) = delete;

  // Binds parameter `index` (1-based).
  void Bind(int index, const TVynValue& value);
  // Binds `values` to the parameters 1, 2, ... in order.
  void BindAll(const std::vector<TVynValue>& values);

  // Runs to the next result row: true when one is ready, false when done.
  bool Step();
  int ColumnCount() const;
  TVynValue Column(int index) const;  // 0-based

  // Makes the statement ready to run again and clears its bindings.
  void Reset();

  const std::string& Sql() const { return sql_; }

 private:
  TSqliteConnection* connection_;
  sqlite3_stmt* statement_ = nullptr;
  std::string sql_;
};

// Resets a statement when it leaves scope, so no statement keeps a read lock
// or a half-run state after an error.
class TStatementRun {
 public:
  explicit TStatementRun(TSqliteStatement& statement) : statement_(statement) {}
  ~TStatementRun() { statement_.Reset(); }
  TStatementRun(const TStatementRun&) = delete;
  TStatementRun& operator=(const TStatementRun&) = delete;
  TSqliteStatement* operator->() { return &statement_; }

 private:
  TSqliteStatement& statement_;
};

}  // namespace vyn
