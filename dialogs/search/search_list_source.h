#pragma once
// Where a pick list's rows come from: one table read in the order the list
// shows, a batch at a time. Each batch is one indexed query that starts
// after the last row read ("keyset" paging), so the source holds no lock
// and no cursor between batches, moves no table's cursor, and sees rows that
// others add or remove meanwhile.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "data/sqlite_statement.h"
#include "dialogs/search/search_entry.h"
#include "dialogs/search/search_mode.h"

namespace vyn {
class TDataCollection;
class TSqliteConnection;
}  // namespace vyn

namespace vyn::dialogs {

// Which rows of its table a list shows.
struct TListScope {
  std::string stateId;          // places: the state's identifier
  std::string stateName;        // places: the state's name
  std::string group;            // people: only this group's members ("": everyone)
  bool firstNameFirst = true;   // people: ordered by first name, else by last name
};

// One column read into a field of the entry.
struct TListColumn {
  std::string column;
  enum EField { lfName, lfLastName, lfId } field = lfName;
};

// A table read in the order of its leading columns, which are unique
// together; optionally only the rows whose `filterColumn` equals
// `filterValue`.
struct TListQuery {
  std::string table;
  std::vector<TListColumn> columns;
  std::size_t keyColumns = 1;  // the first ones order the rows
  std::string filterColumn;
  std::string filterValue;
};

class TSearchListSource {
 public:
  // Prepares the query on `connection`, which must outlive the source.
  // Throws ESqliteError naming what could not be prepared.
  TSearchListSource(TSqliteConnection& connection, TListQuery query);

  // Up to `count` rows after the last one read; fewer only at the end.
  // Errors of the table store propagate, and the source stays where it was.
  std::vector<TSearchEntry> ReadNext(std::size_t count);
  // Whether the last batch reached the end of the rows.
  bool Done() const { return done_; }

 private:
  std::string Sql(bool following) const;

  TListQuery query_;
  TSqliteStatement first_;
  TSqliteStatement following_;
  std::vector<TVynValue> lastKey_;  // the key of the last row read
  bool done_ = false;
};

// The query of a mode's list.
TListQuery ListQuery(ESearchMode mode, const TListScope& scope);

// The source of a mode's list over the collection's database.
std::unique_ptr<TSearchListSource> MakeListSource(TDataCollection& tables, ESearchMode mode,
                                                  const TListScope& scope);

}  // namespace vyn::dialogs
