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
  std::vector<TSearchEntry> rows;
  try {
    do {
      std::vector<TSearchEntry> batch = source_->ReadNext(kBatchRows);
      rows.insert(rows.end(), std::make_move_iterator(batch.begin()),
                  std::make_move_iterator(batch.end()));
    } while (!source_->Done() && TClock::now() < end);
  } catch (...) {
    source_.reset();
    list.Add(std::move(rows));
    throw;
  }
  ++slices_;
  rows_ += rows.size();
  list.Add(std::move(rows));
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
