#include "language/screen_font.h"

#include "settings/ini_file.h"

namespace vyn {

TScreenFont ReadScreenFont(const std::string& path) {
  constexpr const char* kSection = "Screen";
  TScreenFont font;
  const TIniFile file(path);
  font.Name = file.ReadString(kSection, "Font", font.Name);
  font.Bold = file.ReadBool(kSection, "Bold", font.Bold);
  font.Size = file.ReadInteger(kSection, "Size", font.Size);
  return font;
}

}  // namespace vyn
