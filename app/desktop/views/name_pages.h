#pragma once
// The people of the "NAME" table in primary-key order (first name, last
// name), read a page at a time through a cursor of its own, so the list
// never holds more of a large table than has been asked for and never moves
// the cursor that the dialogs use.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vyn {
class TVynDatabase;
class TVynTable;
}  // namespace vyn

namespace vyn::desktop {

struct TPersonName {
  std::string first;
  std::string last;

  friend bool operator==(const TPersonName&, const TPersonName&) = default;
};

class TNamePages {
 public:
  // Opens a cursor on "NAME"; throws the table store's errors.
  explicit TNamePages(TVynDatabase& database);
  ~TNamePages();
  TNamePages(const TNamePages&) = delete;
  TNamePages& operator=(const TNamePages&) = delete;

  // Up to `count` people after those read so far; fewer at the end.
  std::vector<TPersonName> Next(std::size_t count);
  bool AtEnd() const { return atEnd_; }
  // Starts again from the first person.
  void Restart();

 private:
  std::unique_ptr<TVynTable> names_;
  std::size_t firstField_;
  std::size_t lastField_;
  bool started_ = false;
  bool atEnd_ = false;
  std::int64_t lastRowId_ = 0;
  TPersonName lastName_;
};

}  // namespace vyn::desktop
