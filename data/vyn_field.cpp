#include "data/vyn_field.h"

#include <stdexcept>

#include "data/database_error.h"
#include "data/field_conversion.h"
#include "data/vyn_table.h"

namespace vyn {

const TFieldDef& TVynField::Def() const {
  return table_->Layout().Fields[index_];
}
const std::string& TVynField::FieldName() const { return Def().Name; }
TFieldKind TVynField::Kind() const { return Def().Kind; }
int TVynField::Size() const { return Def().Size; }

const TVynValue& TVynField::Value() const { return table_->values_[index_]; }

void TVynField::FailRead(const char* kind) const {
  throw ETableError(TDataErrorKind::deBadValue, table_->TableName(),
                    "the field \"" + FieldName() + "\" holds " +
                        Value().Describe() + ", which is not " + kind);
}

std::string TVynField::AsString() const {
  const TVynValue& value = Value();
  if (value.Type() == TValueType::vtInteger) {
    if (Kind() == TFieldKind::fkBoolean) return value.Integer() ? "True" : "False";
    return std::to_string(value.Integer());
  }
  return TextOf(value);
}

std::int64_t TVynField::AsInteger() const {
  const TVynValue& value = Value();
  switch (value.Type()) {
    case TValueType::vtNull: return 0;
    case TValueType::vtInteger: return value.Integer();
    case TValueType::vtReal: return static_cast<std::int64_t>(value.Real());
    case TValueType::vtText: {
      if (value.Bytes().find_first_not_of(" \t") == std::string::npos) return 0;
      if (const auto number = ParseInteger(value.Bytes())) return *number;
      break;
    }
    case TValueType::vtBlob: break;
  }
  FailRead("an integer");
}

bool TVynField::AsBoolean() const {
  const TVynValue& value = Value();
  switch (value.Type()) {
    case TValueType::vtNull: return false;
    case TValueType::vtInteger: return value.Integer() != 0;
    case TValueType::vtReal: return value.Real() != 0;
    case TValueType::vtText: {
      if (value.Bytes().find_first_not_of(" \t") == std::string::npos) return false;
      if (const auto flag = ParseBoolean(value.Bytes())) return *flag;
      break;
    }
    case TValueType::vtBlob: break;
  }
  FailRead("a boolean");
}

std::string TVynField::AsBytes() const { return AsString(); }

void TVynField::SetAsBoolean(bool flag) {
  if (Kind() == TFieldKind::fkText || Kind() == TFieldKind::fkMemo)
    SetValue(TVynValue(flag ? "True" : "False"));
  else
    SetValue(TVynValue(flag ? 1 : 0));
}

void TVynField::SetValue(const TVynValue& value) {
  table_->SetFieldValue(index_, value);
}

}  // namespace vyn
