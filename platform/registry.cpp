#include "platform/registry.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/atomic_file.h"

namespace fs = std::filesystem;

namespace vyn {
namespace {

std::vector<std::string> ReadLines(const std::string& file) {
  std::vector<std::string> lines;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Entry(const std::string& key, const std::string& name) { return key + "\\" + name + "="; }

}  // namespace

std::string RegistryFile() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  const fs::path base = config && *config ? fs::path(config)
                                          : fs::path(home && *home ? home : ".") / ".config";
  return (base / "vyn" / "registry").string();
}

void WriteRegistryString(const std::string& key, const std::string& name,
                         const std::string& value) {
  if (value.find('\n') != std::string::npos)
    throw std::runtime_error("a registry value cannot hold a line break");
  const std::string file = RegistryFile();
  std::vector<std::string> lines = ReadLines(file);
  const std::string entry = Entry(key, name);
  bool replaced = false;
  for (std::string& line : lines)
    if (line.rfind(entry, 0) == 0) {
      line = entry + value;
      replaced = true;
    }
  if (!replaced) lines.push_back(entry + value);
  std::ostringstream text;
  for (const std::string& line : lines) text << line << '\n';
  std::error_code error;
  fs::create_directories(fs::path(file).parent_path(), error);
  if (error) throw std::runtime_error("Cannot create " + fs::path(file).parent_path().string() +
                                      ": " + error.message());
  WriteFileAtomically(file, text.str());
}

std::string ReadRegistryString(const std::string& key, const std::string& name,
                               const std::string& fallback) {
  const std::string entry = Entry(key, name);
  for (const std::string& line : ReadLines(RegistryFile()))
    if (line.rfind(entry, 0) == 0) return line.substr(entry.size());
  return fallback;
}

}  // namespace vyn
