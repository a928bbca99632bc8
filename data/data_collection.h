#pragma once
// The table collection: one TVynTable per catalogue table, created in the
// catalogue's order with its initial name and search key, opened and closed
// together, with the language switch of the language-dependent tables and
// the zone, summer-time and calendar look-ups.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <optional>

#include "data/atlas_reader.h"
#include "data/lookup_statements.h"
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
  // the collection is open. All or nothing: throws EDatabaseError (deBadName)
  // for a code that cannot end a table name, and, while the collection is
  // open, EDatabaseError (deMissingTable) naming every language table the
  // database lacks for the code, or the error of a table that fails to open;
  // the six tables then stay open under the old code and Language() keeps it.
  void SetLanguage(const std::string& code);

  // Creates every table under its current name with its indexes, unless it
  // exists, in one transaction. Switch the language and call again to create
  // the language tables of another country.
  void CreateSchema();

  // The look-ups below read with statements of their own: they never move
  // a table's cursor, change its index or post a row being edited. They
  // need the collection open (ETableError deNotOpen otherwise, naming the
  // first table they read). Dates and times that are not dates and times
  // are refused (EDatabaseError deBadValue) before use.
  long double ZoneOffset(const std::string& zone_name, std::int64_t date);
  long double SummerOffset(const std::string& summer_name, std::int64_t date,
                           std::int64_t time);
  long double GregorianStartOf(const std::string& state, const std::string& place,
                               long double birth_date);

  // The atlas rows behind the look-ups, for callers that need more than an
  // offset (a place's coordinates, whether a zone kept local mean time).
  // Throws ETableError (deNotOpen) while the collection is closed.
  TAtlasReader& Atlas();

  // The text of help record `number` of the current language's help table,
  // if there is one; read without moving the help table's cursor.
  std::optional<std::string> HelpText(std::int64_t number);

  // A long-text field's contents, line by line.
  std::vector<std::string> BlobToLines(const TVynField& field) const;

 private:
  TVynDatabase& database_;
  std::vector<std::unique_ptr<TVynTable>> tables_;  // catalogue order
  void CheckLanguageTables(const std::string& code);
  void SwitchLanguageTables(const std::string& code);
  template <typename LookUp>
  auto Reading(LookUp lookUp) -> decltype(lookUp());

  bool active_ = false;
  std::string language_;
  TAtlasReader atlas_;
  TLookupStatements texts_;
};

}  // namespace vyn
