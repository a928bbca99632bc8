#include "dialogs/search/search_list_source.h"

#include "data/data_collection.h"
#include "data/vyn_database.h"

namespace vyn::dialogs {
namespace {

std::string Quoted(const std::string& name) { return '"' + name + '"'; }

void Store(TSearchEntry& entry, TListColumn::EField field, std::string value) {
  switch (field) {
    case TListColumn::lfName: entry.name = std::move(value); break;
    case TListColumn::lfLastName: entry.lastName = std::move(value); break;
    case TListColumn::lfId: entry.id = std::move(value); break;
  }
}

TListQuery People(const TListScope& scope) {
  const TListColumn first{"FirstName", TListColumn::lfName};
  const TListColumn last{"LastName", TListColumn::lfLastName};
  TListQuery query{scope.group.empty() ? "NAME" : "NAMEGRPS", {first, last}, 2, "", ""};
  if (!scope.firstNameFirst) query.columns = {last, first};
  if (!scope.group.empty()) {
    query.filterColumn = "GroupName";
    query.filterValue = scope.group;
  }
  return query;
}

}  // namespace

TListQuery ListQuery(ESearchMode mode, const TListScope& scope) {
  using C = TListColumn;
  switch (mode) {
    case ESearchMode::smStates:
      return {"STATES", {{"StateName", C::lfName}, {"StateID", C::lfId}}, 1, "", ""};
    case ESearchMode::smPlaces:
      return {"PLACES", {{"PlaceName", C::lfName}}, 1, "StateID", scope.stateId};
    case ESearchMode::smZones:
      return {"ZONEID", {{"ZoneName", C::lfName}, {"ZoneID", C::lfId}}, 2, "", ""};
    case ESearchMode::smSummerTimes:
      return {"SUMMERID", {{"SummerName", C::lfName}, {"SummerID", C::lfId}}, 2, "", ""};
    case ESearchMode::smGroups:
      return {"GROUPS", {{"GroupName", C::lfName}}, 1, "", ""};
    case ESearchMode::smPeople:
      return People(scope);
  }
  return {};
}

std::unique_ptr<TSearchListSource> MakeListSource(TDataCollection& tables, ESearchMode mode,
                                                  const TListScope& scope) {
  return std::make_unique<TSearchListSource>(tables.Database().Connection(),
                                             ListQuery(mode, scope));
}

TSearchListSource::TSearchListSource(TSqliteConnection& connection, TListQuery query)
    : query_(std::move(query)),
      first_(connection, Sql(false)),
      following_(connection, Sql(true)) {}

// SELECT "a", "b" FROM "T" WHERE "f" = ?1 AND ("a", "b") > (?2, ?3)
// ORDER BY "a", "b" LIMIT ?4 -- the names are the code's own, never input.
std::string TSearchListSource::Sql(bool following) const {
  std::string select, key, after;
  for (std::size_t i = 0; i < query_.columns.size(); ++i) {
    const std::string name = Quoted(query_.columns[i].column);
    select += (i ? ", " : "") + name;
    if (i >= query_.keyColumns) continue;
    key += (i ? ", " : "") + name;
  }
  int parameter = 0;
  std::vector<std::string> conditions;
  if (!query_.filterColumn.empty())
    conditions.push_back(Quoted(query_.filterColumn) + " = ?" + std::to_string(++parameter));
  if (following) {
    for (std::size_t i = 0; i < query_.keyColumns; ++i)
      after += (i ? ", ?" : "?") + std::to_string(++parameter);
    conditions.push_back("(" + key + ") > (" + after + ")");
  }
  std::string sql = "SELECT " + select + " FROM " + Quoted(query_.table);
  for (std::size_t i = 0; i < conditions.size(); ++i)
    sql += (i ? " AND " : " WHERE ") + conditions[i];
  return sql + " ORDER BY " + key + " LIMIT ?" + std::to_string(++parameter);
}

std::vector<TSearchEntry> TSearchListSource::ReadNext(std::size_t count) {
  std::vector<TSearchEntry> rows;
  if (done_ || count == 0) return rows;
  TSqliteStatement& statement = lastKey_.empty() ? first_ : following_;
  TStatementRun run(statement);
  int parameter = 0;
  if (!query_.filterColumn.empty()) run->Bind(++parameter, query_.filterValue);
  if (!lastKey_.empty())
    for (const TVynValue& value : lastKey_) run->Bind(++parameter, value);
  run->Bind(++parameter, static_cast<long long>(count));
  std::vector<TVynValue> key;
  while (run->Step()) {
    TSearchEntry entry;
    key.clear();
    for (std::size_t i = 0; i < query_.columns.size(); ++i) {
      TVynValue value = run->Column(static_cast<int>(i));
      if (i < query_.keyColumns) key.push_back(value);
      Store(entry, query_.columns[i].field, value.Bytes());
    }
    rows.push_back(std::move(entry));
  }
  if (!rows.empty()) lastKey_ = std::move(key);
  done_ = rows.size() < count;
  return rows;
}

}  // namespace vyn::dialogs
