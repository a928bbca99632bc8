#pragma once
// The key file "Vynrg.Bin": an INI file whose section names, key names and
// values are all stored encoded (see encoded_text.h). Names are given and
// values returned in plain text; values come back upper-cased.
#include <string>
#include <string_view>

#include "settings/ini_file.h"

namespace vyn {

class TEncodedIniFile {
 public:
  explicit TEncodedIniFile(const std::string& path) : ini_(path) {}

  const std::string& FileName() const { return ini_.FileName(); }

  // The default for a missing key and for a stored value that is not an
  // encoded text.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view default_value) const;
  void WriteString(std::string_view section, std::string_view key,
                   std::string_view value);
  // As TIniFile::Save.
  void Save() { ini_.Save(); }

 private:
  TIniFile ini_;
};

}  // namespace vyn
