#pragma once
// An INI file with the semantics of the Windows profile functions, read
// whole when the object is made and saved whole, atomically, by Save.
//
// Names. Section and key names are matched without regard to (ASCII) letter
// case, and so is the file name: "VYNmr.INI" opens an existing "VYNMR.INI".
// A new file gets the spelling given.
//
// Reading. A value is the text after the first "=" of its key line with the
// blanks around it removed, otherwise raw: commas and quotes stay as they
// are written. When a section occurs more than once, the first key line of
// that name in any of them counts. A missing key, or a missing or unreadable
// file, gives the caller's default; integers and booleans that do not parse
// give the default too. Lines starting with ";" or "#" are comments.
//
// Writing. Each Write changes the text in memory (values without blanks
// around them, as they read back); Save writes it out once.
// Every line that is not written to stays byte for byte as it was (comments,
// blank lines, line ends, order). A key that is written again keeps its line
// and its spelling up to the value; a new key goes after the last key of the
// first section of its name; a new section goes at the end of the file.
// One object per operation: open, read or write the keys, Save, drop it.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

class TIniFile {
 public:
  // Reads the file now; a missing file is an empty one.
  explicit TIniFile(const std::string& path);

  // The path as resolved on disk (the given spelling for a new file).
  const std::string& FileName() const { return path_; }
  // Why an existing file could not be read; empty when it was read.
  const std::string& ReadError() const { return readError_; }

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view default_value) const;
  // See ParseIniInteger: decimal, or hexadecimal after "$" or "0x".
  int ReadInteger(std::string_view section, std::string_view key,
                  int default_value) const;
  // An integer (0 false, others true), or "true" / "false" in any case.
  bool ReadBool(std::string_view section, std::string_view key,
                bool default_value) const;
  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;

  // Throw std::invalid_argument for an empty name, a line break in any
  // argument, "=" in a key, a key starting with "[", ";" or "#", or "]"
  // in a section name: such a text could not be read back.
  void WriteString(std::string_view section, std::string_view key,
                   std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  // "1" or "0".
  void WriteBool(std::string_view section, std::string_view key, bool value);

  // Whether some Write changed the text since the file was read or saved.
  bool Modified() const { return modified_; }
  // The whole file as Save writes it.
  std::string Text() const;
  // Writes the text when it was modified (see WriteFileAtomically). Throws
  // ESettingsFileError naming the file and the reason, leaving the file on
  // disk as it was; an existing file that could not be read is never
  // overwritten.
  void Save();

 private:
  struct TLine {
    std::string Text;
    std::string End;  // "\n", "\r\n" or "" (the last line without one)
  };

  void Parse(std::string_view content);
  std::optional<std::size_t> FindKey(std::string_view section,
                                     std::string_view key) const;
  std::optional<std::size_t> FindSection(std::string_view section) const;
  std::size_t EndOfSectionKeys(std::size_t header) const;
  void InsertLine(std::size_t position, std::string text);

  std::string path_;
  std::string readError_;
  std::string byteOrderMark_;
  std::string lineEnd_ = "\n";  // for new lines: the file's first line end
  std::vector<TLine> lines_;
  bool modified_ = false;
};

}  // namespace vyn
