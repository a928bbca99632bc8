// make_database: builds the database of a new installation.
//   make_database OUTPUT --content DIR
// DIR holds atlas/states.tsv, atlas/places.tsv, atlas/gregorian.tsv,
// atlas/state_gregorian.tsv, atlas/place_aliases.tsv, atlas/state_aliases.tsv, tz/tzdata.zi, a folder per language under language/,
// orbsets/standard_orb_sets.tsv and the interpretation texts under
// interpretation/, a folder per language. The database is built beside OUTPUT and renamed into place
// when complete, so a failed run leaves no half-built file.
#include <filesystem>
#include <iostream>
#include <string>

#include "data/data_collection.h"
#include "data/transaction.h"
#include "data/vyn_database.h"
#include "tools/database/atlas_database.h"
#include "tools/database/interpretation_tables.h"
#include "tools/database/language_tables.h"
#include "tools/database/search_tables.h"

namespace {

namespace fs = std::filesystem;

int Usage() {
  std::cerr << "usage: make_database OUTPUT --content DIR\n";
  return 2;
}

struct TFigures {
  vyn::tools::TAtlasFigures atlas;
  vyn::tools::TLanguageFigures languages;
  vyn::tools::TSearchFigures search;
  vyn::tools::TInterpretationFigures interpretation;
};

// Every table, the atlas and the language tables, in one transaction.
TFigures Build(const fs::path& file, const fs::path& content) {
  vyn::TVynDatabase database;
  database.SetDirectory(file.parent_path().string());
  database.Connect(vyn::TConnectMode::cmCreate);
  TFigures figures;
  {
    vyn::TDataCollection collection(database, "UK");
    collection.SetLanguage("UK");
    collection.CreateSchema();
    vyn::TTransaction transaction(database.Connection());
    figures.atlas = vyn::tools::LoadAtlas(
        collection, {(content / "tz/tzdata.zi").string(),
                     (content / "atlas/states.tsv").string(),
                     (content / "atlas/places.tsv").string(),
                     (content / "atlas/gregorian.tsv").string(),
                     (content / "atlas/state_gregorian.tsv").string()});
    figures.search = vyn::tools::LoadSearchTables(
        database, {(content / "atlas/states.tsv").string(),
                   (content / "atlas/places.tsv").string(),
                   (content / "atlas/place_aliases.tsv").string(),
                   (content / "atlas/state_aliases.tsv").string()});
    figures.languages = vyn::tools::LoadLanguageTables(
        collection, (content / "language").string(),
        (content / "orbsets/standard_orb_sets.tsv").string());
    figures.interpretation =
        vyn::tools::LoadInterpretationTables(collection, (content / "interpretation").string());
    transaction.Commit();
  }
  database.Disconnect();
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || std::string(argv[2]) != "--content") return Usage();
  const fs::path output = fs::absolute(argv[1]);
  const fs::path content = argv[3];
  // The database file has a fixed name, so it is built in a directory of
  // its own beside the output.
  const fs::path work = output.parent_path() / (output.filename().string() + ".building");
  try {
    fs::remove_all(work);
    fs::create_directories(work);
    const auto figures = Build(work / vyn::TVynDatabase::kFileName, content);
    fs::rename(work / vyn::TVynDatabase::kFileName, output);
    fs::remove_all(work);
    const auto& atlas = figures.atlas;
    std::cout << output.string() << ": tzdata " << atlas.tzVersion << ", "
              << atlas.zones << " zones (" << atlas.zoneRows << " zone rows, "
              << atlas.summerRows << " summer rows), " << atlas.states
              << " states (" << atlas.statesWithOwnReform
              << " with a calendar reform of their own), " << atlas.places << " places ("
              << figures.search.placeKeys << " place and " << figures.search.stateKeys
              << " state search keys); languages";
    for (const std::string& code : figures.languages.languages) std::cout << " " << code;
    std::cout << " (" << figures.languages.tips << " tips, " << figures.languages.helpTopics << " help topics, "
              << figures.languages.orbRows << " orb definition rows); interpretation texts";
    for (const auto& [code, records] : figures.interpretation.records)
      std::cout << " " << code << " " << records;
    std::cout << "\n";
    return 0;
  } catch (const std::exception& e) {
    std::error_code ec;
    fs::remove_all(work, ec);
    std::cerr << "make_database: " << e.what() << "\n";
    return 1;
  }
}
