#pragma once
// The few values the program keeps outside its application directory, for
// companion programs to find it: on this system an INI file in the user's
// configuration directory ("$XDG_CONFIG_HOME/vyn/registry", else
// "$HOME/.config/vyn/registry"), one value a line written
// "<key path>\<name>=<value>".
#include <string>

namespace vyn {

inline constexpr const char* kProgramKey = "SOFTWARE\\Quillmoor\\Vyn";

// The file the values are kept in.
std::string RegistryFile();

// Writes `value` under `key` (a key path such as kProgramKey) and `name`,
// creating the file and its folder when needed; the file is replaced
// atomically. Throws std::runtime_error with the reason when it cannot.
void WriteRegistryString(const std::string& key, const std::string& name,
                         const std::string& value);

// The value, or `fallback` when it or the file is missing.
std::string ReadRegistryString(const std::string& key, const std::string& name,
                               const std::string& fallback = "");

}  // namespace vyn
