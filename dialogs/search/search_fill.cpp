#include "dialogs/search/search_fill.h"

#include <iterator>
#include <vector>

namespace vyn::dialogs {

void TSearchFill::Start(std::unique_ptr<TSearchListSource> source) {
  source_ = std::move(source);
  slices_ = 0;
  rows_ = 0;
}

void TSearchFill::Stop() { source_.reset(); }

bool TSearchFill::Step(TSearchList& list, std::chrono::microseconds budget) {
  if (!source_) return true;
  using TClock = std::chrono::steady_clock;
  const TClock::time_point end = TClock::now() + budget;
  ++slices_;
  try {
    // The list takes each batch at once, so the budget covers showing the
    // rows as well as reading them.
    do {
      std::vector<TSearchEntry> batch = source_->ReadNext(kBatchRows);
      rows_ += batch.size();
      list.Add(std::move(batch));
    } while (!source_->Done() && TClock::now() < end);
  } catch (...) {
    source_.reset();
    throw;
  }
  if (!source_->Done()) return false;
  source_.reset();
  return true;
}

void FillCompletely(TSearchList& list, TSearchListSource& source) {
  std::vector<TSearchEntry> rows;
  while (!source.Done()) {
    std::vector<TSearchEntry> batch = source.ReadNext(TSearchFill::kBatchRows * 8);
    rows.insert(rows.end(), std::make_move_iterator(batch.begin()),
                std::make_move_iterator(batch.end()));
  }
  list.Add(std::move(rows));
}

}  // namespace vyn::dialogs
