#pragma once
// The interpretation table of the current language, read by code with a
// statement of its own: a window browsing the table keeps its cursor, its
// index and its edit buffer.
#include "data/lookup_statements.h"
#include "interpretation/interp_record.h"

namespace vyn {

class TDataCollection;

class TInterpTable : public TInterpTexts {
 public:
  // The collection must outlive the table. Look-ups follow the collection's
  // language switch: every code resolves in the current language's table.
  explicit TInterpTable(TDataCollection& collection);

  // The record whose Code is exactly `code`, or nothing. Throws ETableError
  // naming the table while the collection is closed or when the table
  // cannot be read.
  std::optional<TInterpRecord> LookUp(std::string_view code) override;

 private:
  TDataCollection& collection_;
  TLookupStatements statements_;
};

}  // namespace vyn
