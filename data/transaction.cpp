#include "data/transaction.h"

#include <sqlite3.h>

#include <string>

#include "data/sqlite_connection.h"

namespace vyn {
namespace {

std::string SavepointName(int level) { return "vyn_level" + std::to_string(level); }

}  // namespace

TTransaction::TTransaction(TSqliteConnection& connection, TTransactionKind kind)
    : connection_(connection),
      level_(connection.depth_ + 1),
      savepoint_(level_ > 1 || !sqlite3_get_autocommit(connection.Handle())) {
  if (savepoint_)
    connection_.Execute("SAVEPOINT " + SavepointName(level_));
  else
    connection_.Execute(kind == TTransactionKind::tkWrite ? "BEGIN IMMEDIATE" : "BEGIN");
  connection_.depth_ = level_;
}

TTransaction::~TTransaction() {
  if (!open_) return;
  try {
    Finish(false);
  } catch (...) {
    // A failed rollback leaves nothing better to do in a destructor; SQLite
    // rolls back an unfinished transaction when the connection closes.
  }
}

void TTransaction::Commit() { Finish(true); }

void TTransaction::Rollback() {
  if (open_) Finish(false);
}

void TTransaction::Finish(bool commit) {
  // SQLite may have rolled the whole transaction back on its own (disk full,
  // interrupted); then there is nothing left to end.
  const bool alive = !sqlite3_get_autocommit(connection_.Handle());
  if (alive) {
    if (!savepoint_) {
      connection_.Execute(commit ? "COMMIT" : "ROLLBACK");
    } else {
      const std::string name = SavepointName(level_);
      if (!commit) connection_.Execute("ROLLBACK TO " + name);
      connection_.Execute("RELEASE " + name);
    }
  }
  open_ = false;
  connection_.depth_ = level_ - 1;
}

}  // namespace vyn
