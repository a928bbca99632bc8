#include "data/sqlite_statement.h"

#include <sqlite3.h>

#include "data/sqlite_connection.h"

namespace vyn {

TSqliteStatement::TSqliteStatement(TSqliteConnection& connection,
                                   std::string_view sql)
    : connection_(&connection), sql_(sql) {
  const int rc = sqlite3_prepare_v2(connection.Handle(), sql_.c_str(),
                                    static_cast<int>(sql_.size()), &statement_,
                                    nullptr);
  if (rc != SQLITE_OK) connection.ThrowError(rc);
}

TSqliteStatement::~TSqliteStatement() { sqlite3_finalize(statement_); }

TSqliteStatement::TSqliteStatement(TSqliteStatement&& other) noexcept
    : connection_(other.connection_),
      statement_(other.statement_),
      sql_(std::move(other.sql_)) {
  other.statement_ = nullptr;
}

void TSqliteStatement::Bind(int index, const TVynValue& value) {
  int rc = SQLITE_OK;
  switch (value.Type()) {
    case TValueType::vtNull: rc = sqlite3_bind_null(statement_, index); break;
    case TValueType::vtInteger:
      rc = sqlite3_bind_int64(statement_, index, value.Integer());
      break;
    case TValueType::vtReal:
      rc = sqlite3_bind_double(statement_, index, value.Real());
      break;
    case TValueType::vtText:
      rc = sqlite3_bind_text64(statement_, index, value.Bytes().data(),
                               value.Bytes().size(), SQLITE_TRANSIENT,
                               SQLITE_UTF8);
      break;
    case TValueType::vtBlob:
      rc = sqlite3_bind_blob64(statement_, index, value.Bytes().data(),
                               value.Bytes().size(), SQLITE_TRANSIENT);
      break;
  }
  if (rc != SQLITE_OK) connection_->ThrowError(rc);
}

void TSqliteStatement::BindAll(const std::vector<TVynValue>& values) {
  for (std::size_t i = 0; i < values.size(); ++i)
    Bind(static_cast<int>(i + 1), values[i]);
}

bool TSqliteStatement::Step() {
  const int rc = sqlite3_step(statement_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  connection_->ThrowError(rc);
}

int TSqliteStatement::ColumnCount() const {
  return sqlite3_column_count(statement_);
}

TVynValue TSqliteStatement::Column(int index) const {
  switch (sqlite3_column_type(statement_, index)) {
    case SQLITE_INTEGER:
      return TVynValue(
          static_cast<long long>(sqlite3_column_int64(statement_, index)));
    case SQLITE_FLOAT: return TVynValue(sqlite3_column_double(statement_, index));
    case SQLITE_TEXT: {
      const auto* text = reinterpret_cast<const char*>(
          sqlite3_column_text(statement_, index));
      return TVynValue(
          std::string(text, sqlite3_column_bytes(statement_, index)));
    }
    case SQLITE_BLOB: {
      const auto* bytes =
          static_cast<const char*>(sqlite3_column_blob(statement_, index));
      const int size = sqlite3_column_bytes(statement_, index);
      return TVynValue::Blob(bytes ? std::string(bytes, size) : std::string());
    }
    default: return TVynValue();
  }
}

void TSqliteStatement::Reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

}  // namespace vyn
