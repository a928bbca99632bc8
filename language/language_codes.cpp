#include "language/language_codes.h"

namespace vyn {

std::string_view LanguageCodeOfItem(int item) {
  if (item < 1 || item > static_cast<int>(kLanguageMenuCodes.size())) return {};
  return kLanguageMenuCodes[item - 1];
}

int LanguageItemOfCode(std::string_view code) {
  for (std::size_t i = 0; i < kLanguageMenuCodes.size(); ++i)
    if (kLanguageMenuCodes[i] == code) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace vyn
