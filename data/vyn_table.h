#pragma once
// A cursor over one table of the database: the table engine's verbs.
//
// Order. The current index (empty name = the primary key) orders the rows by
// its fields and, last, by the row id, so every row has one place even when
// an index allows equal keys. A table without a primary key keeps its rows
// in the order they were added.
//
// Position. The cursor is before the first row (Bof), on a row, or after the
// last row (Eof). Next and Prior step one row and leave the table from its
// ends: Prior on the first row gives Bof, Next on the last gives Eof, Next
// from Bof is the first row and Prior from Eof the last. First on an empty
// table gives Eof, Last gives Bof. Each step is one indexed query that starts
// from the current row's key ("keyset" navigation), so no more than one row
// is held in memory and rows added or removed meanwhile are seen correctly.
//
// Searches. FindKey finds the first row whose leading key fields equal the
// values given (as many fields as values); it leaves the cursor where it was
// when no row matches. FindNearest goes to the first row whose leading key
// fields are equal or greater, or to Eof when there is none.
//
// Writing. Insert and Edit fill a row buffer through the fields; Post writes
// it in one transaction (on failure nothing is written and the buffer and
// state stay, so the caller may correct or Cancel) and leaves the cursor on
// the written row; Cancel drops the buffer. Delete removes the current row
// and goes to the next one (or the new last one). Moving, searching or
// changing the index while editing posts the edit first; closing drops it.
//
// Changing the index keeps the current row (or Bof or Eof); the next step
// goes from that row in the new order.
//
// Errors are ETableError naming the table and what went wrong.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/database_error.h"
#include "data/sqlite_statement.h"
#include "data/table_layout.h"
#include "data/vyn_field.h"
#include "data/vyn_value.h"

namespace vyn {

class TVynDatabase;
class TSqliteConnection;
class ESqliteError;

enum class TTableState { tsInactive, tsBrowse, tsEdit, tsInsert };

// One row read by ReadRows: its row id and its values in field order.
struct TTableRow {
  std::int64_t RowId = 0;
  std::vector<TVynValue> Values;
};

class TVynTable {
 public:
  // A closed table named `table_name` with the fields and keys of `layout`,
  // bound to `database`, which must outlive it. Throws EDatabaseError
  // (deBadName) for a bad name or layout.
  TVynTable(TVynDatabase& database, const std::string& table_name,
            TTableLayout layout);
  ~TVynTable();
  TVynTable(const TVynTable&) = delete;
  TVynTable& operator=(const TVynTable&) = delete;

  const std::string& TableName() const { return name_; }
  // Only while closed; the name must be an identifier.
  void SetTableName(const std::string& table_name);
  const TTableLayout& Layout() const { return layout_; }

  // Open checks that the database is connected and has the table with all
  // the layout's fields, then goes to the first row.
  void Open();
  void Close();
  bool Active() const { return state_ != TTableState::tsInactive; }
  void SetActive(bool active);
  TTableState State() const { return state_; }

  // Whether the database holds the table.
  bool Exists();
  // Creates the table and its indexes unless they exist, in one transaction.
  void CreateTable();

  // The current index: "" is the primary key, otherwise a named index.
  const std::string& IndexName() const { return indexName_; }
  void SetIndexName(const std::string& index_name);
  // Chooses the primary key or the first named index whose leading fields
  // are `fields` ("A;B"); "" is the primary key.
  void SetIndexFieldNames(const std::string& fields);
  // The fields of the current index, "A;B".
  std::string IndexFieldNames() const;

  void First();
  void Last();
  void Next();
  void Prior();
  // Moves `count` rows forward (backward when negative), stopping at Eof or Bof.
  void MoveBy(int count);
  bool Bof() const;
  bool Eof() const;
  bool IsEmpty();
  std::int64_t RecordCount();

  // Up to `count` rows in the current order, from the first row whose
  // leading key fields are equal to or greater than `from` (all rows from
  // the first when `from` is empty), read with one statement; the cursor
  // does not move. For item models that show a window of a large table.
  std::vector<TTableRow> ReadRows(const std::vector<TVynValue>& from, std::size_t count);

  // Observers, empty when not assigned: after a row is posted, after a row
  // is deleted (and after EmptyTable), after the current index changed.
  std::function<void()> OnAfterPost;
  std::function<void()> OnAfterDelete;
  std::function<void()> OnIndexChange;

  bool FindKey(const std::vector<TVynValue>& values);
  void FindNearest(const std::vector<TVynValue>& values);

  void Insert();
  void Edit();
  void Post();
  void Cancel();
  void Delete();
  // Deletes every row.
  void EmptyTable();

  // Throws ETableError (deMissingField) for an unknown name (any case).
  TVynField& FieldByName(std::string_view name);
  const TVynField& FieldByName(std::string_view name) const;
  TVynField* FindField(std::string_view name);
  const TVynField* FindField(std::string_view name) const;
  std::size_t FieldCount() const { return fields_.size(); }
  TVynField& Field(std::size_t index) { return fields_[index]; }

 private:
  friend class TVynDatabase;
  friend class TVynField;
  enum class TPosition { psBeforeFirst, psOnRow, psAfterLast };
  struct TSnapshot {
    std::vector<TVynValue> values;
    std::int64_t row_id = 0;
    TPosition position = TPosition::psAfterLast;
  };

  TSqliteConnection& Connection();
  TSqliteStatement& Prepared(const std::string& sql);
  template <class F>
  auto Guarded(std::string_view verb, F&& work) -> decltype(work());
  [[noreturn]] void FailFromSqlite(std::string_view verb, const ESqliteError& e) const;
  [[noreturn]] void Fail(TDataErrorKind kind, const std::string& what) const;

  void CheckOpen() const;
  void CheckBrowse();
  void CheckFields();
  void UseIndex(const std::string& name, const std::vector<std::string>& fields);
  void SetFieldValue(std::size_t index, const TVynValue& value);

  std::string SelectSql() const;
  std::string OrderSql(bool descending) const;
  std::vector<TVynValue> Anchor() const;
  std::vector<TVynValue> KeyValues(const std::vector<TVynValue>& values);
  bool Fetch(TSqliteStatement& statement);
  bool FetchStep(int direction, const std::vector<TVynValue>* anchor,
                 std::int64_t skip);
  void Step(int direction, std::int64_t count);
  bool Reload(std::int64_t row_id);
  void ClearRow(TPosition position);
  TSnapshot Snapshot() const;
  void Restore(TSnapshot snapshot);
  std::int64_t WriteInsert();
  void WriteUpdate();

  TVynDatabase* database_;
  std::string name_;
  std::string quotedName_;
  TTableLayout layout_;
  std::vector<bool> keyField_;
  std::vector<TVynField> fields_;
  std::string indexName_;
  std::vector<std::size_t> order_;  // the fields of the current index

  TTableState state_ = TTableState::tsInactive;
  TPosition position_ = TPosition::psAfterLast;
  std::vector<TVynValue> values_;
  std::vector<bool> modified_;
  std::int64_t rowId_ = 0;
  TSnapshot saved_;  // the row before Insert or Edit, for Cancel

  std::unordered_map<std::string, std::unique_ptr<TSqliteStatement>> statements_;
};

}  // namespace vyn
