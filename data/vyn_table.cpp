#include "data/vyn_table.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <utility>

#include "data/field_conversion.h"
#include "data/sql_names.h"
#include "data/text_collation.h"
#include "data/transaction.h"
#include "data/vyn_database.h"

namespace vyn {
namespace {

using TKind = TDataErrorKind;

const char* DeclaredType(TFieldKind kind) {
  switch (kind) {
    case TFieldKind::fkText: return "TEXT";
    case TFieldKind::fkInteger: return "INTEGER";
    case TFieldKind::fkBoolean: return "BOOLEAN";
    case TFieldKind::fkMemo: return "CLOB";  // text affinity
    case TFieldKind::fkPicture: return "BLOB";
  }
  return "BLOB";
}

const char* DefaultLiteral(TFieldKind kind) {
  switch (kind) {
    case TFieldKind::fkInteger:
    case TFieldKind::fkBoolean: return "0";
    case TFieldKind::fkPicture: return "x''";
    default: return "''";
  }
}

// "a, b, c" from the items, each written by `item`.
template <class Items, class Item>
std::string JoinSql(const Items& items, const char* separator, Item item) {
  std::string sql;
  for (const auto& each : items) {
    if (!sql.empty()) sql += separator;
    sql += item(each);
  }
  return sql;
}

std::string Parameters(std::size_t count) {
  std::string sql;
  for (std::size_t i = 0; i < count; ++i) sql += i ? ", ?" : "?";
  return sql;
}

const char* ReasonOf(TKind kind) {
  switch (kind) {
    case TKind::deKeyViolation: return "key violation, another row has the same key";
    case TKind::deLocked: return "the database is locked by another program";
    case TKind::deCorrupt: return "the database file is damaged or is not a database";
    case TKind::deMissingDatabase: return "the database file cannot be opened";
    case TKind::deBadValue: return "a value does not fit the table";
    default: return "the database engine failed";
  }
}

bool SameFieldList(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const auto& x, const auto& y) { return SameSqlName(x, y); });
}

}  // namespace

TVynTable::TVynTable(TVynDatabase& database, const std::string& table_name,
                     TTableLayout layout)
    : database_(&database), layout_(std::move(layout)) {
  ValidateLayout(layout_);
  SetTableName(table_name);
  for (std::size_t i = 0; i < layout_.Fields.size(); ++i) {
    keyField_.push_back(layout_.IsKeyField(layout_.Fields[i].Name));
    fields_.push_back(TVynField(*this, i));
  }
  values_.assign(layout_.Fields.size(), TVynValue());
  modified_.assign(layout_.Fields.size(), false);
  UseIndex("", layout_.PrimaryKey);
  database_->Attach(this);
}

TVynTable::~TVynTable() {
  Close();
  if (database_) database_->Detach(this);
}

void TVynTable::SetTableName(const std::string& table_name) {
  if (Active())
    Fail(TKind::deWrongState, "the name cannot change to \"" + table_name +
                                  "\" while the table is open");
  quotedName_ = QuoteSqlIdentifier(table_name, "table");
  name_ = table_name;
}

// --- Errors -----------------------------------------------------------------

void TVynTable::Fail(TDataErrorKind kind, const std::string& what) const {
  throw ETableError(kind, name_, what);
}

void TVynTable::FailFromSqlite(std::string_view verb, const ESqliteError& e) const {
  const TKind kind = ErrorKindOfSqliteCode(e.Code());
  Fail(kind, std::string(verb) + " failed: " + ReasonOf(kind) + " (" + e.what() + ")");
}

template <class F>
auto TVynTable::Guarded(std::string_view verb, F&& work) -> decltype(work()) {
  try {
    return work();
  } catch (const ETableError&) {
    throw;
  } catch (const EDatabaseError& e) {
    Fail(e.Kind(), e.what());
  } catch (const ESqliteError& e) {
    FailFromSqlite(verb, e);
  } catch (const std::invalid_argument& e) {
    Fail(TKind::deBadValue, e.what());
  }
}

void TVynTable::CheckOpen() const {
  if (!Active()) Fail(TKind::deNotOpen, "the table is not open");
}

