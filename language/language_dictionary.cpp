#include "language/language_dictionary.h"

#include "engine/text_helpers.h"
#include "language/plain_text.h"
#include "language/text_file.h"

namespace vyn {
namespace {

std::string DictionaryValue(std::string_view raw) {
  std::string value = CutToCharacters(raw, kDictionaryValueLength);
  if (value.starts_with('"')) {
    value.erase(0, 1);
    DropLastCharacter(value);
  }
  return value;
}

}  // namespace

ELanguageFileError::ELanguageFileError(const std::string& path, const std::string& what)
    : std::runtime_error("Language file \"" + OneLineText(path) + "\": " + OneLineText(what)),
      path_(path) {}

std::string LanguageIniPath(const std::string& code) {
  return AppFilePath("Language/" + code + ".INI");
}

void TLanguageDictionary::LoadLanguage(const std::string& code) {
  LoadFile(LanguageIniPath(code));
}

void TLanguageDictionary::LoadFile(const std::string& path) {
  const auto lines = ReadTextFileLines(path);
  if (!lines) throw ELanguageFileError(path, "file not found or not readable");
  LoadLines(*lines);
}

void TLanguageDictionary::LoadLines(const std::vector<std::string>& lines) {
  std::unordered_map<std::string, std::string> entries;
  for (const std::string& line : lines) {
    const auto equals = line.find('=');
    if (line.starts_with('[') || equals == std::string::npos) continue;
    entries.emplace(UpperAscii(std::string_view(line).substr(0, equals)),
                    DictionaryValue(std::string_view(line).substr(equals + 1)));
  }
  entries_ = std::move(entries);
}

const std::string* TLanguageDictionary::Find(std::string_view key) const {
  const auto found = entries_.find(UpperAscii(key));
  return found == entries_.end() ? nullptr : &found->second;
}

std::string TLanguageDictionary::TranslateCode(std::string_view key) const {
  const std::string* text = Find(key);
  return text ? *text : std::string(key);
}

std::string TLanguageDictionary::LanguageText(std::string_view key,
                                              std::string_view default_text) const {
  const std::string* text = Find(key);
  return text ? *text : std::string(default_text);
}

}  // namespace vyn
