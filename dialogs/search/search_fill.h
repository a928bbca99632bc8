#pragma once
// Filling a pick list in slices, so that the window stays responsive while a
// long list is read: each Step reads batches of rows, handing each to the
// list as it comes, until its time budget is used up (at least one batch).
// The caller runs Step from its event loop until it reports the end.
#include <chrono>
#include <cstddef>
#include <memory>

#include "dialogs/search/search_list.h"
#include "dialogs/search/search_list_source.h"

namespace vyn::dialogs {

class TSearchFill {
 public:
  // Rows read by one query.
  static constexpr std::size_t kBatchRows = 128;

  // Starts a fill from `source`; a fill still running is dropped.
  void Start(std::unique_ptr<TSearchListSource> source);
  // Drops the fill.
  void Stop();
  bool Pending() const { return source_ != nullptr; }

  // Reads into `list` for about `budget`. True when the rows have ended
  // (the fill is then no longer pending). Errors of the table store
  // propagate and end the fill; the rows added before stay.
  bool Step(TSearchList& list, std::chrono::microseconds budget);

  // Counts of the current or last fill.
  int Slices() const { return slices_; }
  std::size_t Rows() const { return rows_; }

 private:
  std::unique_ptr<TSearchListSource> source_;
  int slices_ = 0;
  std::size_t rows_ = 0;
};

// Reads every row of `source` into `list` at once: for short lists, and for
// callers without an event loop.
void FillCompletely(TSearchList& list, TSearchListSource& source);

}  // namespace vyn::dialogs
