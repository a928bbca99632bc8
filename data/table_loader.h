#pragma once
// Appends many rows to one table quickly: one prepared insert of every
// field of the table's layout, run inside the caller's transaction. For
// building shipped tables; interactive writes go through TVynTable.
#include <string>
#include <vector>

#include "data/sqlite_statement.h"
#include "data/table_layout.h"
#include "data/vyn_value.h"

namespace vyn {

class TVynDatabase;

class TTableLoader {
 public:
  // The table must exist. Throws ETableError naming it otherwise.
  TTableLoader(TVynDatabase& database, const std::string& tableName,
               const TTableLayout& layout);

  // One value per field of the layout, in layout order. A key violation or
  // a wrong number of values throws ETableError naming the table and the row.
  void Append(const std::vector<TVynValue>& row);
  long Count() const { return count_; }

 private:
  std::string table_;
  std::size_t fieldCount_;
  TSqliteStatement insert_;
  long count_ = 0;
};

}  // namespace vyn
