#include "settings/encoded_ini_file.h"

#include "settings/encoded_text.h"

namespace vyn {

std::string TEncodedIniFile::ReadString(std::string_view section,
                                        std::string_view key,
                                        std::string_view default_value) const {
  const std::string section_code = EncodeText(section);
  const std::string key_code = EncodeText(key);
  if (!ini_.ValueExists(section_code, key_code)) return std::string(default_value);
  return DecodeText(ini_.ReadString(section_code, key_code, ""))
      .value_or(std::string(default_value));
}

void TEncodedIniFile::WriteString(std::string_view section, std::string_view key,
                                  std::string_view value) {
  ini_.WriteString(EncodeText(section), EncodeText(key), EncodeText(value));
}

}  // namespace vyn
