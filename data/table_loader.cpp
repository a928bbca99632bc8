#include "data/table_loader.h"

#include "data/database_error.h"
#include "data/sql_names.h"
#include "data/sqlite_connection.h"
#include "data/vyn_database.h"

namespace vyn {
namespace {

std::string InsertSql(const std::string& table, const TTableLayout& layout) {
  std::string fields, marks;
  for (const TFieldDef& field : layout.Fields) {
    if (!fields.empty()) {
      fields += ", ";
      marks += ", ";
    }
    fields += QuoteSqlIdentifier(field.Name, "field");
    marks += "?";
  }
  return "INSERT INTO " + QuoteSqlIdentifier(table, "table") + " (" + fields +
         ") VALUES (" + marks + ")";
}

TSqliteStatement Prepare(TVynDatabase& database, const std::string& table,
                         const TTableLayout& layout) {
  try {
    return TSqliteStatement(database.Connection(), InsertSql(table, layout));
  } catch (const ESqliteError& e) {
    throw ETableError(ErrorKindOfSqliteCode(e.Code()), table,
                      std::string("cannot be loaded: ") + e.what());
  }
}

std::string RowText(const std::vector<TVynValue>& row) {
  std::string text;
  for (const TVynValue& value : row)
    text += (text.empty() ? "" : ", ") + value.Describe();
  return text;
}

}  // namespace

TTableLoader::TTableLoader(TVynDatabase& database, const std::string& tableName,
                           const TTableLayout& layout)
    : table_(tableName),
      fieldCount_(layout.Fields.size()),
      insert_(Prepare(database, tableName, layout)) {}

void TTableLoader::Append(const std::vector<TVynValue>& row) {
  if (row.size() != fieldCount_)
    throw ETableError(TDataErrorKind::deBadValue, table_,
                      "a row of " + std::to_string(row.size()) +
                          " values for " + std::to_string(fieldCount_) +
                          " fields");
  TStatementRun run(insert_);
  try {
    run->BindAll(row);
    run->Step();
  } catch (const ESqliteError& e) {
    throw ETableError(ErrorKindOfSqliteCode(e.Code()), table_,
                      "insert of (" + RowText(row) + ") failed: " + e.what());
  }
  ++count_;
}

}  // namespace vyn
