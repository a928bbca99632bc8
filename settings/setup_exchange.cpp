#include "settings/setup_exchange.h"

namespace vyn {

void TSettingsReader::Value(std::string_view key, bool& value) {
  value = ini_.ReadBool(section_, key, value);
}

void TSettingsReader::Value(std::string_view key, int& value) {
  value = ini_.ReadInteger(section_, key, value);
}

void TSettingsReader::Value(std::string_view key, TColorValue& value) {
  value = ColorOfStored(ini_.ReadInteger(section_, key, StoredColor(value)));
}

void TSettingsReader::Value(std::string_view key, std::string& value) {
  value = ini_.ReadString(section_, key, value);
}

void TSettingsReader::Value(std::string_view key, WindowPlacement& value) {
  value = ParseWindowPlacement(ini_.ReadString(section_, key, ""), value);
}

void TSettingsReader::Value(std::string_view key, FontSpec& value) {
  value = ParseFontSpec(ini_.ReadString(section_, key, ""), value);
}

void TSettingsReader::Value(std::string_view key, TFlagString& value) {
  value = ReadFlagString(ini_.ReadString(section_, key, ""), FormatFlagString(value));
}

void TSettingsWriter::Value(std::string_view key, const bool& value) {
  ini_.WriteBool(section_, key, value);
}

void TSettingsWriter::Value(std::string_view key, const int& value) {
  ini_.WriteInteger(section_, key, value);
}

void TSettingsWriter::Value(std::string_view key, const TColorValue& value) {
  ini_.WriteInteger(section_, key, StoredColor(value));
}

void TSettingsWriter::Value(std::string_view key, const std::string& value) {
  ini_.WriteString(section_, key, value);
}

void TSettingsWriter::Value(std::string_view key, const WindowPlacement& value) {
  ini_.WriteString(section_, key, FormatWindowPlacement(value));
}

void TSettingsWriter::Value(std::string_view key, const FontSpec& value) {
  if (value.Valid) ini_.WriteString(section_, key, FormatFontSpec(value));
}

void TSettingsWriter::Value(std::string_view key, const TFlagString& value) {
  ini_.WriteString(section_, key, FormatFlagString(value));
}

}  // namespace vyn
