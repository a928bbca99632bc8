#pragma once
// Prepared statements that belong to the look-ups alone. A look-up runs its
// own statement instead of moving a TVynTable, so a window browsing a table,
// or editing one of its rows, finds its cursor and its edit buffer as it
// left them. The statements are prepared once per connection: after the
// database reconnects they are prepared anew.
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "data/sqlite_statement.h"

namespace vyn {

class TVynDatabase;

class TLookupStatements {
 public:
  // The database must outlive the statements.
  explicit TLookupStatements(TVynDatabase& database) : database_(database) {}

  // The statement for `sql` on the current connection; run it inside a
  // TStatementRun. Throws EDatabaseError while disconnected, ESqliteError
  // when the statement cannot be prepared (a missing table or field).
  TSqliteStatement& Prepared(const std::string& sql);

  void Clear() { statements_.clear(); }

 private:
  TVynDatabase& database_;
  std::uint64_t serial_ = 0;
  std::unordered_map<std::string, std::unique_ptr<TSqliteStatement>> statements_;
};

}  // namespace vyn
