#include "tools/database/interpretation_tables.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>

#include "data/data_collection.h"
#include "data/table_catalogue.h"
#include "data/table_loader.h"
#include "interpretation/code_enumerator.h"
#include "language/language_codes.h"
#include "tools/database/double_texts.h"

namespace vyn::tools {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHeader = "Code\tTitle\tMTitle\tText";
constexpr const char* kBaseLanguage = "UK";

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
    fields.push_back(line.substr(start, tab - start));
  fields.push_back(line.substr(start));
  return fields;
}

[[noreturn]] void Fail(const fs::path& file, long line, const std::string& what) {
  throw std::runtime_error(file.string() + ":" + std::to_string(line) + ": " + what);
}

TInterpRecord ParseRecord(const std::string& text, const fs::path& file, long line,
                          const std::string& family) {
  const std::vector<std::string> fields = SplitTabs(text);
  if (fields.size() != 4)
    Fail(file, line, std::to_string(fields.size()) + " fields, a record has 4 (" + kHeader + ")");
  TInterpRecord record{fields[0], fields[1], fields[2], fields[3]};
  if (record.Code.empty()) Fail(file, line, "the code is empty");
  if (record.TextK.empty()) Fail(file, line, record.Code + ": the text is empty");
  const TCodeFamily* owner = FamilyOfCode(record.Code);
  if (!owner) Fail(file, line, record.Code + ": no pair of charts produces this code");
  if (owner->Name != family)
    Fail(file, line, record.Code + ": belongs to the family " + owner->Name);
  return record;
}

std::vector<TInterpRecord> ReadFamilyFile(const fs::path& file, std::set<std::string>& seen) {
  const std::string family = file.stem().string();
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error(file.string() + ": cannot be read");
  std::vector<TInterpRecord> records;
  std::string text;
  long line = 0;
  while (std::getline(in, text)) {
    ++line;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (line == 1) {
      if (text != kHeader) Fail(file, line, std::string("the header must read ") + kHeader);
      continue;
    }
    if (text.empty()) continue;
    TInterpRecord record = ParseRecord(text, file, line, family);
    if (!seen.insert(record.Code).second) Fail(file, line, record.Code + ": given twice");
    records.push_back(std::move(record));
  }
  if (line == 0) Fail(file, 1, std::string("the header must read ") + kHeader);
  return records;
}

// The double texts composed from the fragments of UK and of `language`, for
// the pairs of signs that no written record covers.
void AddDoubles(std::map<std::string, std::vector<TInterpRecord>>& records, const fs::path& dir,
                const std::string& language) {
  std::vector<std::string> files = {(dir / kBaseLanguage / kDoubleFragmentFile).string()};
  if (language != kBaseLanguage) files.push_back((dir / language / kDoubleFragmentFile).string());
  if (std::none_of(files.begin(), files.end(), [](const auto& f) { return fs::exists(f); })) return;
  AddComposedDoubles(records["doubles"], files);
}

}  // namespace

std::map<std::string, std::vector<TInterpRecord>> ReadInterpretationFolder(
    const std::string& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file() && entry.path().extension() == ".tsv" &&
        entry.path().filename() != kDoubleFragmentFile)
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  std::map<std::string, std::vector<TInterpRecord>> families;
  std::set<std::string> seen;
  for (const fs::path& file : files)
    families[file.stem().string()] = ReadFamilyFile(file, seen);
  return families;
}

std::map<std::string, std::vector<TInterpRecord>> InterpretationRecords(
    const std::string& interpretationDir, const std::string& language) {
  const fs::path dir(interpretationDir);
  auto records = ReadInterpretationFolder((dir / kBaseLanguage).string());
  AddDoubles(records, dir, language);
  if (language == kBaseLanguage) return records;
  for (auto& [family, own] : ReadInterpretationFolder((dir / language).string())) {
    auto& merged = records[family];
    for (TInterpRecord& record : own) {
      const auto it = std::find_if(merged.begin(), merged.end(),
                                   [&](const auto& r) { return r.Code == record.Code; });
      if (it == merged.end())
        merged.push_back(std::move(record));
      else
        *it = std::move(record);
    }
  }
  return records;
}

TInterpretationFigures LoadInterpretationTables(TDataCollection& collection,
                                                const std::string& interpretationDir) {
  TInterpretationFigures figures;
  for (int item = 1; item <= static_cast<int>(kLanguageMenuCodes.size()); ++item) {
    const std::string code(LanguageCodeOfItem(item));
    if (!fs::is_directory(fs::path(interpretationDir) / code)) continue;
    collection.SetLanguage(code);
    collection.CreateSchema();
    TVynTable& table = collection.Table(TTableRole::trInterpretation);
    TTableLoader loader(collection.Database(), table.TableName(), table.Layout());
    for (const auto& [family, records] : InterpretationRecords(interpretationDir, code))
      for (const TInterpRecord& r : records) loader.Append({r.Code, r.TextK, r.Title, r.MTitle});
    figures.records[code] = loader.Count();
  }
  return figures;
}

}  // namespace vyn::tools
