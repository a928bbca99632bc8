#pragma once
// Builds the language tables of a new database from the texts of each
// language folder: the help table (record 11000 the token list, 11001 the
// symbol explanation table), the second help table, the tips and the four
// standard orb sets named in the language.
#include <string>
#include <vector>

namespace vyn {
class TDataCollection;
}

namespace vyn::tools {

struct TLanguageFigures {
  std::vector<std::string> languages;  // codes built, in menu order
  long tips = 0, orbRows = 0;
};

// `languageDir` holds a folder per language code with tokens.txt and
// tips.txt; `orbSets` is the table of standard orb sets. Languages without
// a folder are left out. Runs inside the caller's transaction; switches the
// collection's language as it goes. Throws std::runtime_error naming the
// file at fault.
TLanguageFigures LoadLanguageTables(TDataCollection& collection,
                                    const std::string& languageDir,
                                    const std::string& orbSets);

}  // namespace vyn::tools
