#include "settings/ini_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "platform/file_names.h"
#include "platform/atomic_file.h"
#include "settings/integer_text.h"
#include "settings/settings_file_error.h"

namespace vyn {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool IsComment(std::string_view trimmed) {
  return trimmed.starts_with(';') || trimmed.starts_with('#');
}

// The name of a section header line "[name]", if the line is one.
std::optional<std::string_view> SectionOf(std::string_view line) {
  const std::string_view trimmed = TrimIniBlanks(line);
  if (!trimmed.starts_with('[')) return std::nullopt;
  const std::size_t close = trimmed.find(']');
  return TrimIniBlanks(trimmed.substr(1, close == std::string_view::npos
                                          ? std::string_view::npos
                                          : close - 1));
}

struct TKeyLine {
  std::string_view Key;
  std::size_t Equals = 0;  // position of the "="
};

// The key of a "key=value" line, if the line is one.
std::optional<TKeyLine> KeyOf(std::string_view line) {
  const std::string_view trimmed = TrimIniBlanks(line);
  if (trimmed.empty() || IsComment(trimmed) || trimmed.starts_with('[')) return std::nullopt;
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  const std::string_view key = TrimIniBlanks(line.substr(0, equals));
  if (key.empty()) return std::nullopt;
  return TKeyLine{key, equals};
}

std::string_view ValueOf(std::string_view line, const TKeyLine& key) {
  return TrimIniBlanks(line.substr(key.Equals + 1));
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

void CheckNames(std::string_view section, std::string_view key,
                std::string_view value) {
  const auto bad = [&](const char* what) {
    throw std::invalid_argument("INI " + std::string(what) + ": [" +
                                std::string(section) + "] " + std::string(key));
  };
  if (TrimIniBlanks(section).empty() || TrimIniBlanks(key).empty()) bad("empty name");
  // Names are read without the blanks around them.
  if (TrimIniBlanks(section) != section || TrimIniBlanks(key) != key)
    bad("blanks around a section or key name");
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value))
    bad("line break in a section, key or value");
  if (section.find(']') != std::string_view::npos) bad("\"]\" in a section name");
  if (key.find('=') != std::string_view::npos) bad("\"=\" in a key");
  const std::string_view trimmed_key = TrimIniBlanks(key);
  if (trimmed_key.starts_with('[') || IsComment(trimmed_key))
    bad("key that reads as a section or a comment");
}

// The file's bytes; nothing for a missing file; `error` says why an
// existing file could not be read.
std::string ReadWholeFile(const std::string& path, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status)) return {};
  if (!fs::is_regular_file(status)) {
    error = "it is not a regular file";
    return {};
  }
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = std::strerror(errno);
    return {};
  }
  std::string content;
  char buffer[16384];
  for (;;) {
    const ssize_t count = read(fd, buffer, sizeof buffer);
    if (count == 0) break;
    if (count < 0) {
      if (errno == EINTR) continue;
      error = std::strerror(errno);
      content.clear();
      break;
    }
    content.append(buffer, static_cast<std::size_t>(count));
  }
  close(fd);
  return content;
}

}  // namespace

TIniFile::TIniFile(const std::string& path) : path_(ResolvePathNoCase(path)) {
  Parse(ReadWholeFile(path_, readError_));
}

void TIniFile::Parse(std::string_view content) {
  if (content.starts_with(kByteOrderMark)) {
    byteOrderMark_ = kByteOrderMark;
    content.remove_prefix(kByteOrderMark.size());
  }
  while (!content.empty()) {
    const std::size_t newline = content.find('\n');
    std::string_view text = content.substr(0, newline);
    std::string end;
    if (newline != std::string_view::npos) {
      end = "\n";
      if (text.ends_with('\r')) {
        text.remove_suffix(1);
        end = "\r\n";
      }
    }
    lines_.push_back({std::string(text), end});
    content.remove_prefix(newline == std::string_view::npos ? content.size()
                                                            : newline + 1);
  }
  if (!lines_.empty() && !lines_.front().End.empty()) lineEnd_ = lines_.front().End;
}

