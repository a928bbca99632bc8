#pragma once
// One field of a table cursor's current row, read and written by kind. A
// field reads as empty (null: "", 0, false) when the cursor has no current
// row. Writing needs the table in edit or insert state.
#include <cstdint>
#include <string>
#include <string_view>

#include "data/table_layout.h"
#include "data/vyn_value.h"

namespace vyn {

class TVynTable;

class TVynField {
 public:
  const std::string& FieldName() const;
  TFieldKind Kind() const;
  int Size() const;
  const TFieldDef& Def() const;

  const TVynValue& Value() const;
  bool IsNull() const { return Value().IsNull(); }

  // Text: integers in decimal, booleans as "True" or "False".
  std::string AsString() const;
  // Throws ETableError (deBadValue) when the text is not an integer.
  std::int64_t AsInteger() const;
  bool AsBoolean() const;
  // The bytes of a picture (or of a text).
  std::string AsBytes() const;

  // Each converts to the field's kind (see field_conversion.h) and throws
  // ETableError: deWrongState outside edit or insert, deBadValue on a misfit.
  void SetValue(const TVynValue& value);
  void SetAsString(std::string_view text) { SetValue(TVynValue(text)); }
  void SetAsInteger(std::int64_t number) {
    SetValue(TVynValue(static_cast<long long>(number)));
  }
  void SetAsBoolean(bool flag);
  void SetAsBytes(std::string bytes) { SetValue(TVynValue::Blob(std::move(bytes))); }
  void Clear() { SetValue(TVynValue()); }

 private:
  friend class TVynTable;
  TVynField(TVynTable& table, std::size_t index) : table_(&table), index_(index) {}
  [[noreturn]] void FailRead(const char* kind) const;

  TVynTable* table_;
  std::size_t index_;
};

}  // namespace vyn
