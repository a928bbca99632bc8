// make_database: builds the database of a new installation.
//   make_database OUTPUT --content DIR
// DIR holds atlas/states.tsv, atlas/places.tsv, atlas/gregorian.tsv and
// tz/tzdata.zi. The database is built beside OUTPUT and renamed into place
// when complete, so a failed run leaves no half-built file.
#include <filesystem>
#include <iostream>
#include <string>

#include "data/vyn_database.h"
#include "tools/database/atlas_database.h"

namespace {

namespace fs = std::filesystem;

int Usage() {
  std::cerr << "usage: make_database OUTPUT --content DIR\n";
  return 2;
}

vyn::tools::TAtlasFigures Build(const fs::path& file, const fs::path& content) {
  vyn::TVynDatabase database;
  database.SetDirectory(file.parent_path().string());
  database.Connect(vyn::TConnectMode::cmCreate);
  const auto figures = vyn::tools::BuildAtlasDatabase(
      database, {(content / "tz/tzdata.zi").string(),
                 (content / "atlas/states.tsv").string(),
                 (content / "atlas/places.tsv").string(),
                 (content / "atlas/gregorian.tsv").string()});
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
    std::cout << output.string() << ": tzdata " << figures.tzVersion << ", "
              << figures.zones << " zones (" << figures.zoneRows << " zone rows, "
              << figures.summerRows << " summer rows), " << figures.states
              << " states, " << figures.places << " places\n";
    return 0;
  } catch (const std::exception& e) {
    std::error_code ec;
    fs::remove_all(work, ec);
    std::cerr << "make_database: " << e.what() << "\n";
    return 1;
  }
}
