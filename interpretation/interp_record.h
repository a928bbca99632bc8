#pragma once
// One record of the interpretation table, and the source that finds records
// by code.
#include <optional>
#include <string>
#include <string_view>

namespace vyn {

struct TInterpRecord {
  std::string Code;
  std::string Title;   // one-line keyword text, may be empty
  std::string MTitle;  // the entry's caption in the topic list
  std::string TextK;   // the memo as stored, lines ended by CR LF
};

// Finds interpretation records by the exact code. A code without a record
// gives nothing; that is never an error.
class TInterpTexts {
 public:
  virtual ~TInterpTexts() = default;
  virtual std::optional<TInterpRecord> LookUp(std::string_view code) = 0;
  bool HasRecord(std::string_view code) { return LookUp(code).has_value(); }
};

}  // namespace vyn
