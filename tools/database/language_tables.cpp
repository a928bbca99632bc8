#include "tools/database/language_tables.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string_view>

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

[[noreturn]] void RefuseLine(const std::string& fileName, int line, const std::string& what) {
  throw std::runtime_error(fileName + ":" + std::to_string(line) + ": " + what);
}

constexpr std::string_view kTopicMark = "===";
constexpr std::string_view kTopicLink = "](topic:";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A whole number that fills `text`, if it is one.
std::optional<long long> WholeNumber(std::string_view text) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The number and title of a heading line "=== N Title".
THelpTopic TopicHeading(std::string_view line, int lineNumber, const std::string& fileName) {
  const std::string_view rest = Trimmed(line.substr(kTopicMark.size()));
  const std::string_view numberText = rest.substr(0, rest.find_first_of(" \t"));
  const std::optional<long long> number = WholeNumber(numberText);
  if (!number)
    RefuseLine(fileName, lineNumber, "a topic heading is \"=== number title\", not \"" +
                                         std::string(line) + "\"");
  if (*number < kFirstHelpTopic || *number > kLastHelpTopic)
    RefuseLine(fileName, lineNumber,
               "topic number " + std::string(numberText) + " is not between " +
                   std::to_string(kFirstHelpTopic) + " and " + std::to_string(kLastHelpTopic));
  THelpTopic topic;
  topic.number = static_cast<int>(*number);
  topic.title = Trimmed(rest.substr(numberText.size()));
  topic.line = lineNumber;
  if (topic.title.empty())
    RefuseLine(fileName, lineNumber, "topic " + std::to_string(topic.number) + " has no title");
  return topic;
}

// The topic numbers that a text line links to, "[words](topic:N)" each.
std::vector<int> TopicLinks(std::string_view line, int lineNumber, const std::string& fileName) {
  std::vector<int> links;
  for (std::size_t at = line.find(kTopicLink); at != std::string_view::npos;
       at = line.find(kTopicLink, at + kTopicLink.size())) {
    const std::size_t start = at + kTopicLink.size(), close = line.find(')', start);
    const std::optional<long long> number =
        close == std::string_view::npos ? std::nullopt
                                        : WholeNumber(line.substr(start, close - start));
    if (!number || *number < kFirstHelpTopic || *number > kLastHelpTopic)
      RefuseLine(fileName, lineNumber, "a link to a topic is written [words](topic:N)");
    links.push_back(static_cast<int>(*number));
  }
  return links;
}

// Joins a topic's text lines without the empty lines at either end.
std::string TopicText(const std::vector<std::string_view>& lines) {
  std::size_t first = 0, last = lines.size();
  while (first < last && IsBlank(lines[first])) ++first;
  while (last > first && IsBlank(lines[last - 1])) --last;
  std::string text;
  for (std::size_t i = first; i < last; ++i) {
    if (i > first) text += '\n';
    text += lines[i];
  }
  return text;
}

TTableLoader Loader(TDataCollection& collection, TTableRole role) {
  TVynTable& table = collection.Table(role);
  return TTableLoader(collection.Database(), table.TableName(), table.Layout());
}

// The help table: the topics of `helpFile` when the language has one, the
// token list and the symbol explanation table. Returns the number of topics.
long LoadHelp(TDataCollection& collection, const std::string& tokenText,
              const TTokenList& tokens, const fs::path& helpFile) {
  TTableLoader help = Loader(collection, TTableRole::trHelp);
  long topics = 0;
  if (fs::exists(helpFile))
    for (const THelpTopic& topic :
         ParseHelpTopics(Lines(ReadText(helpFile)), helpFile.string())) {
      help.Append({topic.number, HelpRecordText(topic)});
      ++topics;
    }
  help.Append({kTokenListRecord, tokenText});
  help.Append({kSymbolTableRecord, SymbolTable(tokens)});
  return topics;
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

std::vector<THelpTopic> ParseHelpTopics(const std::vector<std::string>& lines,
                                        const std::string& fileName) {
  std::vector<THelpTopic> topics;
  std::vector<std::string_view> textLines;
  std::map<int, int> headingLines;                // topic -> line of its heading
  std::vector<std::pair<int, int>> links;         // linked topic, line of the link
  const auto finishTopic = [&] {
    if (topics.empty()) return;
    THelpTopic& topic = topics.back();
    topic.text = TopicText(textLines);
    if (topic.text.empty())
      RefuseLine(fileName, topic.line, "topic " + std::to_string(topic.number) + " has no text");
    textLines.clear();
  };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int lineNumber = static_cast<int>(i) + 1;
    std::string_view line = lines[i];
    if (i == 0 && line.starts_with(kByteOrderMark)) line.remove_prefix(kByteOrderMark.size());
    if (line.starts_with(kTopicMark)) {
      finishTopic();
      THelpTopic topic = TopicHeading(line, lineNumber, fileName);
      const auto [known, added] = headingLines.emplace(topic.number, lineNumber);
      if (!added)
        RefuseLine(fileName, lineNumber,
                   "topic " + std::to_string(topic.number) + " again (first on line " +
                       std::to_string(known->second) + ")");
      topics.push_back(std::move(topic));
    } else if (topics.empty()) {
      if (!IsBlank(line) && !line.starts_with(';'))
        RefuseLine(fileName, lineNumber,
                   "text before the first topic; start a topic with \"=== number title\" or "
                   "a comment with \";\"");
    } else {
      textLines.push_back(line);
      for (int target : TopicLinks(line, lineNumber, fileName))
        links.emplace_back(target, lineNumber);
    }
  }
  finishTopic();
  for (const auto& [target, lineNumber] : links)
    if (!headingLines.contains(target))
      RefuseLine(fileName, lineNumber,
                 "a link to topic " + std::to_string(target) + ", which the file does not hold");
  return topics;
}

std::string HelpRecordText(const THelpTopic& topic) {
  return "# " + topic.title + "\n\n" + topic.text;
}

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
    figures.helpTopics += LoadHelp(collection, tokenText, tokens, folder / "help.txt");
    figures.tips += LoadTips(collection, folder / "tips.txt");
    figures.orbRows += LoadOrbSets(collection, tokens, orbs);
    figures.languages.push_back(code);
  }
  return figures;
}

}  // namespace vyn::tools
