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
    : database_(database) {
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
}

void TDataCollection::SetLanguage(const std::string& code) {
  if (code == language_) return;
  const auto& catalogue = TableCatalogue();
  for (const auto& entry : catalogue)
    if (!entry.LanguagePrefix.empty() && !IsSqlIdentifier(entry.LanguagePrefix + code))
      throw EDatabaseError(TDataErrorKind::deBadName,
                           "Invalid language code \"" + code + "\" for the tables");
  language_ = code;
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    if (catalogue[i].LanguagePrefix.empty()) continue;
    tables_[i]->Close();
    tables_[i]->SetTableName(catalogue[i].LanguagePrefix + code);
  }
  if (!active_) return;
  for (std::size_t i = 0; i < catalogue.size(); ++i)
    if (!catalogue[i].LanguagePrefix.empty()) tables_[i]->Open();
}

void TDataCollection::CreateSchema() {
  TTransaction transaction(database_.Connection());
  for (auto& table : tables_) table->CreateTable();
  transaction.Commit();
}

namespace {

// The look-ups of one call share a read transaction, so the database is
// locked once for them rather than once per statement.
template <typename LookUp>
long double Reading(TVynDatabase& database, LookUp lookUp) {
  TTransaction reading(database.Connection(), TTransactionKind::tkRead);
  const long double result = lookUp();
  reading.Commit();
  return result;
}

}  // namespace

long double TDataCollection::ZoneOffset(const std::string& zone_name, std::int64_t date) {
  return Reading(database_, [&] {
    return vyn::ZoneOffset(Table(TTableRole::trZoneIds), Table(TTableRole::trZones),
                           zone_name, date);
  });
}

long double TDataCollection::SummerOffset(const std::string& summer_name,
                                          std::int64_t date, std::int64_t time) {
  return Reading(database_, [&] {
    return vyn::SummerOffset(Table(TTableRole::trSummerIds),
                             Table(TTableRole::trSummers), summer_name, date, time);
  });
}

long double TDataCollection::GregorianStartOf(const std::string& state,
                                              const std::string& place,
                                              long double birth_date) {
  return Reading(database_, [&] {
    return vyn::GregorianStartOf(Table(TTableRole::trStates), Table(TTableRole::trPlaces),
                                 Table(TTableRole::trZoneIds), state, place, birth_date);
  });
}

std::vector<std::string> TDataCollection::BlobToLines(const TVynField& field) const {
  return vyn::BlobToLines(field);
}

}  // namespace vyn