void TVynTable::CheckBrowse() {
  CheckOpen();
  if (state_ == TTableState::tsEdit || state_ == TTableState::tsInsert) Post();
}

TSqliteConnection& TVynTable::Connection() {
  if (!database_)
    Fail(TKind::deNotConnected, "the table's database no longer exists");
  return database_->Connection();
}

TSqliteStatement& TVynTable::Prepared(const std::string& sql) {
  auto found = statements_.find(sql);
  if (found != statements_.end()) return *found->second;
  auto statement = std::make_unique<TSqliteStatement>(Connection(), sql);
  return *statements_.emplace(sql, std::move(statement)).first->second;
}

// --- Opening and the schema ----------------------------------------------------

void TVynTable::Open() {
  if (Active()) return;
  Guarded("open", [&] {
    Connection();
    if (!database_->TableExists(name_))
      Fail(TKind::deMissingTable, "the database \"" + database_->DatabaseName() +
                                      "\" (" + database_->FilePath() +
                                      ") has no such table");
    CheckFields();
  });
  state_ = TTableState::tsBrowse;
  try {
    First();
  } catch (...) {
    Close();
    throw;
  }
}

void TVynTable::CheckFields() {
  TSqliteStatement statement(Connection(), "SELECT name FROM pragma_table_info(?)");
  statement.Bind(1, TVynValue(name_));
  std::vector<std::string> present;
  while (statement.Step()) present.push_back(statement.Column(0).Bytes());
  for (const auto& field : layout_.Fields) {
    const bool found = std::any_of(present.begin(), present.end(), [&](const auto& name) {
      return SameSqlName(name, field.Name);
    });
    if (!found)
      Fail(TKind::deMissingField, "the field \"" + field.Name + "\" is missing");
  }
}

void TVynTable::Close() {
  statements_.clear();
  state_ = TTableState::tsInactive;
  ClearRow(TPosition::psAfterLast);
  saved_ = TSnapshot();
}

void TVynTable::SetActive(bool active) {
  if (active)
    Open();
  else
    Close();
}

bool TVynTable::Exists() {
  return Guarded("check", [&] {
    Connection();
    return database_->TableExists(name_);
  });
}

void TVynTable::CreateTable() {
  auto column = [&](const TFieldDef& field) {
    std::string sql = QuoteSqlIdentifier(field.Name, "field") + " " +
                      DeclaredType(field.Kind);
    if (layout_.IsKeyField(field.Name))
      sql += std::string(" NOT NULL DEFAULT ") + DefaultLiteral(field.Kind);
    if (field.Order == TTextOrder::toName)
      sql += " COLLATE " + std::string(kTextCollation);
    return sql;
  };
  auto quoted = [](const std::string& name) { return QuoteSqlIdentifier(name, "field"); };
  auto create_index = [&](const std::string& index_name,
                          const std::vector<std::string>& fields, bool unique) {
    return std::string(unique ? "CREATE UNIQUE INDEX" : "CREATE INDEX") +
           " IF NOT EXISTS " + QuoteSqlIdentifier(index_name, "index") + " ON " +
           quotedName_ + " (" + JoinSql(fields, ", ", quoted) + ")";
  };
  Guarded("create", [&] {
    TSqliteConnection& connection = Connection();
    TTransaction transaction(connection);
    connection.Execute("CREATE TABLE IF NOT EXISTS " + quotedName_ + " (" +
                       JoinSql(layout_.Fields, ", ", column) + ")");
    if (!layout_.PrimaryKey.empty())
      connection.Execute(create_index("pk_" + name_, layout_.PrimaryKey, true));
    // An index with the fields of the primary key or of an earlier index
    // shares that one: the order is the same, and so is the query plan.
    std::vector<const std::vector<std::string>*> made = {&layout_.PrimaryKey};
    for (const auto& index : layout_.Indexes) {
      const bool repeats = std::any_of(made.begin(), made.end(), [&](const auto* fields) {
        return SameFieldList(*fields, index.Fields);
      });
      if (repeats && !index.Unique) continue;
      connection.Execute(
          create_index("ix_" + name_ + "_" + index.Name, index.Fields, index.Unique));
      made.push_back(&index.Fields);
    }
    transaction.Commit();
  });
}

// --- Index ---------------------------------------------------------------------

