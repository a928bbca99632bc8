#include "settings/flag_string.h"

namespace vyn {

TFlagString ReadFlagString(std::string_view stored, std::string_view defaults) {
  TFlagString flags(defaults.size());
  for (std::size_t i = 0; i < flags.size(); ++i)
    flags[i] = (i < stored.size() ? stored[i] : defaults[i]) == '1';
  return flags;
}

std::string FormatFlagString(const TFlagString& flags) {
  std::string text;
  for (const bool flag : flags) text += flag ? '1' : '0';
  return text;
}

}  // namespace vyn
