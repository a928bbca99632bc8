#pragma once
// The collation "VYNTEXT" that orders the names people browse (states,
// places, people, zones, summer-time rules): by their folded form
// (FoldText), then by their bytes, so "Åland Islands" sorts among the a's
// and two rows compare equal only when their bytes are equal. Every
// connection the table store opens has it; a text field declared with it
// orders, searches and indexes by it.
#include <string_view>

struct sqlite3;

namespace vyn {

inline constexpr std::string_view kTextCollation = "VYNTEXT";

// Negative, zero or positive as `a` sorts before, with or after `b`.
int CompareFoldedText(std::string_view a, std::string_view b);

// Registers the collation on `db`; returns SQLite's result code.
int RegisterTextCollation(sqlite3* db);

}  // namespace vyn
