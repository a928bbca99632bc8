#include "data/text_collation.h"

#include <sqlite3.h>

#include <string>

#include "data/text_fold.h"

namespace vyn {
namespace {

int CollationCallback(void*, int size_a, const void* a, int size_b, const void* b) {
  return CompareFoldedText(
      std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(size_a)),
      std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(size_b)));
}

int Sign(int value) { return (value > 0) - (value < 0); }

}  // namespace

int CompareFoldedText(std::string_view a, std::string_view b) {
  // Index builds compare often: fold into buffers that keep their room.
  thread_local std::string folded_a;
  thread_local std::string folded_b;
  folded_a.clear();
  folded_b.clear();
  AppendFoldedText(a, folded_a);
  AppendFoldedText(b, folded_b);
  if (const int order = folded_a.compare(folded_b)) return Sign(order);
  return Sign(a.compare(b));
}

int RegisterTextCollation(sqlite3* db) {
  const std::string name(kTextCollation);
  return sqlite3_create_collation_v2(db, name.c_str(), SQLITE_UTF8, nullptr,
                                     CollationCallback, nullptr);
}

}  // namespace vyn