void TVynTable::UseIndex(const std::string& name, const std::vector<std::string>& fields) {
  if (Active()) CheckBrowse();
  std::vector<std::size_t> order;
  for (const auto& field : fields) order.push_back(*layout_.FieldIndex(field));
  const bool changed = name != indexName_ || order != order_;
  indexName_ = name;
  order_ = std::move(order);
  if (changed && OnIndexChange) OnIndexChange();
}

void TVynTable::SetIndexName(const std::string& index_name) {
  if (index_name.empty()) return UseIndex("", layout_.PrimaryKey);
  const TIndexDef* index = layout_.FindIndex(index_name);
  if (!index) Fail(TKind::deNoIndex, "no index named \"" + index_name + "\"");
  UseIndex(index->Name, index->Fields);
}

void TVynTable::SetIndexFieldNames(const std::string& fields) {
  const std::vector<std::string> wanted = SplitFieldList(fields);
  auto leads = [&](const std::vector<std::string>& key) {
    return wanted.size() <= key.size() &&
           std::equal(wanted.begin(), wanted.end(), key.begin(),
                      [](const auto& a, const auto& b) { return SameSqlName(a, b); });
  };
  if (wanted.empty() || leads(layout_.PrimaryKey))
    return UseIndex("", layout_.PrimaryKey);
  for (const auto& index : layout_.Indexes)
    if (leads(index.Fields)) return UseIndex(index.Name, index.Fields);
  Fail(TKind::deNoIndex, "no index begins with the fields \"" + fields + "\"");
}

std::string TVynTable::IndexFieldNames() const {
  return JoinSql(order_, ";", [&](std::size_t i) { return layout_.Fields[i].Name; });
}

// --- Reading rows --------------------------------------------------------------

std::string TVynTable::SelectSql() const {
  return "SELECT rowid, " +
         JoinSql(layout_.Fields, ", ",
                 [](const TFieldDef& f) { return "\"" + f.Name + "\""; }) +
         " FROM " + quotedName_;
}

// The current order: the index fields, then the row id.
std::string TVynTable::OrderSql(bool descending) const {
  const char* direction = descending ? " DESC" : "";
  return " ORDER BY " +
         JoinSql(order_, ", ",
                 [&](std::size_t i) {
                   return "\"" + layout_.Fields[i].Name + "\"" + direction;
                 }) +
         (order_.empty() ? "" : ", ") + "rowid" + direction;
}

std::vector<TVynValue> TVynTable::Anchor() const {
  std::vector<TVynValue> anchor;
  for (std::size_t i : order_) anchor.push_back(values_[i]);
  anchor.push_back(TVynValue(static_cast<long long>(rowId_)));
  return anchor;
}

bool TVynTable::Fetch(TSqliteStatement& statement) {
  if (!statement.Step()) return false;
  rowId_ = statement.Column(0).Integer();
  for (std::size_t i = 0; i < values_.size(); ++i)
    values_[i] = statement.Column(static_cast<int>(i + 1));
  std::fill(modified_.begin(), modified_.end(), false);
  position_ = TPosition::psOnRow;
  return true;
}

// The row `skip` rows after (direction +1) or before (-1) the anchor, or the
// table's first or last rows when there is no anchor.
bool TVynTable::FetchStep(int direction, const std::vector<TVynValue>* anchor,
                          std::int64_t skip) {
  std::string sql = SelectSql();
  if (anchor) {
    const std::string columns =
        JoinSql(order_, ", ",
                [&](std::size_t i) { return "\"" + layout_.Fields[i].Name + "\""; });
    sql += " WHERE (" + columns + (order_.empty() ? "" : ", ") + "rowid)" +
           (direction > 0 ? " > (" : " < (") + Parameters(anchor->size()) + ")";
  }
  sql += OrderSql(direction < 0) + " LIMIT 1 OFFSET ?";
  TSqliteStatement& statement = Prepared(sql);
  TStatementRun run(statement);
  int parameter = 1;
  if (anchor)
    for (const auto& value : *anchor) statement.Bind(parameter++, value);
  statement.Bind(parameter, TVynValue(static_cast<long long>(skip)));
  if (Fetch(statement)) return true;
  ClearRow(direction > 0 ? TPosition::psAfterLast : TPosition::psBeforeFirst);
  return false;
}

