#include "data/table_layout.h"

#include <algorithm>

#include "data/database_error.h"
#include "data/sql_names.h"

namespace vyn {
namespace {

[[noreturn]] void Reject(const std::string& what) {
  throw EDatabaseError(TDataErrorKind::deBadName, "Invalid table layout: " + what);
}

void CheckName(const std::string& name, const char* what) {
  if (!IsSqlIdentifier(name))
    Reject(std::string(what) + " name \"" + name + "\" is not an identifier");
}

void CheckKeyFields(const TTableLayout& layout,
                    const std::vector<std::string>& fields,
                    const std::string& key) {
  for (const auto& field : fields)
    if (!layout.FieldIndex(field))
      Reject(key + " names the unknown field \"" + field + "\"");
}

bool IsRowIdAlias(std::string_view name) {
  return SameSqlName(name, "rowid") || SameSqlName(name, "oid") ||
         SameSqlName(name, "_rowid_");
}

}  // namespace

std::optional<std::size_t> TTableLayout::FieldIndex(std::string_view name) const {
  for (std::size_t i = 0; i < Fields.size(); ++i)
    if (SameSqlName(Fields[i].Name, name)) return i;
  return std::nullopt;
}

const TIndexDef* TTableLayout::FindIndex(std::string_view name) const {
  for (const auto& index : Indexes)
    if (SameSqlName(index.Name, name)) return &index;
  return nullptr;
}

bool TTableLayout::IsKeyField(std::string_view name) const {
  auto names = [&](const std::vector<std::string>& fields) {
    return std::any_of(fields.begin(), fields.end(),
                       [&](const std::string& f) { return SameSqlName(f, name); });
  };
  return names(PrimaryKey) ||
         std::any_of(Indexes.begin(), Indexes.end(),
                     [&](const TIndexDef& index) { return names(index.Fields); });
}

void ValidateLayout(const TTableLayout& layout) {
  if (layout.Fields.empty()) Reject("no fields");
  for (std::size_t i = 0; i < layout.Fields.size(); ++i) {
    const auto& name = layout.Fields[i].Name;
    CheckName(name, "field");
    if (IsRowIdAlias(name)) Reject("field name \"" + name + "\" is reserved");
    if (layout.FieldIndex(name) != i) Reject("field \"" + name + "\" repeats");
  }
  CheckKeyFields(layout, layout.PrimaryKey, "the primary key");
  for (std::size_t i = 0; i < layout.Indexes.size(); ++i) {
    const auto& index = layout.Indexes[i];
    CheckName(index.Name, "index");
    if (layout.FindIndex(index.Name) != &index)
      Reject("index \"" + index.Name + "\" repeats");
    if (index.Fields.empty()) Reject("index \"" + index.Name + "\" has no fields");
    CheckKeyFields(layout, index.Fields, "index \"" + index.Name + "\"");
  }
}

std::vector<std::string> SplitFieldList(std::string_view list) {
  std::vector<std::string> fields;
  while (!list.empty()) {
    const auto end = std::min(list.find(';'), list.size());
    if (end > 0) fields.emplace_back(list.substr(0, end));
    list.remove_prefix(std::min(end + 1, list.size()));
  }
  return fields;
}

}  // namespace vyn
