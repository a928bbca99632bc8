#pragma once
// The layout of a table as data: its fields with their kinds, its primary
// key and its named indexes. The catalogue describes every table this way;
// the cursor and the schema creation read nothing else.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

enum class TFieldKind { fkText, fkInteger, fkBoolean, fkMemo, fkPicture };

// How a text field orders and compares: by its bytes, or as a name people
// browse (the collation of data/text_collation.h: accents and letter case
// set aside first, the bytes deciding last).
enum class TTextOrder { toBytes, toName };

struct TFieldDef {
  std::string Name;
  TFieldKind Kind = TFieldKind::fkText;
  int Size = 0;  // text: at most this many characters; 0 = no limit
  TTextOrder Order = TTextOrder::toBytes;
};

struct TIndexDef {
  std::string Name;
  std::vector<std::string> Fields;
  bool Unique = false;
};

struct TTableLayout {
  std::vector<TFieldDef> Fields;
  // Unique; empty for a table kept in the order its rows were added.
  std::vector<std::string> PrimaryKey;
  std::vector<TIndexDef> Indexes;

  // Position of the field named `name` (any letter case), if any.
  std::optional<std::size_t> FieldIndex(std::string_view name) const;
  const TIndexDef* FindIndex(std::string_view name) const;
  // Whether the field takes part in the primary key or a named index.
  bool IsKeyField(std::string_view name) const;
};

// Throws EDatabaseError (deBadName) when a name is not an identifier, a name
// repeats, or a key names a field the layout lacks.
void ValidateLayout(const TTableLayout& layout);

// Splits a field list written "A;B;C".
std::vector<std::string> SplitFieldList(std::string_view list);

}  // namespace vyn
