#include "interpretation/interp_table.h"

#include <string>

#include "data/data_collection.h"
#include "data/database_error.h"
#include "data/sql_names.h"
#include "data/sqlite_connection.h"

namespace vyn {

TInterpTable::TInterpTable(TDataCollection& collection)
    : collection_(collection), statements_(collection.Database()) {}

std::optional<TInterpRecord> TInterpTable::LookUp(std::string_view code) {
  const std::string& table = collection_.Table(TTableRole::trInterpretation).TableName();
  if (!collection_.Active())
    throw ETableError(TDataErrorKind::deNotOpen, table, "the table collection is closed");
  try {
    TSqliteStatement& statement = statements_.Prepared(
        "SELECT Code, Title, MTitle, TextK FROM " + QuoteSqlIdentifier(table, "table") +
        " WHERE Code = ?1 ORDER BY rowid LIMIT 1");
    TStatementRun run(statement);
    statement.Bind(1, TVynValue(code));
    if (!statement.Step()) return std::nullopt;
    return TInterpRecord{statement.Column(0).Bytes(), statement.Column(1).Bytes(),
                         statement.Column(2).Bytes(), statement.Column(3).Bytes()};
  } catch (const ESqliteError& e) {
    throw ETableError(ErrorKindOfSqliteCode(e.Code()), table,
                      "reading Code \"" + std::string(code) + "\" failed (" + e.what() + ")");
  }
}

}  // namespace vyn
