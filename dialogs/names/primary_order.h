#pragma once
// While a TPrimaryOrder lives its table reads in its primary-key order; the
// table's own index comes back afterwards, so the windows browsing the table
// keep their order.
#include <string>

#include "data/vyn_table.h"

namespace vyn::dialogs {

class TPrimaryOrder {
 public:
  explicit TPrimaryOrder(TVynTable& table) : table_(table), index_(table.IndexName()) {
    if (!index_.empty()) table_.SetIndexName("");
  }
  ~TPrimaryOrder() {
    try {
      if (table_.IndexName() != index_) table_.SetIndexName(index_);
    } catch (...) {
      // A browsing window's order is not worth an error of its own.
    }
  }
  TPrimaryOrder(const TPrimaryOrder&) = delete;
  TPrimaryOrder& operator=(const TPrimaryOrder&) = delete;

 private:
  TVynTable& table_;
  std::string index_;
};

// The text of the field `name` in a row read with TVynTable::ReadRows.
inline const std::string& RowText(const TVynTable& table, const TTableRow& row,
                                  const char* name) {
  return row.Values[*table.Layout().FieldIndex(name)].Bytes();
}

}  // namespace vyn::dialogs
