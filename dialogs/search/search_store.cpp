#include "dialogs/search/search_store.h"

#include <stdexcept>

#include "data/data_collection.h"
#include "data/sqlite_statement.h"
#include "data/text_fold.h"
#include "data/transaction.h"
#include "data/vyn_database.h"

namespace vyn::dialogs {
namespace {

TSqliteConnection& ConnectionOf(TDataCollection& tables) {
  return tables.Database().Connection();
}

// Runs `sql` once with its values bound to ?1, ?2, ...
void Run(TSqliteConnection& connection, const char* sql, const std::vector<TVynValue>& values) {
  TSqliteStatement statement(connection, sql);
  statement.BindAll(values);
  while (statement.Step()) {
  }
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

void DeletePerson(TDataCollection& tables, const std::string& first, const std::string& last) {
  TSqliteConnection& connection = ConnectionOf(tables);
  TTransaction transaction(connection);
  Run(connection, R"(DELETE FROM "NAME" WHERE "FirstName" = ?1 AND "LastName" = ?2)",
      {first, last});
  Run(connection, R"(DELETE FROM "NAMEGRPS" WHERE "FirstName" = ?1 AND "LastName" = ?2)",
      {first, last});
  transaction.Commit();
}

void DeleteGroup(TDataCollection& tables, const std::string& group) {
  TSqliteConnection& connection = ConnectionOf(tables);
  TTransaction transaction(connection);
  Run(connection, R"(DELETE FROM "NAMEGRPS" WHERE "GroupName" = ?1)", {group});
  Run(connection, R"(DELETE FROM "GROUPS" WHERE "GroupName" = ?1)", {group});
  transaction.Commit();
}

TGroupChoice StoredOrNewGroup(TDataCollection& tables, const std::string& typed) {
  const std::string name = Trimmed(typed);
  if (name.empty()) throw std::invalid_argument("a group needs a name");
  TSqliteConnection& connection = ConnectionOf(tables);
  TTransaction transaction(connection);
  const std::string key = FoldText(name);
  std::string alike;
  TSqliteStatement groups(connection, R"(SELECT "GroupName" FROM "GROUPS")");
  while (groups.Step()) {
    std::string stored = groups.Column(0).Bytes();
    if (stored == name) return {stored, false};
    if (alike.empty() && FoldText(stored) == key) alike = std::move(stored);
  }
  if (!alike.empty()) return {alike, false};
  Run(connection, R"(INSERT INTO "GROUPS" ("GroupName") VALUES (?1))", {name});
  transaction.Commit();
  return {name, true};
}

}  // namespace vyn::dialogs
