#include "data/data_collection.h"

#include "data/blob_lines.h"
#include "data/database_error.h"
#include "data/sql_names.h"
#include "data/transaction.h"
#include "data/vyn_database.h"
#include "data/zone_lookup.h"

namespace vyn {
namespace {

std::size_t Position(TTableRole role) {
  const auto& catalogue = TableCatalogue();
  for (std::size_t i = 0; i < catalogue.size(); ++i)
    if (catalogue[i].Role == role) return i;
  return catalogue.size();
}

}  // namespace

TDataCollection::TDataCollection(TVynDatabase& database, const std::string& country)
    : database_(database), atlas_(database), texts_(database) {
  for (const auto& entry : TableCatalogue()) {
    auto table = std::make_unique<TVynTable>(
        database, InitialTableName(entry, country), entry.Layout);
    table->SetIndexFieldNames(entry.SearchKey);
    tables_.push_back(std::move(table));
  }
}

TVynTable& TDataCollection::Table(TTableRole role) { return *tables_.at(Position(role)); }

void TDataCollection::SetActive(bool open) {
  active_ = open;
  for (auto& table : tables_) table->SetActive(open);
  if (!open) {
    atlas_.Clear();
    texts_.Clear();
  }
}

// --- Language switch --------------------------------------------------------------

void TDataCollection::CheckLanguageTables(const std::string& code) {
  for (const auto& entry : TableCatalogue())
    if (!entry.LanguagePrefix.empty() && !IsSqlIdentifier(entry.LanguagePrefix + code))
      throw EDatabaseError(TDataErrorKind::deBadName,
                           "Invalid language code \"" + code + "\" for the tables");
  if (!active_) return;
  std::vector<std::string> missing;
  for (const auto& entry : TableCatalogue()) {
    if (entry.LanguagePrefix.empty()) continue;
    const std::string name = entry.LanguagePrefix + code;
    if (!database_.TableExists(name)) missing.push_back(name);
  }
  if (missing.empty()) return;
  std::string list;
  for (const auto& name : missing) list += (list.empty() ? "" : ", ") + name;
  throw ETableError(TDataErrorKind::deMissingTable, missing.front(),
                    "the language \"" + code + "\" needs tables the database \"" +
                        database_.DatabaseName() + "\" (" + database_.FilePath() +
                        ") lacks: " + list);
}

void TDataCollection::SwitchLanguageTables(const std::string& code) {
  const auto& catalogue = TableCatalogue();
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    if (catalogue[i].LanguagePrefix.empty()) continue;
    tables_[i]->Close();
    tables_[i]->SetTableName(catalogue[i].LanguagePrefix + code);
  }
  texts_.Clear();
  if (!active_) return;
  for (std::size_t i = 0; i < catalogue.size(); ++i)
    if (!catalogue[i].LanguagePrefix.empty()) tables_[i]->Open();
}

void TDataCollection::SetLanguage(const std::string& code) {
  if (code == language_) return;
  CheckLanguageTables(code);
  const std::string old_code = language_;
  std::vector<std::string> old_names;
  for (const auto& table : tables_) old_names.push_back(table->TableName());
  try {
    SwitchLanguageTables(code);
  } catch (...) {
    // A table that exists but does not open (a field missing, a damaged
    // file): the old tables return, open as they were.
    const auto& catalogue = TableCatalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
      if (catalogue[i].LanguagePrefix.empty()) continue;
      tables_[i]->Close();
      tables_[i]->SetTableName(old_names[i]);
      if (active_) tables_[i]->Open();
    }
    throw;
  }
  language_ = code;
}

void TDataCollection::CreateSchema() {
  TTransaction transaction(database_.Connection());
  for (auto& table : tables_) table->CreateTable();
  transaction.Commit();
}

// --- Look-ups -----------------------------------------------------------------------

TAtlasReader& TDataCollection::Atlas() {
  if (!active_)
    throw ETableError(TDataErrorKind::deNotOpen, Table(TTableRole::trZoneIds).TableName(),
                      "the table collection is closed");
  return atlas_;
}

// The look-ups of one call share a read transaction, so the database is
// locked once for them rather than once per statement.
template <typename LookUp>
auto TDataCollection::Reading(LookUp lookUp) -> decltype(lookUp()) {
  Atlas();
  TTransaction reading(database_.Connection(), TTransactionKind::tkRead);
  auto result = lookUp();
  reading.Commit();
  return result;
}

long double TDataCollection::ZoneOffset(const std::string& zone_name, std::int64_t date) {
  if (zone_name.empty()) return 0;
  return Reading([&] { return vyn::ZoneOffset(atlas_, zone_name, date); });
}

long double TDataCollection::SummerOffset(const std::string& summer_name,
                                          std::int64_t date, std::int64_t time) {
  if (summer_name.empty()) return 0;
  return Reading([&] { return vyn::SummerOffset(atlas_, summer_name, date, time); });
}

long double TDataCollection::GregorianStartOf(const std::string& state,
                                              const std::string& place,
                                              long double birth_date) {
  if (birth_date > kGregorianEverywhere || state.empty() || place.empty())
    return kDefaultGregorianStart;
  return Reading([&] { return vyn::GregorianStartOf(atlas_, state, place, birth_date); });
}

std::optional<std::string> TDataCollection::HelpText(std::int64_t number) {
  TVynTable& help = Table(TTableRole::trHelp);
  if (!active_)
    throw ETableError(TDataErrorKind::deNotOpen, help.TableName(),
                      "the table collection is closed");
  try {
    TSqliteStatement& statement = texts_.Prepared(
        "SELECT HelpText FROM " + QuoteSqlIdentifier(help.TableName(), "table") +
        " WHERE HelpNo = ?1 ORDER BY rowid LIMIT 1");
    TStatementRun run(statement);
    statement.Bind(1, TVynValue(static_cast<long long>(number)));
    if (!statement.Step()) return std::nullopt;
    return statement.Column(0).Bytes();
  } catch (const ESqliteError& e) {
    throw ETableError(ErrorKindOfSqliteCode(e.Code()), help.TableName(),
                      std::string("reading HelpNo ") + std::to_string(number) +
                          " failed (" + e.what() + ")");
  }
}

std::vector<std::string> TDataCollection::BlobToLines(const TVynField& field) const {
  return vyn::BlobToLines(field);
}

}  // namespace vyn