void TVynTable::Step(int direction, std::int64_t count) {
  CheckBrowse();
  if ((direction > 0 && position_ == TPosition::psAfterLast) ||
      (direction < 0 && position_ == TPosition::psBeforeFirst))
    return;
  Guarded("move", [&] {
    const std::vector<TVynValue> anchor = Anchor();
    FetchStep(direction, position_ == TPosition::psOnRow ? &anchor : nullptr, count - 1);
  });
}

void TVynTable::First() {
  CheckBrowse();
  Guarded("move", [&] { FetchStep(+1, nullptr, 0); });
}

void TVynTable::Last() {
  CheckBrowse();
  Guarded("move", [&] { FetchStep(-1, nullptr, 0); });
}

void TVynTable::Next() { Step(+1, 1); }
void TVynTable::Prior() { Step(-1, 1); }

void TVynTable::MoveBy(int count) {
  if (count != 0) Step(count > 0 ? +1 : -1, std::abs(static_cast<std::int64_t>(count)));
}

bool TVynTable::Bof() const {
  return state_ != TTableState::tsInsert && position_ == TPosition::psBeforeFirst;
}

bool TVynTable::Eof() const {
  return state_ != TTableState::tsInsert && position_ == TPosition::psAfterLast;
}

bool TVynTable::IsEmpty() {
  CheckOpen();
  return Guarded("read", [&] {
    TSqliteStatement& statement = Prepared("SELECT 1 FROM " + quotedName_ + " LIMIT 1");
    TStatementRun run(statement);
    return !statement.Step();
  });
}

std::int64_t TVynTable::RecordCount() {
  CheckOpen();
  return Guarded("count", [&] {
    TSqliteStatement& statement = Prepared("SELECT count(*) FROM " + quotedName_);
    TStatementRun run(statement);
    statement.Step();
    return statement.Column(0).Integer();
  });
}

bool TVynTable::Reload(std::int64_t row_id) {
  TSqliteStatement& statement = Prepared(SelectSql() + " WHERE rowid = ?");
  TStatementRun run(statement);
  statement.Bind(1, TVynValue(static_cast<long long>(row_id)));
  return Fetch(statement);
}

void TVynTable::ClearRow(TPosition position) {
  std::fill(values_.begin(), values_.end(), TVynValue());
  std::fill(modified_.begin(), modified_.end(), false);
  rowId_ = 0;
  position_ = position;
}

// --- Searches ------------------------------------------------------------------

std::vector<TVynValue> TVynTable::KeyValues(const std::vector<TVynValue>& values) {
  if (order_.empty()) Fail(TKind::deNoIndex, "the current index has no key fields");
  if (values.empty() || values.size() > order_.size())
    Fail(TKind::deBadValue, std::to_string(values.size()) +
                                " key values for an index of " +
                                std::to_string(order_.size()) + " fields");
  std::vector<TVynValue> keys;
  for (std::size_t i = 0; i < values.size(); ++i) {
    // A key is never cut to the field's size: a longer text matches no row
    // rather than the row its first characters name.
    TFieldDef field = layout_.Fields[order_[i]];
    field.Size = 0;
    TVynValue key = ConvertForField(field, values[i]);
    keys.push_back(key.IsNull() ? DefaultForKind(field.Kind) : key);
  }
  return keys;
}

std::vector<TTableRow> TVynTable::ReadRows(const std::vector<TVynValue>& from,
                                           std::size_t count) {
  CheckOpen();
  return Guarded("read", [&] {
    std::vector<TVynValue> keys;
    if (!from.empty()) keys = KeyValues(from);
    std::vector<std::size_t> fields(order_.begin(), order_.begin() + keys.size());
    std::string sql = SelectSql();
    if (!keys.empty())
      sql += " WHERE (" +
             JoinSql(fields, ", ",
                     [&](std::size_t i) { return "\"" + layout_.Fields[i].Name + "\""; }) +
             ") >= (" + Parameters(keys.size()) + ")";
    TSqliteStatement& statement = Prepared(sql + OrderSql(false) + " LIMIT ?");
    TStatementRun run(statement);
    statement.BindAll(keys);
    statement.Bind(static_cast<int>(keys.size()) + 1,
                   TVynValue(static_cast<long long>(count)));
    std::vector<TTableRow> rows;
    rows.reserve(count);
    while (statement.Step()) {
      TTableRow row{statement.Column(0).Integer(), {}};
      for (std::size_t i = 0; i < layout_.Fields.size(); ++i)
        row.Values.push_back(statement.Column(static_cast<int>(i + 1)));
      rows.push_back(std::move(row));
    }
    return rows;
  });
}

