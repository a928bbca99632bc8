#pragma once
// The tips of the day of the current language (the tips table, one row a
// tip) and the choice of a random one.
#include <cstddef>
#include <random>
#include <string>
#include <vector>

namespace vyn {
class TVynTable;
}

namespace vyn::desktop {

// Every non-empty tip of the table in its key order; moves its cursor.
std::vector<std::string> ReadTips(TVynTable& tips);

class TTipPicker {
 public:
  TTipPicker(std::vector<std::string> tips, unsigned seed);

  bool Empty() const { return tips_.empty(); }
  std::size_t Count() const { return tips_.size(); }
  // A random tip; never the same one twice running while there are two or
  // more. Empty text when there are none.
  const std::string& Next();
  // The index of the tip Next gave last.
  std::size_t Current() const { return current_; }

 private:
  std::vector<std::string> tips_;
  std::mt19937 random_;
  std::size_t current_ = 0;
  bool started_ = false;
};

}  // namespace vyn::desktop
