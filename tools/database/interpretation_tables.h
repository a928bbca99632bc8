#pragma once
// The interpretation texts of a new database: the text sources under
// content/interpretation compiled into the tables "bkrlat" + country code.
//
// A folder per language code holds one file per code family, named after
// the family with ".tsv": a header line "Code<TAB>Title<TAB>MTitle<TAB>Text"
// and one record a line. A language other than UK holds only the records
// that differ from UK; every other record is taken from UK.
#include <map>
#include <string>
#include <vector>

#include "interpretation/interp_record.h"

namespace vyn {
class TDataCollection;
}

namespace vyn::tools {

// The records of one language folder by family name, each family in file
// order. Throws std::runtime_error naming the file and line of a record
// that is malformed: a wrong number of fields, an empty code or text, a
// code that no chart produces or that belongs to another family's file, or
// a code given twice.
std::map<std::string, std::vector<TInterpRecord>> ReadInterpretationFolder(
    const std::string& folder);

// The records of `language`: those of its folder in `interpretationDir`,
// and for every other code the UK record.
std::map<std::string, std::vector<TInterpRecord>> InterpretationRecords(
    const std::string& interpretationDir, const std::string& language);

struct TInterpretationFigures {
  std::map<std::string, long> records;  // by language code
};

// Fills "bkrlat" + code for every language folder in `interpretationDir`.
// Runs inside the caller's transaction; switches the collection's language.
TInterpretationFigures LoadInterpretationTables(TDataCollection& collection,
                                                const std::string& interpretationDir);

}  // namespace vyn::tools
