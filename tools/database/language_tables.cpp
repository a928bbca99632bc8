#include "tools/database/language_tables.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "data/data_collection.h"
#include "data/table_catalogue.h"
#include "data/table_loader.h"
#include "language/language_codes.h"
#include "language/symbol_glyphs.h"
#include "language/token_list.h"
#include "tools/database/tsv_table.h"

namespace vyn::tools {
namespace {

namespace fs = std::filesystem;

constexpr int kTokenListRecord = 11000;
constexpr int kSymbolTableRecord = 11001;
constexpr int kFirstOrbSetToken = 1014;
// The standard sets in the order of their name tokens 1014 to 1017.
constexpr const char* kStandardSets[] = {"strong", "medium", "weak", "synastry"};
constexpr const char* kOrbColumns[] = {"D_0",  "D_30",  "D_45",  "D_60", "D_90",
                                       "D_120", "D_135", "D_150", "D_180"};
constexpr int kSignNameToken = 46, kAspectNameToken = 76, kBodyNameToken = 126;
constexpr int kSymbolTitleToken = 1020;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path.string() + ": cannot be read");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The symbol explanation table: a title, two heading lines, then one line
// per symbol whose first field is its code: "§d" body d, "@d" sign d,
// "$d" aspect d, for the single digits the codes can carry.
std::string SymbolTable(const TTokenList& tokens) {
  std::string table = tokens.Get(kSymbolTitleToken) + "\n\n\n";
  for (int body = 1; body <= 9; ++body)
    table += "\u00a7" + std::to_string(body) + "\t" +
             tokens.Get(kBodyNameToken + body - 1) + "\n";
  for (int sign = 1; sign <= 9; ++sign)
    table += "@" + std::to_string(sign) + "\t" +
             tokens.Get(kSignNameToken + sign - 1) + "\n";
  for (int aspect : {0, 2, 3, 4, 6, 8, 9})
    table += "$" + std::to_string(aspect) + "\t" +
             tokens.Get(kAspectNameToken + aspect) + "\n";
  return table;
}

TTableLoader Loader(TDataCollection& collection, TTableRole role) {
  TVynTable& table = collection.Table(role);
  return TTableLoader(collection.Database(), table.TableName(), table.Layout());
}

void LoadHelp(TDataCollection& collection, const std::string& tokenText,
              const TTokenList& tokens) {
  TTableLoader help = Loader(collection, TTableRole::trHelp);
  help.Append({kTokenListRecord, tokenText});
  help.Append({kSymbolTableRecord, SymbolTable(tokens)});
}

long LoadTips(TDataCollection& collection, const fs::path& file) {
  TTableLoader tips = Loader(collection, TTableRole::trTips);
  int id = 0;
  for (const std::string& line : Lines(ReadText(file)))
    if (!line.empty()) tips.Append({++id, line});
  return tips.Count();
}

long LoadOrbSets(TDataCollection& collection, const TTokenList& tokens,
                 const TTsvTable& orbs) {
  TTableLoader names = Loader(collection, TTableRole::trOrbSets);
  TTableLoader rows = Loader(collection, TTableRole::trOrbDefinitions);
  const std::size_t setColumn = orbs.Column("Set"), pointColumn = orbs.Column("Point");
  for (int i = 0; i < 4; ++i) {
    const std::string name = tokens.Get(kFirstOrbSetToken + i);
    if (name.empty())
      throw std::runtime_error("token " + std::to_string(kFirstOrbSetToken + i) +
                               " names no orb set");
    names.Append({name, 1});
    for (const auto& row : orbs.Rows()) {
      if (row[setColumn] != kStandardSets[i]) continue;
      std::vector<TVynValue> values = {name, std::stoi(row[pointColumn])};
      for (const char* column : kOrbColumns)
        values.emplace_back(std::stoi(row[orbs.Column(column)]));
      rows.Append(values);
    }
  }
  return rows.Count();
}

}  // namespace

TLanguageFigures LoadLanguageTables(TDataCollection& collection,
                                    const std::string& languageDir,
                                    const std::string& orbSets) {
  const TTsvTable orbs = TTsvTable::Read(orbSets);
  TLanguageFigures figures;
  for (int item = 1; item <= static_cast<int>(kLanguageMenuCodes.size()); ++item) {
    const std::string code(LanguageCodeOfItem(item));
    const fs::path folder = fs::path(languageDir) / code;
    if (!fs::is_directory(folder)) continue;
    const std::string tokenText = ReadText(folder / "tokens.txt");
    const TTokenList tokens =
        TTokenList::Parse(Lines(tokenText), (folder / "tokens.txt").string());
    collection.SetLanguage(code);
    collection.CreateSchema();
    LoadHelp(collection, tokenText, tokens);
    figures.tips += LoadTips(collection, folder / "tips.txt");
    figures.orbRows += LoadOrbSets(collection, tokens, orbs);
    figures.languages.push_back(code);
  }
  return figures;
}

}  // namespace vyn::tools