bool TVynTable::FindKey(const std::vector<TVynValue>& values) {
  CheckBrowse();
  return Guarded("find", [&] {
    const std::vector<TVynValue> keys = KeyValues(values);
    std::vector<std::size_t> fields(order_.begin(), order_.begin() + keys.size());
    TSqliteStatement& statement = Prepared(
        SelectSql() + " WHERE " +
        JoinSql(fields, " AND ",
                [&](std::size_t i) { return "\"" + layout_.Fields[i].Name + "\" = ?"; }) +
        OrderSql(false) + " LIMIT 1");
    TStatementRun run(statement);
    statement.BindAll(keys);
    return Fetch(statement);
  });
}

void TVynTable::FindNearest(const std::vector<TVynValue>& values) {
  CheckBrowse();
  Guarded("find", [&] {
    const std::vector<TVynValue> keys = KeyValues(values);
    std::vector<std::size_t> fields(order_.begin(), order_.begin() + keys.size());
    TSqliteStatement& statement = Prepared(
        SelectSql() + " WHERE (" +
        JoinSql(fields, ", ",
                [&](std::size_t i) { return "\"" + layout_.Fields[i].Name + "\""; }) +
        ") >= (" + Parameters(keys.size()) + ")" + OrderSql(false) + " LIMIT 1");
    TStatementRun run(statement);
    statement.BindAll(keys);
    if (!Fetch(statement)) ClearRow(TPosition::psAfterLast);
  });
}

// --- Writing -------------------------------------------------------------------

TVynTable::TSnapshot TVynTable::Snapshot() const {
  return TSnapshot{values_, rowId_, position_};
}

void TVynTable::Restore(TSnapshot snapshot) {
  values_ = std::move(snapshot.values);
  rowId_ = snapshot.row_id;
  position_ = snapshot.position;
  std::fill(modified_.begin(), modified_.end(), false);
}

void TVynTable::Insert() {
  CheckBrowse();
  saved_ = Snapshot();
  std::fill(values_.begin(), values_.end(), TVynValue());
  std::fill(modified_.begin(), modified_.end(), false);
  state_ = TTableState::tsInsert;
}

void TVynTable::Edit() {
  CheckBrowse();
  if (position_ != TPosition::psOnRow)
    Fail(TKind::deWrongState, "there is no current row to edit");
  saved_ = Snapshot();
  state_ = TTableState::tsEdit;
}

void TVynTable::SetFieldValue(std::size_t index, const TVynValue& value) {
  const TFieldDef& field = layout_.Fields[index];
  if (state_ != TTableState::tsEdit && state_ != TTableState::tsInsert)
    Fail(TKind::deWrongState, "the field \"" + field.Name +
                                  "\" cannot change: the table is not in edit or "
                                  "insert state");
  TVynValue stored;
  try {
    stored = ConvertForField(field, value);
  } catch (const std::invalid_argument& e) {
    Fail(TKind::deBadValue, e.what());
  }
  if (stored.IsNull() && keyField_[index]) stored = DefaultForKind(field.Kind);
  values_[index] = std::move(stored);
  modified_[index] = true;
}

std::int64_t TVynTable::WriteInsert() {
  std::vector<std::size_t> changed;
  for (std::size_t i = 0; i < modified_.size(); ++i)
    if (modified_[i]) changed.push_back(i);
  std::string sql = "INSERT INTO " + quotedName_;
  if (changed.empty()) {
    sql += " DEFAULT VALUES";
  } else {
    sql += " (" +
           JoinSql(changed, ", ",
                   [&](std::size_t i) { return "\"" + layout_.Fields[i].Name + "\""; }) +
           ") VALUES (" + Parameters(changed.size()) + ")";
  }
  TSqliteStatement& statement = Prepared(sql);
  TStatementRun run(statement);
  int parameter = 1;
  for (std::size_t i : changed) statement.Bind(parameter++, values_[i]);
  statement.Step();
  return Connection().LastInsertRowId();
}

