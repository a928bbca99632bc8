#pragma once
// Builds the language tables of a new database from the texts of each
// language folder: the help table (the help topics, record 11000 the token
// list, 11001 the symbol explanation table), the second help table, the
// tips and the four standard orb sets named in the language.
#include <string>
#include <vector>

namespace vyn {
class TDataCollection;
}

namespace vyn::tools {

struct TLanguageFigures {
  std::vector<std::string> languages;  // codes built, in menu order
  long tips = 0, orbRows = 0, helpTopics = 0;
};

// One topic of a help source file.
struct THelpTopic {
  int number = 0;
  std::string title;
  std::string text;  // Markdown, without leading or trailing empty lines
  int line = 0;      // line of its "===" heading, from 1
};

// Numbers a help topic may take: below the records of the token list and
// the symbol explanation table.
constexpr int kFirstHelpTopic = 1, kLastHelpTopic = 10999;

// Reads a help source file (help.txt): UTF-8; lines starting with ";"
// before the first topic are comments; a line "=== N Title" starts topic N
// and the lines up to the next "===" line are its text; a link to another
// topic is written [words](topic:N). Refuses, naming `fileName` and the
// line: text before the first topic, a heading without a number or title,
// a number outside 1 to 10999 or given twice, a topic without text, and a
// link to a topic the file does not hold.
std::vector<THelpTopic> ParseHelpTopics(const std::vector<std::string>& lines,
                                        const std::string& fileName);

// The help table's text of a topic: its title as a Markdown heading, an
// empty line, its text.
std::string HelpRecordText(const THelpTopic& topic);

// `languageDir` holds a folder per language code with tokens.txt and
// tips.txt, and help.txt where the language has help topics; `orbSets` is
// the table of standard orb sets. Languages without a folder are left out.
// Runs inside the caller's transaction; switches the collection's language
// as it goes. Throws std::runtime_error naming the file at fault (and the
// line, for a help file).
TLanguageFigures LoadLanguageTables(TDataCollection& collection,
                                    const std::string& languageDir,
                                    const std::string& orbSets);

}  // namespace vyn::tools
