// Each mode's rows as its source reads them from the shipped database, and
// the paging that reads them a batch at a time.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/text_collation.h"
#include "dialogs/search/search_fill.h"
#include "dialogs/search/search_list_source.h"
#include "tests/dialogs/search/search_fixture.h"

namespace vyn::dialogs::testing {
namespace {

class SearchSource : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    started_ = new TStartedProgram;
    AddSamplePeople(*started_);
  }
  static void TearDownTestSuite() {
    delete started_;
    started_ = nullptr;
  }

  static std::vector<TSearchEntry> ReadAll(ESearchMode mode, const TListScope& scope,
                                           std::size_t batch) {
    auto source = MakeListSource(started_->Tables(), mode, scope);
    std::vector<TSearchEntry> rows;
    while (!source->Done()) {
      std::vector<TSearchEntry> some = source->ReadNext(batch);
      EXPECT_LE(some.size(), batch);
      rows.insert(rows.end(), some.begin(), some.end());
    }
    return rows;
  }

  static std::vector<std::string> Shown(ESearchMode mode, const TListScope& scope) {
    TSearchList list;
    list.Reset(true, mode == ESearchMode::smPeople, scope.firstNameFirst);
    FillCompletely(list, *MakeListSource(started_->Tables(), mode, scope));
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < list.Count(); ++i) texts.push_back(list.Text(i));
    return texts;
  }

  static TStartedProgram* started_;
};

TStartedProgram* SearchSource::started_ = nullptr;

struct TModeCase {
  const char* name;
  ESearchMode mode;
  TListScope scope;
  const char* countSql;     // how many rows the list must have
  const char* firstShown;   // the first entry shown
  const char* someShown;    // an entry that must be there
  const char* someId;       // its identifier, where the list keeps one
};

TEST_F(SearchSource, EachModeListsItsTable) {
  const TModeCase cases[] = {
      {"states", ESearchMode::smStates, {}, R"(SELECT count(*) FROM "STATES")", "Afghanistan",
       "Denmark", "1133"},
      {"places of Denmark", ESearchMode::smPlaces, {"1133", "Denmark", "", true},
       R"(SELECT count(*) FROM "PLACES" WHERE "StateID" = '1133')", "Aabenraa", "Copenhagen",
       ""},
      {"places of Indonesia", ESearchMode::smPlaces, {"1238", "Indonesia", "", true},
       R"(SELECT count(*) FROM "PLACES" WHERE "StateID" = '1238')", "Abang", "Abepura", ""},
      {"places of no state", ESearchMode::smPlaces, {"0000", "", "", true},
       R"(SELECT 0)", nullptr, nullptr, nullptr},
      {"zones", ESearchMode::smZones, {}, R"(SELECT count(*) FROM "ZONEID")", "Africa/Abidjan",
       "Europe/Copenhagen", "1441"},
      {"summer-time rules", ESearchMode::smSummerTimes, {},
       R"(SELECT count(*) FROM "SUMMERID")", "Africa/Abidjan", "Europe/Copenhagen", "1441"},
      {"groups", ESearchMode::smGroups, {}, R"(SELECT 2)", "Family", "Work", ""},
      {"people, first name first", ESearchMode::smPeople, {}, R"(SELECT 5)", "Ann Smith",
       "Åsa Berg", ""},
      {"people, last name first", ESearchMode::smPeople, {"", "", "", false}, R"(SELECT 5)",
       "Adams Zoe", "Berg Åsa", ""},
      {"people of a group", ESearchMode::smPeople, {"", "", "Work", true}, R"(SELECT 2)",
       "Åsa Berg", "Bob Jones", ""},
  };
  for (const TModeCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<std::string> shown = Shown(c.mode, c.scope);
    ASSERT_EQ(static_cast<long long>(shown.size()), started_->Count(c.countSql));
    if (!c.firstShown) continue;
    EXPECT_EQ(shown.front(), c.firstShown);
    EXPECT_NE(std::find(shown.begin(), shown.end(), c.someShown), shown.end());
    // The list is in the order people browse names.
    for (std::size_t i = 1; i < shown.size(); ++i)
      ASSERT_LE(CompareFoldedText(shown[i - 1], shown[i]), 0) << shown[i - 1] << " / " << shown[i];
    if (*c.someId) {
      const std::vector<TSearchEntry> rows = ReadAll(c.mode, c.scope, 1000);
      const auto row = std::find_if(rows.begin(), rows.end(),
                                    [&](const TSearchEntry& e) { return e.name == c.someShown; });
      ASSERT_NE(row, rows.end());
      EXPECT_EQ(row->id, c.someId);
    }
  }
}

TEST_F(SearchSource, ReadsTheSameRowsWhateverTheBatchSize) {
  struct TPagingCase {
    ESearchMode mode;
    TListScope scope;
  };
  const TPagingCase cases[] = {
      {ESearchMode::smStates, {}},
      {ESearchMode::smPlaces, {"1133", "Denmark", "", true}},
      {ESearchMode::smZones, {}},  // two key columns
      {ESearchMode::smPeople, {"", "", "", false}},
      {ESearchMode::smPeople, {"", "", "Family", true}},
  };
  for (const TPagingCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    const std::vector<TSearchEntry> whole = ReadAll(c.mode, c.scope, 1'000'000);
    ASSERT_FALSE(whole.empty());
    for (std::size_t batch : {1u, 2u, 7u, 128u}) {
      SCOPED_TRACE(batch);
      EXPECT_EQ(ReadAll(c.mode, c.scope, batch), whole);
    }
  }
}

TEST_F(SearchSource, SeesRowsAddedBetweenBatches) {
  auto source = MakeListSource(started_->Tables(), ESearchMode::smPeople, {});
  const std::vector<TSearchEntry> first = source->ReadNext(2);  // Ann Smith, Åsa Berg
  ASSERT_EQ(first.size(), 2u);
  started_->AddPerson("Bea", "Late");
  std::vector<std::string> rest;
  while (!source->Done())
    for (const TSearchEntry& e : source->ReadNext(2)) rest.push_back(e.name);
  EXPECT_EQ(rest, (std::vector<std::string>{"Bea", "Bob", "Carl", "Zoe"}));
  started_->Execute(R"(DELETE FROM "NAME" WHERE "FirstName" = 'Bea')");
}

}  // namespace
}  // namespace vyn::dialogs::testing
