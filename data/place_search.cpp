#include "data/place_search.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <tuple>

#include "data/data_collection.h"
#include "data/sqlite_statement.h"
#include "data/text_collation.h"
#include "data/text_fold.h"
#include "data/transaction.h"
#include "data/vyn_database.h"

namespace vyn {

const TTableLayout& PlaceAliasLayout() {
  static const TTableLayout layout{{{"Alias", TFieldKind::fkText},
                                    {"StateID", TFieldKind::fkText, 4},
                                    {"PlaceName", TFieldKind::fkText, 40},
                                    {"Kind", TFieldKind::fkInteger},
                                    {"Population", TFieldKind::fkInteger}},
                                   {},
                                   {{"Alias", {"Alias"}}}};
  return layout;
}

const TTableLayout& StateAliasLayout() {
  static const TTableLayout layout{
      {{"Alias", TFieldKind::fkText}, {"StateID", TFieldKind::fkText, 4}},
      {"Alias", "StateID"},
      {}};
  return layout;
}

namespace {

// Characters beyond ASCII that a key drops (apostrophes, the acute accent
// written alone) or reads as a blank (dashes, guillemets, no-break space).
constexpr std::string_view kDropped[] = {"\u2018", "\u2019", "\u02BB", "\u02BC", "\u00B4"};
constexpr std::string_view kBlanks[] = {"\u00A0", "\u2010", "\u2011", "\u2012", "\u2013",
                                        "\u2014", "\u2015", "\u00AB", "\u00BB"};

// The length of the UTF-8 sequence a lead byte begins (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
  if (lead >= 0xC0) return 2;
  return 1;
}

bool StartsWithAny(std::string_view text, std::size_t at,
                   std::initializer_list<std::string_view> prefixes, std::size_t& length) {
  for (std::string_view p : prefixes)
    if (text.substr(at, p.size()) == p) {
      length = p.size();
      return true;
    }
  return false;
}

}  // namespace

std::string SearchKey(std::string_view text) {
  const std::string folded = FoldText(text);
  std::string key;
  bool blank = false;
  auto put = [&](std::string_view part) {
    if (blank && !key.empty()) key += ' ';
    blank = false;
    key += part;
  };
  for (std::size_t i = 0; i < folded.size();) {
    const auto c = static_cast<unsigned char>(folded[i]);
    std::size_t length = 1;
    if (c < 0x80) {
      if (std::isalnum(c))
        put(std::string_view(&folded[i], 1));
      else if (c != '\'' && c != '.' && c != '`')
        blank = true;
    } else if (StartsWithAny(folded, i, {kDropped[0], kDropped[1], kDropped[2], kDropped[3], kDropped[4]},
                             length)) {
    } else if (StartsWithAny(folded, i,
                             {kBlanks[0], kBlanks[1], kBlanks[2], kBlanks[3], kBlanks[4],
                              kBlanks[5], kBlanks[6], kBlanks[7], kBlanks[8]},
                             length)) {
      blank = true;
    } else {
      length = std::min(SequenceLength(c), folded.size() - i);
      put(std::string_view(&folded[i], length));
    }
    i += length;
  }
  return key;
}

std::vector<std::string> LaterWords(const std::string& key) {
  std::vector<std::string> words;
  for (std::size_t blank = key.find(' '); blank != std::string::npos;
       blank = key.find(' ', blank + 1))
    words.push_back(key.substr(blank + 1));
  return words;
}

std::vector<TAliasKey> PlaceAliasKeys(std::string_view name,
                                      const std::vector<std::string>& otherNames) {
  std::vector<TAliasKey> keys;
  auto add = [&](std::string key, TAliasKind kind) {
    if (key.empty()) return;
    for (const TAliasKey& k : keys)
      if (k.key == key) return;
    keys.push_back({std::move(key), kind});
  };
  const std::string own = SearchKey(name);
  add(own, TAliasKind::akName);
  for (const std::string& other : otherNames) add(SearchKey(other), TAliasKind::akOtherName);
  for (std::string& words : LaterWords(own)) add(std::move(words), TAliasKind::akLaterWords);
  return keys;
}

