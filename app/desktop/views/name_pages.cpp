#include "app/desktop/views/name_pages.h"

#include "data/table_catalogue.h"
#include "data/vyn_table.h"

namespace vyn::desktop {

TNamePages::TNamePages(TVynDatabase& database) {
  const TCatalogueEntry& entry = CatalogueEntry(TTableRole::trNames);
  names_ = std::make_unique<TVynTable>(database, entry.InitialName, entry.Layout);
  firstField_ = entry.Layout.FieldIndex("FirstName").value();
  lastField_ = entry.Layout.FieldIndex("LastName").value();
  names_->Open();
}

TNamePages::~TNamePages() = default;

void TNamePages::Restart() {
  started_ = false;
  atEnd_ = false;
  lastRowId_ = 0;
  lastName_ = {};
}

std::vector<TPersonName> TNamePages::Next(std::size_t count) {
  std::vector<TPersonName> page;
  if (atEnd_ || count == 0) return page;
  // Reading from the last person read returns that person again first.
  std::vector<TVynValue> from;
  if (started_) from = {TVynValue(lastName_.first), TVynValue(lastName_.last)};
  const std::vector<TTableRow> rows = names_->ReadRows(from, count + (started_ ? 1 : 0));
  for (const TTableRow& row : rows) {
    if (started_ && row.RowId == lastRowId_) continue;
    if (page.size() == count) break;
    page.push_back({row.Values[firstField_].Bytes(), row.Values[lastField_].Bytes()});
    lastRowId_ = row.RowId;
  }
  if (!page.empty()) lastName_ = page.back();
  started_ = true;
  atEnd_ = page.size() < count;
  return page;
}

}  // namespace vyn::desktop
