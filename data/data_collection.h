#pragma once
// The table collection: one TVynTable per catalogue table, created in the
// catalogue's order with its initial name and search key, opened and closed
// together, with the language switch of the language-dependent tables and
// the zone, summer-time and calendar look-ups.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/table_catalogue.h"
#include "data/vyn_table.h"

namespace vyn {

class TVynDatabase;

class TDataCollection {
 public:
  // `country` is the language's country code now: the interpretation table's
  // initial name takes it. The database must outlive the collection.
  TDataCollection(TVynDatabase& database, const std::string& country);

  TVynTable& Table(TTableRole role);
  TVynDatabase& Database() { return database_; }
  const std::vector<std::unique_ptr<TVynTable>>& Tables() const { return tables_; }

  // Remembers the value, then opens or closes every table.
  bool Active() const { return active_; }
  void SetActive(bool open);

  // The country code of the language tables; empty until the first switch.
  const std::string& Language() const { return language_; }
  // The same code again does nothing. Another closes the help, second help,
  // interpretation, tips, orb set and orb definition tables, renames them to
  // HELP, KHLP, bkrlat, Tips, ORBIS and ORBDEF + code, and reopens them when
  // the collection is open. Throws EDatabaseError (deBadName) for a code
  // that cannot end a table name, leaving everything as it was.
  void SetLanguage(const std::string& code);

  // Creates every table under its current name with its indexes, unless it
  // exists, in one transaction. Switch the language and call again to create
  // the language tables of another country.
  void CreateSchema();

  long double ZoneOffset(const std::string& zone_name, std::int64_t date);
  long double SummerOffset(const std::string& summer_name, std::int64_t date,
                           std::int64_t time);
  long double GregorianStartOf(const std::string& state, const std::string& place,
                               long double birth_date);

  // A long-text field's contents, line by line.
  std::vector<std::string> BlobToLines(const TVynField& field) const;

 private:
  TVynDatabase& database_;
  std::vector<std::unique_ptr<TVynTable>> tables_;  // catalogue order
  bool active_ = false;
  std::string language_;
};

}  // namespace vyn
