#pragma once
// The screen font of the current language, from the file "VYN.STD" in the
// application directory, section [Screen]: Font (name), Bold ("1" or "0"),
// Size (integer; -1 keeps each control's size).
#include <string>

namespace vyn {

struct TScreenFont {
  std::string Name;  // empty: controls keep their fonts
  bool Bold = true;
  int Size = -1;
};

inline constexpr const char* kScreenFontFileName = "VYN.STD";

// Reads [Screen] of the INI file at `path` (sections and keys without regard
// to case; the first occurrence counts; values without surrounding blanks).
// A missing file, key or unreadable value gives that field's default. Bold
// reads an integer (non-zero is true) or "true"/"false".
TScreenFont ReadScreenFont(const std::string& path);

}  // namespace vyn
