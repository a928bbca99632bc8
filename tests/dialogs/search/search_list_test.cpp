// The pick list without widgets: its order, the incremental search, and how
// it reports its changes.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "dialogs/search/search_list.h"

namespace vyn::dialogs {
namespace {

std::vector<TSearchEntry> Names(const std::vector<std::string>& names) {
  std::vector<TSearchEntry> entries;
  for (const std::string& name : names) entries.push_back({name, "", ""});
  return entries;
}

std::vector<std::string> Texts(const TSearchList& list) {
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < list.Count(); ++i) texts.push_back(list.Text(i));
  return texts;
}

TSearchList SortedTowns() {
  TSearchList list;
  list.Reset(true, false, true);
  // Arrives out of order: the list sorts as people browse names.
  list.Add(Names({"Zürich", "Bremen", "Aachen", "Bern", "Åbo", "Berlin", "Ölstykke"}));
  return list;
}

TEST(SearchList, SortsNamesAsPeopleBrowseThem) {
  EXPECT_EQ(Texts(SortedTowns()), (std::vector<std::string>{"Aachen", "Åbo", "Berlin", "Bern",
                                                            "Bremen", "Ölstykke", "Zürich"}));
}

struct TMatchCase {
  const char* typed;
  std::optional<std::size_t> current;
  std::optional<std::size_t> expected;
  bool exact;
};

TEST(SearchList, IncrementalSearchInASortedList) {
  const TSearchList list = SortedTowns();
  const TMatchCase cases[] = {
      {"", std::nullopt, 0, true},
      {"ber", std::nullopt, 2, true},        // the first of Berlin, Bern
      {"BERN", std::nullopt, 3, true},       // letter case does not count
      {"berl", std::nullopt, 2, true},
      {"abo", std::nullopt, 1, true},        // nor do accents
      {"ÅB", std::nullopt, 1, true},
      {"olst", std::nullopt, 5, true},
      {"bz", std::nullopt, 4, false},        // between Bremen and Ölstykke: Bremen
      {"c", std::nullopt, 4, false},
      {"aaa", std::nullopt, 0, false},       // before every entry: the first
      {"0", std::nullopt, 0, false},
      {"zz", 3u, 3u, false},                 // after every entry: unchanged
      {"zz", std::nullopt, std::nullopt, false},
      {"zürich", 1u, 6u, true},
  };
  for (const TMatchCase& c : cases) {
    SCOPED_TRACE(c.typed);
    const TListMatch match = list.Match(c.typed, c.current);
    EXPECT_EQ(match.index, c.expected);
    EXPECT_EQ(match.exact, c.exact);
  }
}

TEST(SearchList, IncrementalSearchInAnUnsortedListTakesTheLongestCommonBeginning) {
  TSearchList list;
  list.Reset(false, false, true);
  list.Add(Names({"Tokyo", "Osaka", "Toyama", "Tottori", "Ōita", "Otaru"}));
  // Arrival order stays.
  EXPECT_EQ(Texts(list)[0], "Tokyo");
  const TMatchCase cases[] = {
      {"to", std::nullopt, 0, true},     // Tokyo, Toyama, Tottori: the earliest
      {"toy", std::nullopt, 2, true},
      {"tot", std::nullopt, 3, true},
      {"tox", std::nullopt, 0, false},   // "to" in common with three: the earliest
      {"oi", std::nullopt, 4, true},     // Ōita: accents aside
      {"ot", std::nullopt, 5, true},
      {"x", std::nullopt, 0, false},     // nothing in common: the first
  };
  for (const TMatchCase& c : cases) {
    SCOPED_TRACE(c.typed);
    const TListMatch match = list.Match(c.typed, c.current);
    EXPECT_EQ(match.index, c.expected);
    EXPECT_EQ(match.exact, c.exact);
  }
}

TEST(SearchList, CompletionTakesTheFirstEntryBeginningWithTheText) {
  const TSearchList list = SortedTowns();
  EXPECT_EQ(list.FirstStartingWith("be"), 2u);
  EXPECT_EQ(list.FirstStartingWith("BREM"), 4u);
  EXPECT_EQ(list.FirstStartingWith("bz"), std::nullopt);
  EXPECT_EQ(list.FindText("Bern"), 3u);
  EXPECT_EQ(list.FindText("bern"), std::nullopt);
  EXPECT_EQ(list.FindFolded("ZURICH"), 6u);
}

TEST(SearchList, RowsInOrderAreAppendedAndOthersMergedIn) {
  TSearchList list;
  list.Reset(true, false, true);
  std::vector<TListChange> before, after;
  list.OnBeforeChange = [&](const TListChange& c) { before.push_back(c); };
  list.OnAfterChange = [&](const TListChange& c) { after.push_back(c); };

  list.Add(Names({"Aalborg", "Aarhus"}));
  list.Add(Names({"Esbjerg", "Odense"}));
  list.Add(Names({"Billund"}));  // belongs in the middle
  list.Add({});                  // nothing: no change

  ASSERT_EQ(after.size(), 3u);
  EXPECT_EQ(after[0].kind, TListChange::lcAppend);
  EXPECT_EQ(after[1].kind, TListChange::lcAppend);
  EXPECT_EQ(after[1].first, 2u);
  EXPECT_EQ(after[1].count, 2u);
  EXPECT_EQ(after[2].kind, TListChange::lcReset);
  ASSERT_EQ(before.size(), after.size());
  EXPECT_EQ(Texts(list),
            (std::vector<std::string>{"Aalborg", "Aarhus", "Billund", "Esbjerg", "Odense"}));
}

TEST(SearchList, PeopleShowInEitherOrderAndSwappingTwiceRestoresTheFirst) {
  TSearchList list;
  list.Reset(true, true, true);
  list.Add({{"Ann", "Smith", ""}, {"Bob", "Adams", ""}, {"Carl", "", ""}, {"", "Zeta", ""}});
  const std::vector<std::string> firstOrder = Texts(list);
  EXPECT_EQ(firstOrder, (std::vector<std::string>{"Ann Smith", "Bob Adams", "Carl", "Zeta"}));

  list.SetFirstNameFirst(false);
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"Adams Bob", "Carl", "Smith Ann", "Zeta"}));
  EXPECT_EQ(list.Match("smi", std::nullopt).index, 2u);

  list.SetFirstNameFirst(true);
  EXPECT_EQ(Texts(list), firstOrder);
}

}  // namespace
}  // namespace vyn::dialogs