namespace {

// Every key that starts with `key` lies in [key, key + 0xFF): no UTF-8 byte
// is 0xFF.
std::string PrefixEnd(const std::string& key) { return key + '\xFF'; }

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// The spellings a key is looked up under, the typed one first: German
// transliterations ("muenchen" for München, which folds to "munchen") and
// the short and long forms of a leading "Saint" or "Mount".
std::vector<std::string> Spellings(const std::string& key) {
  std::vector<std::string> spellings{key};
  auto add = [&](std::string spelling) {
    if (std::find(spellings.begin(), spellings.end(), spelling) == spellings.end())
      spellings.push_back(std::move(spelling));
  };
  add(ReplaceAll(ReplaceAll(ReplaceAll(key, "ae", "a"), "oe", "o"), "ue", "u"));
  static const std::pair<std::string_view, std::string_view> kLeading[] = {
      {"st ", "saint "}, {"saint ", "st "}, {"ste ", "sainte "},
      {"sainte ", "ste "}, {"mt ", "mount "}, {"ft ", "fort "}};
  for (const auto& [from, to] : kLeading)
    if (key.starts_with(from)) add(std::string(to) + key.substr(from.size()));
  return spellings;
}

// How closely a row matched: lower is closer.
int MatchLevel(const std::string& alias, const std::string& key, std::int64_t kind) {
  const bool exact = alias == key;
  if (kind == static_cast<std::int64_t>(TAliasKind::akLaterWords)) return exact ? 2 : 3;
  return exact ? 0 : 1;
}

// A place's own name outweighs another name of a place up to this many
// times larger: "Venice" finds Venice, Italy before Dayton, Ohio, once
// called Venice, while "Bombay" still finds Mumbai before Bombay, New York.
constexpr std::int64_t kOwnNameWeight = 10;

struct TRank {
  int level = 0;
  int spelling = 0;  // 0: as typed
  std::int64_t weight = 0;  // the population, times kOwnNameWeight for an own name
  std::int64_t population = 0;
  bool operator<(const TRank& other) const {
    return std::tie(level, spelling, other.weight) <
           std::tie(other.level, other.spelling, weight);
  }
};

TRank RankOf(const std::string& alias, const std::string& key, std::int64_t kind,
             bool typed, std::int64_t population) {
  const bool ownName = kind == static_cast<std::int64_t>(TAliasKind::akName);
  return {MatchLevel(alias, key, kind), typed ? 0 : 1,
          ownName ? population * kOwnNameWeight : population, population};
}

using TPlaceKey = std::pair<std::string, std::string>;  // StateID, PlaceName

class TSearcher {
 public:
  explicit TSearcher(TSqliteConnection& connection) : connection_(connection) {}

  // State ids whose name or other name is `key`, or, when none is, starts
  // with it (level 0 and 1); with `fuzzy`, also those within two typing
  // errors (level 2).
  std::map<std::string, int> States(const std::string& key, bool fuzzy) {
    std::map<std::string, int> found;
    TSqliteStatement range(connection_,
                           "SELECT \"Alias\", \"StateID\" FROM \"STATEALIAS\" "
                           "WHERE \"Alias\" >= ?1 AND \"Alias\" < ?2");
    range.Bind(1, key);
    range.Bind(2, PrefixEnd(key));
    while (range.Step()) Keep(found, range.Column(1).Bytes(), range.Column(0).Bytes() == key ? 0 : 1);
    if (fuzzy) {
      TSqliteStatement all(connection_, "SELECT \"Alias\", \"StateID\" FROM \"STATEALIAS\"");
      while (all.Step())
        if (WithinTwoEdits(key, all.Column(0).Bytes())) Keep(found, all.Column(1).Bytes(), 2);
    }
    return found;
  }

  std::map<TPlaceKey, TRank> Places(const std::string& key,
                                    const std::map<std::string, int>& states) {
    std::map<TPlaceKey, TRank> found;
    const std::vector<std::string> spellings = Spellings(key);
    TSqliteStatement range(connection_,
                           "SELECT \"Alias\", \"StateID\", \"PlaceName\", \"Kind\", "
                           "\"Population\" FROM \"PLACEALIAS\" "
                           "WHERE \"Alias\" >= ?1 AND \"Alias\" < ?2");
    for (std::size_t s = 0; s < spellings.size(); ++s) {
      TStatementRun run(range);
      run->Bind(1, spellings[s]);
      run->Bind(2, PrefixEnd(spellings[s]));
      while (run->Step()) {
        // Column() gives a value of its own: the key keeps copies of its texts.
        TPlaceKey place{run->Column(1).Bytes(), run->Column(2).Bytes()};
        if (!states.empty() && !states.contains(place.first)) continue;
        const TRank rank = RankOf(run->Column(0).Bytes(), spellings[s], run->Column(3).Integer(),
                                  s == 0, run->Column(4).Integer());
        auto [it, added] = found.try_emplace(std::move(place), rank);
        if (!added && rank < it->second) it->second = rank;
      }
    }
    return found;
  }

  // Fills in coordinates, zone and state name; false when the place is gone
  // from the atlas.
  bool Describe(TPlaceCandidate& candidate) {
    TStatementRun run(details_);
    run->Bind(1, candidate.stateId);
    run->Bind(2, candidate.place);
    if (!run->Step()) return false;
    candidate.state = run->Column(0).Bytes();
    candidate.latitude = static_cast<long>(run->Column(1).Integer());
    candidate.longitude = static_cast<long>(run->Column(2).Integer());
    candidate.zone = run->Column(3).Bytes();
    return true;
  }

