// Fuzzes the token-list reader with whole text files: any text either
// parses or is refused with ETokenListError, and a parsed list answers
// every token number.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "language/text_file.h"
#include "language/token_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    const vyn::TTokenList list = vyn::TTokenList::Parse(vyn::TextLines(text), "fuzz input");
    bool any = false;
    for (int number = -1; number <= vyn::kMaxToken + 1; ++number) {
      const bool has = list.Has(number);
      if (!has && !list.Get(number).empty()) std::abort();  // a text without its token
      any = any || has;
    }
    if (!any) std::abort();  // an empty list must be refused
  } catch (const vyn::ETokenListError&) {
  }
  return 0;
}
