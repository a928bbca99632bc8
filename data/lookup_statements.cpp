#include "data/lookup_statements.h"

#include "data/vyn_database.h"

namespace vyn {

TSqliteStatement& TLookupStatements::Prepared(const std::string& sql) {
  TSqliteConnection& connection = database_.Connection();
  if (serial_ != database_.ConnectionSerial()) {
    statements_.clear();
    serial_ = database_.ConnectionSerial();
  }
  auto found = statements_.find(sql);
  if (found != statements_.end()) return *found->second;
  auto statement = std::make_unique<TSqliteStatement>(connection, sql);
  return *statements_.emplace(sql, std::move(statement)).first->second;
}

}  // namespace vyn
