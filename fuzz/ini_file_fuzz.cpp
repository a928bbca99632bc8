// Fuzzes the INI reader. The input is a file's text, optionally followed by
// a NUL byte and "section\nkey\nvalue" for one write. Checked on the way:
// an untouched file's text is the file byte for byte; a written value reads
// back as written (without surrounding blanks), both from memory and after
// the saved file is read again; every other key keeps its value.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input_file.h"
#include "settings/ini_file.h"
#include "settings/integer_text.h"
#include "settings/settings_file_error.h"

namespace {

struct TWrite {
  std::string section, key, value;
};

// "section\nkey\nvalue" after the first NUL byte, if the input has one.
bool SplitWrite(std::string_view input, std::string_view& text, TWrite& write) {
  const std::size_t nul = input.find('\0');
  text = input.substr(0, nul);
  if (nul == std::string_view::npos) return false;
  std::string_view rest = input.substr(nul + 1);
  const std::size_t first = rest.find('\n');
  if (first == std::string_view::npos) return false;
  const std::size_t second = rest.find('\n', first + 1);
  if (second == std::string_view::npos) return false;
  write = {std::string(rest.substr(0, first)), std::string(rest.substr(first + 1, second - first - 1)),
           std::string(rest.substr(second + 1))};
  return true;
}

void Require(bool condition) {
  if (!condition) std::abort();
}

// Section names match without regard to ASCII case, as the reader matches them.
bool SameSection(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return lower(x) == lower(y); });
}

// A probe key of the file that is not the written one keeps its value.
void CheckOtherKey(const vyn::TIniFile& before, const vyn::TIniFile& after, const TWrite& write) {
  const std::string section = "Probe", key = "Key";
  if (SameSection(vyn::TrimIniBlanks(write.section), section)) return;
  Require(before.ReadString(section, key, "-") == after.ReadString(section, key, "-"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static vyn::fuzz::TFuzzInputFile file("FUZZ.INI");
  std::string_view text;
  TWrite write;
  const bool writes = SplitWrite({reinterpret_cast<const char*>(data), size}, text, write);
  file.Write(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());

  const vyn::TIniFile original(file.Path());
  Require(original.ReadError().empty());
  Require(original.Text() == text);
  original.ReadInteger("Probe", "Key", 0);
  original.ReadBool("Probe", "Key", false);
  if (!writes) return 0;

  vyn::TIniFile ini(file.Path());
  try {
    ini.WriteString(write.section, write.key, write.value);
  } catch (const std::invalid_argument&) {
    return 0;
  }
  const std::string expected(vyn::TrimIniBlanks(write.value));
  Require(ini.ReadString(write.section, write.key, "") == expected);
  CheckOtherKey(original, ini, write);
  ini.Save();
  const vyn::TIniFile reread(file.Path());
  Require(reread.Text() == ini.Text());
  Require(reread.ReadString(write.section, write.key, "") == expected);
  return 0;
}
