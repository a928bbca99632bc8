#pragma once
// Fixtures of the interpretation tests: a text table in a temporary
// database, a language whose tokens name their own numbers, and charts that
// carry only names and sexes.
#include <gtest/gtest.h>

#include <string>

#include "data/data_collection.h"
#include "engine/horoscope.h"
#include "interpretation/interp_table.h"
#include "language/language.h"
#include "tests/data/temp_database.h"

namespace vyn::testing {

// The interpretation table "bkrlatUK" of a fresh database, open.
class TextTableTest : public TempDatabaseTest {
 protected:
  void SetUp() override {
    TempDatabaseTest::SetUp();
    collection_.SetLanguage("UK");
    collection_.CreateSchema();
    collection_.SetActive(true);
  }

  TVynTable& Texts() { return collection_.Table(TTableRole::trInterpretation); }

  void AddText(const std::string& code, const std::string& textK,
               const std::string& title = "", const std::string& menuTitle = "") {
    AddRow(Texts(), {{"Code", code}, {"TextK", textK}, {"Title", title}, {"MTitle", menuTitle}});
  }

  TDataCollection collection_{database_, "UK"};
  TInterpTable table_{collection_};
};

// Tokens 953..969 and 1101..1104 read "t" and their number ("t953"), except
// token 969, the suffix after a name, which reads "'s".
inline std::string GenderTokens() {
  std::string list;
  for (int n = 953; n <= 968; ++n) list += std::to_string(n) + "=t" + std::to_string(n) + "\n";
  for (int n = 1101; n <= 1104; ++n) list += std::to_string(n) + "=t" + std::to_string(n) + "\n";
  return list + "969=\"'s\"\n";
}

// Activates `language` under `country` with the token list `tokens`.
inline void UseTokens(TLanguage& language, const std::string& country,
                      const std::string& tokens) {
  language.OnGetTokens = [tokens](const TCountry&) { return tokens; };
  language.SetActive(false);
  language.SetCountry(country);
  language.SetActive(true);
}

inline void Name(THoroscope& chart, const std::string& first, const std::string& last,
                 const std::string& sex) {
  chart.SetFirstName(first);
  chart.SetLastName(last);
  chart.SetSex(sex);
}

}  // namespace vyn::testing
