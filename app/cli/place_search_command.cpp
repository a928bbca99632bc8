#include "app/cli/place_search_command.h"

#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>

#include "app/core/input_error.h"
#include "data/data_collection.h"
#include "data/place_search.h"
#include "data/vyn_database.h"

namespace vyn::cli {
namespace {

using core::EInputError;
using nlohmann::json;

constexpr int kDefaultLimit = 10;
constexpr int kMaxLimit = 100;
constexpr std::size_t kMaxTextBytes = 200;

struct TSearchArguments {
  std::string text;
  int limit = kDefaultLimit;
  bool json = false;
};

int LimitArgument(const std::string& text) {
  const bool digits = !text.empty() && text.size() <= 3 &&
                      text.find_first_not_of("0123456789") == std::string::npos;
  const int value = digits ? std::stoi(text) : 0;
  if (value < 1 || value > kMaxLimit)
    throw EInputError("--limit", "must be a whole number from 1 to " + std::to_string(kMaxLimit));
  return value;
}

TSearchArguments Parse(const std::vector<std::string>& args) {
  TSearchArguments parsed;
  bool search = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--json") {
      parsed.json = true;
    } else if (a == "--search") {
      if (!hasValue) throw EInputError("--search", "needs the text to search for");
      parsed.text = args[++i];
      search = true;
    } else if (a == "--limit") {
      if (!hasValue) throw EInputError("--limit", "needs a number");
      parsed.limit = LimitArgument(args[++i]);
    } else {
      throw EInputError(a, "is not an option of place --search");
    }
  }
  if (!search) throw EInputError("--search", "is missing");
  if (parsed.text.size() > kMaxTextBytes)
    throw EInputError("--search", "must be at most " + std::to_string(kMaxTextBytes) + " bytes");
  if (SearchKey(parsed.text).empty())
    throw EInputError("--search", "must hold at least one letter or digit");
  return parsed;
}

// A table angle (degrees * 100 + minutes) as the number D.MM.
double DegreesMinutes(long angle) { return angle / 100.0; }

// "48°08'N 11°35'E".
std::string PositionText(long latitude, long longitude) {
  char text[48];
  std::snprintf(text, sizeof text, "%ld\u00B0%02ld'%c %ld\u00B0%02ld'%c", std::labs(latitude) / 100,
                std::labs(latitude) % 100, latitude < 0 ? 'S' : 'N', std::labs(longitude) / 100,
                std::labs(longitude) % 100, longitude < 0 ? 'E' : 'W');
  return text;
}

json CandidateJson(const TPlaceCandidate& c) {
  return {{"state", c.state},
          {"place", c.place},
          {"latitude", DegreesMinutes(c.latitude)},
          {"longitude", DegreesMinutes(c.longitude)},
          {"zone", c.zone},
          {"population", c.population}};
}

// The states a user may have meant when nothing matched: those near the
// text after the last comma, or near the whole text without one.
std::vector<TStateCandidate> SuggestedStates(TDataCollection& atlas, const std::string& text) {
  const std::size_t comma = text.rfind(',');
  return NearestStates(atlas, comma == std::string::npos ? text : text.substr(comma + 1),
                       kDefaultLimit);
}

}  // namespace

int PlaceSearchCommand(const std::vector<std::string>& args) {
  const TSearchArguments a = Parse(args);
  TVynDatabase database;
  database.Connect(TConnectMode::cmOpenExisting);
  TDataCollection atlas(database, "UK");
  const std::vector<TPlaceCandidate> candidates = SearchPlaces(atlas, a.text, a.limit);
  const std::vector<TStateCandidate> states =
      candidates.empty() ? SuggestedStates(atlas, a.text) : std::vector<TStateCandidate>{};

  if (a.json) {
    json out{{"candidates", json::array()}};
    for (const TPlaceCandidate& c : candidates) out["candidates"].push_back(CandidateJson(c));
    if (candidates.empty()) {
      out["states"] = json::array();
      for (const TStateCandidate& s : states) out["states"].push_back(s.state);
    }
    std::cout << out.dump(2) << "\n";
    return 0;
  }
  for (const TPlaceCandidate& c : candidates)
    std::cout << c.place << ", " << c.state << "  " << PositionText(c.latitude, c.longitude)
              << "  " << c.zone << "  population " << c.population << "\n";
  if (candidates.empty()) {
    std::cout << "No place matches \"" << a.text << "\".";
    if (!states.empty()) {
      std::cout << " States with a similar name:";
      for (const TStateCandidate& s : states) std::cout << "\n  " << s.state;
    }
    std::cout << "\n";
  }
  return 0;
}

}  // namespace vyn::cli
