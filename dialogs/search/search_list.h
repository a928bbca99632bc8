#pragma once
// The entries of a pick list in the order they are shown, with the
// incremental search over them. No widgets: the list model shows it and the
// tests drive it directly.
//
// A sorted list keeps its entries in the order of the names people browse
// (CompareFoldedText on the shown text: accents and letter case aside, then
// byte by byte); rows added in that order are appended, others merged in.
// An unsorted list (the Japanese edition's) keeps the order rows arrive in.
//
// People are shown as "first last" or, with the name order turned round,
// "last first"; a missing half leaves no blank behind.
#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/search/search_entry.h"

namespace vyn::dialogs {

// How the list is about to change or has changed: rows appended at the end
// (`first`, `count`), or every row replaced.
struct TListChange {
  enum EKind { lcAppend, lcReset } kind = lcAppend;
  std::size_t first = 0;
  std::size_t count = 0;
};

// The entry the incremental search chose, and whether the entry begins with
// the typed text (false: the nearest entry before where it would stand).
struct TListMatch {
  std::optional<std::size_t> index;
  bool exact = false;
};

class TSearchList {
 public:
  // Sorted (the default) or in arrival order. Empties the list.
  void Reset(bool sorted, bool people, bool firstNameFirst);
  bool Sorted() const { return sorted_; }
  bool People() const { return people_; }

  // Adds rows: appended when they all sort after the last entry, otherwise
  // merged (a reset). Rows of an unsorted list are always appended.
  void Add(std::vector<TSearchEntry> rows);
  // Empties the list (a reset).
  void Clear();
  // Shows people the other way round (re-sorting a sorted list).
  void SetFirstNameFirst(bool firstNameFirst);
  bool FirstNameFirst() const { return firstNameFirst_; }

  std::size_t Count() const { return rows_.size(); }
  bool Empty() const { return rows_.empty(); }
  const TSearchEntry& Entry(std::size_t i) const { return rows_[i].entry; }
  const std::string& Text(std::size_t i) const { return rows_[i].text; }

  // The incremental search for `typed` (see TListMatch). In a sorted list:
  // the first entry that begins with the text, else the entry before the
  // first one that sorts after it (the first entry when that is the first),
  // else -- the text sorts after every entry -- `current`. In an unsorted
  // list: the entry sharing the longest beginning with the text, the
  // earliest of equals. Letter case and accents do not count.
  TListMatch Match(std::string_view typed, std::optional<std::size_t> current) const;
  // The first entry that begins with `typed` (letter case and accents
  // aside), for completing a typed name.
  std::optional<std::size_t> FirstStartingWith(std::string_view typed) const;
  // The entry shown exactly as `text`.
  std::optional<std::size_t> FindText(std::string_view text) const;
  // The entry shown as `text`, letter case and accents aside.
  std::optional<std::size_t> FindFolded(std::string_view text) const;
  // The entry equal to `entry`.
  std::optional<std::size_t> Find(const TSearchEntry& entry) const;

  // Observers, empty when not assigned: before and after every change.
  std::function<void(const TListChange&)> OnBeforeChange;
  std::function<void(const TListChange&)> OnAfterChange;

 private:
  struct TRow {
    TSearchEntry entry;
    std::string text;    // as shown
    std::string folded;  // FoldText(text)
  };

  TRow MakeRow(TSearchEntry entry) const;
  static bool Before(const TRow& a, const TRow& b);
  void Change(const TListChange& change, const std::function<void()>& work);
  TListMatch MatchSorted(const std::string& key, std::optional<std::size_t> current) const;
  TListMatch MatchUnsorted(const std::string& key) const;

  // A deque: a long list grows without moving the rows it holds.
  std::deque<TRow> rows_;
  bool sorted_ = true;
  bool people_ = false;
  bool firstNameFirst_ = true;
};

// The shown text of a person: first, blank, last, or last, blank, first.
std::string PersonText(const std::string& first, const std::string& last, bool firstNameFirst);

}  // namespace vyn::dialogs
