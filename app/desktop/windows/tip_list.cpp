#include "app/desktop/windows/tip_list.h"

#include "data/vyn_table.h"

namespace vyn::desktop {

std::vector<std::string> ReadTips(TVynTable& tips) {
  std::vector<std::string> texts;
  for (tips.First(); !tips.Eof(); tips.Next()) {
    std::string tip = tips.FieldByName("Tip").AsString();
    if (!tip.empty()) texts.push_back(std::move(tip));
  }
  return texts;
}

TTipPicker::TTipPicker(std::vector<std::string> tips, unsigned seed)
    : tips_(std::move(tips)), random_(seed) {}

const std::string& TTipPicker::Next() {
  static const std::string kNone;
  if (tips_.empty()) return kNone;
  if (!started_ || tips_.size() == 1) {
    current_ = std::uniform_int_distribution<std::size_t>(0, tips_.size() - 1)(random_);
  } else {
    // One of the others: an offset of 1 .. n - 1 from the current tip.
    const std::size_t offset =
        std::uniform_int_distribution<std::size_t>(1, tips_.size() - 1)(random_);
    current_ = (current_ + offset) % tips_.size();
  }
  started_ = true;
  return tips_[current_];
}

}  // namespace vyn::desktop
