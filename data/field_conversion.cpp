#include "data/field_conversion.h"

#include <charconv>
#include <stdexcept>

#include "data/sql_names.h"

namespace vyn {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
  return text;
}

std::string RealText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

[[noreturn]] void Misfit(const TFieldDef& field, const TVynValue& value,
                         const char* kind) {
  throw std::invalid_argument(value.Describe() + " does not fit the " + kind +
                              " field \"" + field.Name + "\"");
}

TVynValue AsTextValue(const TFieldDef& field, const TVynValue& value) {
  std::string text = TextOf(value);
  if (field.Kind == TFieldKind::fkText && field.Size > 0)
    text = CutToCharacters(text, static_cast<std::size_t>(field.Size));
  return TVynValue(std::move(text));
}

TVynValue AsIntegerValue(const TFieldDef& field, const TVynValue& value) {
  switch (value.Type()) {
    case TValueType::vtInteger: return value;
    case TValueType::vtReal:
      return TVynValue(static_cast<long long>(value.Real()));
    case TValueType::vtText: {
      if (Trim(value.Bytes()).empty()) return TVynValue();
      if (const auto number = ParseInteger(value.Bytes()))
        return TVynValue(static_cast<long long>(*number));
      break;
    }
    default: break;
  }
  Misfit(field, value, "integer");
}

TVynValue AsBooleanValue(const TFieldDef& field, const TVynValue& value) {
  switch (value.Type()) {
    case TValueType::vtInteger: return TVynValue(value.Integer() != 0 ? 1 : 0);
    case TValueType::vtReal: return TVynValue(value.Real() != 0 ? 1 : 0);
    case TValueType::vtText: {
      if (Trim(value.Bytes()).empty()) return TVynValue();
      if (const auto flag = ParseBoolean(value.Bytes()))
        return TVynValue(*flag ? 1 : 0);
      break;
    }
    default: break;
  }
  Misfit(field, value, "boolean");
}

TVynValue AsPictureValue(const TFieldDef& field, const TVynValue& value) {
  if (value.Type() == TValueType::vtText || value.Type() == TValueType::vtBlob)
    return TVynValue::Blob(value.Bytes());
  Misfit(field, value, "picture");
}

}  // namespace

std::string TextOf(const TVynValue& value) {
  switch (value.Type()) {
    case TValueType::vtInteger: return std::to_string(value.Integer());
    case TValueType::vtReal: return RealText(value.Real());
    default: return value.Bytes();
  }
}

TVynValue ConvertForField(const TFieldDef& field, const TVynValue& value) {
  if (value.IsNull()) return value;
  switch (field.Kind) {
    case TFieldKind::fkText:
    case TFieldKind::fkMemo: return AsTextValue(field, value);
    case TFieldKind::fkInteger: return AsIntegerValue(field, value);
    case TFieldKind::fkBoolean: return AsBooleanValue(field, value);
    case TFieldKind::fkPicture: return AsPictureValue(field, value);
  }
  return value;
}

TVynValue DefaultForKind(TFieldKind kind) {
  switch (kind) {
    case TFieldKind::fkInteger:
    case TFieldKind::fkBoolean: return TVynValue(0);
    case TFieldKind::fkPicture: return TVynValue::Blob({});
    default: return TVynValue("");
  }
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
  text = Trim(text);
  const bool plus = !text.empty() && text.front() == '+';
  if (plus) text.remove_prefix(1);
  if (text.empty() || (plus && text.front() == '-')) return std::nullopt;
  std::int64_t number = 0;
  const auto result =
      std::from_chars(text.data(), text.data() + text.size(), number);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size())
    return std::nullopt;
  return number;
}

std::optional<bool> ParseBoolean(std::string_view text) {
  text = Trim(text);
  for (const char* word : {"true", "t", "yes", "y", "1"})
    if (SameSqlName(text, word)) return true;
  for (const char* word : {"false", "f", "no", "n", "0"})
    if (SameSqlName(text, word)) return false;
  return std::nullopt;
}

std::string CutToCharacters(const std::string& text, std::size_t characters) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool starts_character = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (starts_character && count++ == characters) return text.substr(0, i);
  }
  return text;
}

}  // namespace vyn
