#pragma once
// The language dictionary: the language INI file "Language/<xx>.INI" read as
// one flat list of keys and texts, sections ignored. Chart code
// abbreviations and some captions are translated through it.
//
// Reading, line by line: lines beginning with "[" and lines without "=" are
// skipped; the key is the text before the first "=", upper-cased; the value
// is the rest cut to 100 characters; a value beginning with a double quote
// then loses its first and last characters. Blanks are kept as written:
// "Exit = x" has the key "EXIT " and the value " x", and a value that
// begins with a blank keeps its quotes. The first occurrence of a key
// counts; a key written with an empty value is present with the text "".
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vyn {

inline constexpr std::size_t kDictionaryValueLength = 100;

// A language file that cannot be read. The message names the file.
class ELanguageFileError : public std::runtime_error {
 public:
  ELanguageFileError(const std::string& path, const std::string& what);
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// "Language/<code>.INI" under the application directory, matched without
// regard to case (the spelling to create when it does not exist).
std::string LanguageIniPath(const std::string& code);

class TLanguageDictionary {
 public:
  // Replaces the entries with those of the language file of `code`. Throws
  // ELanguageFileError when the file is missing or unreadable; the entries
  // stay as they were.
  void LoadLanguage(const std::string& code);
  // The same from any file.
  void LoadFile(const std::string& path);
  // The same from lines in memory.
  void LoadLines(const std::vector<std::string>& lines);
  void Clear() { entries_.clear(); }

  // The text of the upper-cased key (possibly empty), or the key as given
  // when the dictionary does not hold it.
  std::string TranslateCode(std::string_view key) const;
  // The text of the upper-cased key, or `default_text`.
  std::string LanguageText(std::string_view key, std::string_view default_text) const;

  std::size_t Count() const { return entries_.size(); }

 private:
  const std::string* Find(std::string_view key) const;

  std::unordered_map<std::string, std::string> entries_;
};

}  // namespace vyn