  std::string StateName(const std::string& stateId) {
    TStatementRun run(stateName_);
    run->Bind(1, stateId);
    return run->Step() ? run->Column(0).Bytes() : std::string();
  }

 private:
  static void Keep(std::map<std::string, int>& found, const std::string& id, int level) {
    auto [it, added] = found.try_emplace(id, level);
    if (!added) it->second = std::min(it->second, level);
  }

  // Whether `b` is `a` with at most two letters inserted, removed or
  // replaced (bytes compared, so an accent-free key counts letters).
  static bool WithinTwoEdits(const std::string& a, const std::string& b) {
    constexpr std::size_t kMax = 2;
    if (a.size() < 4 || (a.size() > b.size() ? a.size() - b.size() : b.size() - a.size()) > kMax)
      return false;
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
      std::size_t diagonal = row[0];
      row[0] = i;
      for (std::size_t j = 1; j <= b.size(); ++j) {
        const std::size_t above = row[j];
        row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
        diagonal = above;
      }
    }
    return row[b.size()] <= kMax;
  }

  TSqliteConnection& connection_;
  TSqliteStatement details_{connection_,
                            "SELECT s.\"StateName\", p.\"Latitude\", p.\"Longitude\", "
                            "z.\"ZoneName\" FROM \"PLACES\" p "
                            "JOIN \"STATES\" s ON s.\"StateID\" = p.\"StateID\" "
                            "LEFT JOIN \"ZONEID\" z ON z.\"ZoneID\" = p.\"ZoneRef\" "
                            "WHERE p.\"StateID\" = ?1 AND p.\"PlaceName\" = ?2"};
  TSqliteStatement stateName_{connection_,
                              "SELECT \"StateName\" FROM \"STATES\" WHERE \"StateID\" = ?1"};
};

// The text before the last comma and the text after it ("" without one).
std::pair<std::string_view, std::string_view> SplitAtLastComma(std::string_view text) {
  const std::size_t comma = text.rfind(',');
  if (comma == std::string_view::npos) return {text, {}};
  return {text.substr(0, comma), text.substr(comma + 1)};
}

}  // namespace

std::vector<TPlaceCandidate> SearchPlaces(TDataCollection& atlas, std::string_view text,
                                          int limit) {
  const auto [placeText, stateText] = SplitAtLastComma(text);
  const std::string key = SearchKey(placeText);
  if (key.empty() || limit < 1) return {};
  TSqliteConnection& connection = atlas.Database().Connection();
  TTransaction reading(connection, TTransactionKind::tkRead);
  TSearcher searcher(connection);

  std::map<std::string, int> states;
  if (const std::string stateKey = SearchKey(stateText); !stateKey.empty()) {
    states = searcher.States(stateKey, false);
    // Exact names win over names the text only begins.
    if (std::any_of(states.begin(), states.end(), [](const auto& s) { return s.second == 0; }))
      std::erase_if(states, [](const auto& s) { return s.second != 0; });
  }
  const std::map<TPlaceKey, TRank> found = searcher.Places(key, states);

  std::vector<std::pair<TRank, const TPlaceKey*>> ranked;
  ranked.reserve(found.size());
  for (const auto& [place, rank] : found) ranked.emplace_back(rank, &place);
  // Equal ranks keep the map's order: by state id, then place name.
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });

  std::vector<TPlaceCandidate> candidates;
  for (const auto& [rank, place] : ranked) {
    if (static_cast<int>(candidates.size()) == limit) break;
    TPlaceCandidate candidate;
    candidate.stateId = place->first;
    candidate.place = place->second;
    candidate.population = rank.population;
    if (searcher.Describe(candidate)) candidates.push_back(std::move(candidate));
  }
  reading.Commit();
  return candidates;
}

std::vector<TStateCandidate> NearestStates(TDataCollection& atlas, std::string_view text,
                                           int limit) {
  const std::string key = SearchKey(text);
  if (key.empty() || limit < 1) return {};
  TSqliteConnection& connection = atlas.Database().Connection();
  TTransaction reading(connection, TTransactionKind::tkRead);
  TSearcher searcher(connection);

  std::vector<std::pair<int, TStateCandidate>> ranked;
  for (const auto& [id, level] : searcher.States(key, true))
    ranked.push_back({level, {id, searcher.StateName(id)}});
  std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
    if (a.first != b.first) return a.first < b.first;
    return CompareFoldedText(a.second.state, b.second.state) < 0;
  });
  reading.Commit();

  std::vector<TStateCandidate> states;
  for (auto& [level, state] : ranked) {
    if (static_cast<int>(states.size()) == limit) break;
    if (!state.state.empty()) states.push_back(std::move(state));
  }
  return states;
}

}  // namespace vyn