std::optional<std::size_t> TIniFile::FindKey(std::string_view section,
                                             std::string_view key) const {
  bool inside = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const std::string& text = lines_[i].Text;
    if (const auto name = SectionOf(text)) {
      inside = SameName(*name, section);
    } else if (inside) {
      const auto key_line = KeyOf(text);
      if (key_line && SameName(key_line->Key, key)) return i;
    }
  }
  return std::nullopt;
}

std::optional<std::size_t> TIniFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionOf(lines_[i].Text);
    if (name && SameName(*name, section)) return i;
  }
  return std::nullopt;
}

// The position after the last key line of the section whose header is at
// `header` (right after the header when the section has no keys).
std::size_t TIniFile::EndOfSectionKeys(std::size_t header) const {
  std::size_t end = header + 1;
  for (std::size_t i = header + 1; i < lines_.size(); ++i) {
    if (SectionOf(lines_[i].Text)) break;
    if (KeyOf(lines_[i].Text)) end = i + 1;
  }
  return end;
}

void TIniFile::InsertLine(std::size_t position, std::string text) {
  if (position == lines_.size() && !lines_.empty() && lines_.back().End.empty())
    lines_.back().End = lineEnd_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(position),
                TLine{std::move(text), lineEnd_});
  modified_ = true;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view default_value) const {
  const auto line = FindKey(section, key);
  if (!line) return std::string(default_value);
  const std::string& text = lines_[*line].Text;
  return std::string(ValueOf(text, *KeyOf(text)));
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key,
                          int default_value) const {
  return ParseIniInteger(ReadString(section, key, "")).value_or(default_value);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key,
                        bool default_value) const {
  const std::string text = ReadString(section, key, "");
  if (const auto number = ParseIniInteger(text)) return *number != 0;
  if (SameName(text, "true")) return true;
  if (SameName(text, "false")) return false;
  return default_value;
}

bool TIniFile::SectionExists(std::string_view section) const {
  return FindSection(section).has_value();
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return FindKey(section, key).has_value();
}

void TIniFile::WriteString(std::string_view section, std::string_view key,
                           std::string_view value) {
  CheckNames(section, key, value);
  value = TrimIniBlanks(value);
  if (const auto line = FindKey(section, key)) {
    std::string& text = lines_[*line].Text;
    const TKeyLine key_line = *KeyOf(text);
    const std::size_t value_start =
        std::min(text.find_first_not_of(" \t", key_line.Equals + 1), text.size());
    std::string replaced = text.substr(0, value_start) + std::string(value);
    if (replaced != text) {
      text = std::move(replaced);
      modified_ = true;
    }
    return;
  }
  const std::string key_text = std::string(TrimIniBlanks(key)) + "=" + std::string(value);
  if (const auto header = FindSection(section)) {
    InsertLine(EndOfSectionKeys(*header), key_text);
    return;
  }
  if (!lines_.empty() && !TrimIniBlanks(lines_.back().Text).empty())
    InsertLine(lines_.size(), "");
  InsertLine(lines_.size(), "[" + std::string(TrimIniBlanks(section)) + "]");
  InsertLine(lines_.size(), key_text);
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key,
                            int value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

std::string TIniFile::Text() const {
  std::string text = byteOrderMark_;
  for (const TLine& line : lines_) text += line.Text + line.End;
  return text;
}

void TIniFile::Save() {
  if (!modified_) return;
  if (!readError_.empty())
    throw ESettingsFileError(
        "save", path_,
        "it could not be read (" + readError_ + "), so saving would lose its contents");
  try {
    WriteFileAtomically(path_, Text());
  } catch (const EFileSaveError& e) {
    throw ESettingsFileError("save", e.FileName(), e.Reason());
  }
  modified_ = false;
}

}  // namespace vyn