void TVynTable::WriteUpdate() {
  std::vector<std::size_t> changed;
  for (std::size_t i = 0; i < modified_.size(); ++i)
    if (modified_[i]) changed.push_back(i);
  if (changed.empty()) return;
  TSqliteStatement& statement = Prepared(
      "UPDATE " + quotedName_ + " SET " +
      JoinSql(changed, ", ",
              [&](std::size_t i) { return "\"" + layout_.Fields[i].Name + "\" = ?"; }) +
      " WHERE rowid = ?");
  TStatementRun run(statement);
  int parameter = 1;
  for (std::size_t i : changed) statement.Bind(parameter++, values_[i]);
  statement.Bind(parameter, TVynValue(static_cast<long long>(rowId_)));
  statement.Step();
}

void TVynTable::Post() {
  CheckOpen();
  if (state_ != TTableState::tsEdit && state_ != TTableState::tsInsert)
    Fail(TKind::deWrongState, "there is no insert or edit to post");
  Guarded("post", [&] {
    TSqliteConnection& connection = Connection();
    std::int64_t row_id = rowId_;
    {
      TTransaction transaction(connection);
      if (state_ == TTableState::tsInsert)
        row_id = WriteInsert();
      else
        WriteUpdate();
      transaction.Commit();
    }
    state_ = TTableState::tsBrowse;
    if (!Reload(row_id)) ClearRow(TPosition::psAfterLast);
  });
  if (OnAfterPost) OnAfterPost();
}

void TVynTable::Cancel() {
  if (state_ != TTableState::tsEdit && state_ != TTableState::tsInsert) return;
  Restore(std::move(saved_));
  saved_ = TSnapshot();
  state_ = TTableState::tsBrowse;
}

void TVynTable::Delete() {
  CheckOpen();
  if (state_ == TTableState::tsInsert) return Cancel();
  Cancel();
  if (position_ != TPosition::psOnRow)
    Fail(TKind::deWrongState, "there is no current row to delete");
  Guarded("delete", [&] {
    TSqliteConnection& connection = Connection();
    const std::vector<TVynValue> anchor = Anchor();
    {
      TTransaction transaction(connection);
      TSqliteStatement& statement =
          Prepared("DELETE FROM " + quotedName_ + " WHERE rowid = ?");
      {
        TStatementRun run(statement);
        statement.Bind(1, TVynValue(static_cast<long long>(rowId_)));
        statement.Step();
      }
      transaction.Commit();
    }
    if (!FetchStep(+1, &anchor, 0) && !FetchStep(-1, &anchor, 0))
      ClearRow(TPosition::psAfterLast);
  });
  if (OnAfterDelete) OnAfterDelete();
}

void TVynTable::EmptyTable() {
  CheckBrowse();
  Guarded("empty", [&] {
    TSqliteConnection& connection = Connection();
    TTransaction transaction(connection);
    TSqliteStatement& statement = Prepared("DELETE FROM " + quotedName_);
    {
      TStatementRun run(statement);
      statement.Step();
    }
    transaction.Commit();
    ClearRow(TPosition::psAfterLast);
  });
  if (OnAfterDelete) OnAfterDelete();
}

// --- Fields --------------------------------------------------------------------

const TVynField* TVynTable::FindField(std::string_view name) const {
  const auto index = layout_.FieldIndex(name);
  return index ? &fields_[*index] : nullptr;
}

TVynField* TVynTable::FindField(std::string_view name) {
  return const_cast<TVynField*>(std::as_const(*this).FindField(name));
}

const TVynField& TVynTable::FieldByName(std::string_view name) const {
  const TVynField* field = FindField(name);
  if (!field) Fail(TKind::deMissingField, "no field named \"" + std::string(name) + "\"");
  return *field;
}

TVynField& TVynTable::FieldByName(std::string_view name) {
  return const_cast<TVynField&>(std::as_const(*this).FieldByName(name));
}

}  // namespace vyn
