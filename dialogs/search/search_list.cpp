#include "dialogs/search/search_list.h"

#include <algorithm>
#include <iterator>
#include <tuple>

#include "data/text_fold.h"

namespace vyn::dialogs {
namespace {

// The length of the UTF-8 sequence that begins at `text[at]` (1 for a
// stray byte), never running past the end.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 1;
  if (lead >= 0xF0 && lead < 0xF8)
    length = 4;
  else if (lead >= 0xE0 && lead < 0xF0)
    length = 3;
  else if (lead >= 0xC0 && lead < 0xE0)
    length = 2;
  return std::min(length, text.size() - at);
}

// How many whole characters `a` and `b` begin with in common.
std::size_t CommonCharacters(std::string_view a, std::string_view b) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < a.size() && at < b.size();) {
    const std::size_t length = CharacterLength(a, at);
    if (a.compare(at, length, b, at, length) != 0) break;
    at += length;
    ++count;
  }
  return count;
}

// The first key.size() bytes of `folded` against `key`.
int ComparePrefix(const std::string& folded, const std::string& key) {
  return folded.compare(0, key.size(), key);
}

}  // namespace

std::string PersonText(const std::string& first, const std::string& last, bool firstNameFirst) {
  const std::string& front = firstNameFirst ? first : last;
  const std::string& back = firstNameFirst ? last : first;
  if (front.empty()) return back;
  if (back.empty()) return front;
  return front + ' ' + back;
}

TSearchList::TRow TSearchList::MakeRow(TSearchEntry entry) const {
  TRow row;
  row.text = people_ ? PersonText(entry.name, entry.lastName, firstNameFirst_) : entry.name;
  row.folded = FoldText(row.text);
  row.entry = std::move(entry);
  return row;
}

bool TSearchList::Before(const TRow& a, const TRow& b) {
  return std::tie(a.folded, a.text) < std::tie(b.folded, b.text);
}

void TSearchList::Change(const TListChange& change, const std::function<void()>& work) {
  if (OnBeforeChange) OnBeforeChange(change);
  work();
  if (OnAfterChange) OnAfterChange(change);
}

void TSearchList::Reset(bool sorted, bool people, bool firstNameFirst) {
  Change({TListChange::lcReset}, [&] {
    rows_.clear();
    sorted_ = sorted;
    people_ = people;
    firstNameFirst_ = firstNameFirst;
  });
}

void TSearchList::Clear() {
  Change({TListChange::lcReset}, [&] { rows_.clear(); });
}

void TSearchList::Add(std::vector<TSearchEntry> entries) {
  if (entries.empty()) return;
  std::vector<TRow> rows;
  rows.reserve(entries.size());
  for (TSearchEntry& entry : entries) rows.push_back(MakeRow(std::move(entry)));
  const bool inOrder = !sorted_ || std::is_sorted(rows.begin(), rows.end(), Before);
  if (sorted_ && !inOrder) std::stable_sort(rows.begin(), rows.end(), Before);
  const bool appends = !sorted_ || rows_.empty() || !Before(rows.front(), rows_.back());
  if (appends) {
    Change({TListChange::lcAppend, rows_.size(), rows.size()}, [&] {
      rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()),
                   std::make_move_iterator(rows.end()));
    });
    return;
  }
  Change({TListChange::lcReset}, [&] {
    const auto middle = static_cast<std::ptrdiff_t>(rows_.size());
    rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()),
                 std::make_move_iterator(rows.end()));
    std::inplace_merge(rows_.begin(), rows_.begin() + middle, rows_.end(), Before);
  });
}

void TSearchList::SetFirstNameFirst(bool firstNameFirst) {
  Change({TListChange::lcReset}, [&] {
    firstNameFirst_ = firstNameFirst;
    for (TRow& row : rows_) row = MakeRow(std::move(row.entry));
    if (sorted_) std::stable_sort(rows_.begin(), rows_.end(), Before);
  });
}

TListMatch TSearchList::Match(std::string_view typed, std::optional<std::size_t> current) const {
  if (rows_.empty()) return {};
  const std::string key = FoldText(typed);
  return sorted_ ? MatchSorted(key, current) : MatchUnsorted(key);
}

TListMatch TSearchList::MatchSorted(const std::string& key,
                                    std::optional<std::size_t> current) const {
  // The rows' folded texts ascend, and so do their beginnings of any length.
  const auto found = std::partition_point(rows_.begin(), rows_.end(), [&](const TRow& row) {
    return ComparePrefix(row.folded, key) < 0;
  });
  if (found == rows_.end()) return {current, false};
  const auto index = static_cast<std::size_t>(found - rows_.begin());
  if (ComparePrefix(found->folded, key) == 0) return {index, true};
  return {index == 0 ? 0 : index - 1, false};
}

TListMatch TSearchList::MatchUnsorted(const std::string& key) const {
  std::size_t best = 0;
  std::size_t bestLength = 0;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const std::size_t length = CommonCharacters(rows_[i].folded, key);
    if (length > bestLength) {
      best = i;
      bestLength = length;
    }
  }
  return {best, rows_[best].folded.starts_with(key)};
}

std::optional<std::size_t> TSearchList::FirstStartingWith(std::string_view typed) const {
  const std::string key = FoldText(typed);
  if (sorted_) {
    const TListMatch match = MatchSorted(key, std::nullopt);
    return match.exact ? match.index : std::nullopt;
  }
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i].folded.starts_with(key)) return i;
  return std::nullopt;
}

std::optional<std::size_t> TSearchList::FindText(std::string_view text) const {
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i].text == text) return i;
  return std::nullopt;
}

std::optional<std::size_t> TSearchList::FindFolded(std::string_view text) const {
  const std::string key = FoldText(text);
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i].folded == key) return i;
  return std::nullopt;
}

std::optional<std::size_t> TSearchList::Find(const TSearchEntry& entry) const {
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i].entry == entry) return i;
  return std::nullopt;
}

}  // namespace vyn::dialogs
