// Speed of finding a birth place as a user types it, on the shipped atlas
// database: the 150 well-known birth places of the search check in turn,
// short beginnings that match many names (the first letters a dialog sees),
// and the states offered for a mistyped state name.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/data_collection.h"
#include "data/place_search.h"
#include "data/vyn_database.h"

namespace vyn::bench {
namespace {

constexpr int kCandidates = 10;  // as many as a pick list shows at once

class TShippedAtlas {
 public:
  TShippedAtlas() {
    database_.SetDirectory(std::filesystem::path(VYN_SHIPPED_DATABASE_FILE).parent_path());
    database_.Connect(TConnectMode::cmOpenExisting);
    atlas_ = std::make_unique<TDataCollection>(database_, "UK");
    atlas_->SetLanguage("UK");
    atlas_->SetActive(true);
  }
  TDataCollection& Atlas() { return *atlas_; }

 private:
  TVynDatabase database_;
  std::unique_ptr<TDataCollection> atlas_;
};

TShippedAtlas& Shipped() {
  static TShippedAtlas atlas;
  return atlas;
}

// The "Typed" column of the check list.
std::vector<std::string> TypedBirthPlaces() {
  std::ifstream file(VYN_BIRTHPLACES_CHECK);
  if (!file) throw std::runtime_error(std::string(VYN_BIRTHPLACES_CHECK) + ": cannot be read");
  std::vector<std::string> typed;
  std::string line;
  std::getline(file, line);  // the header
  while (std::getline(file, line))
    if (!line.empty()) typed.push_back(line.substr(0, line.find('\t')));
  return typed;
}

void BM_SearchCheckList(benchmark::State& state) {
  static const std::vector<std::string> typed = TypedBirthPlaces();
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SearchPlaces(Shipped().Atlas(), typed[next], kCandidates));
    next = (next + 1) % typed.size();
  }
  state.SetLabel(std::to_string(typed.size()) + " typed names in turn");
}
BENCHMARK(BM_SearchCheckList)->Unit(benchmark::kMicrosecond);

const char* const kBeginnings[] = {"s", "sa", "san", "new", "st petersburg"};

void BM_SearchBeginning(benchmark::State& state) {
  const std::string text = kBeginnings[state.range(0)];
  std::size_t found = 0;
  for (auto _ : state) found = SearchPlaces(Shipped().Atlas(), text, kCandidates).size();
  state.SetLabel("\"" + text + "\", " + std::to_string(found) + " shown");
}
BENCHMARK(BM_SearchBeginning)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

void BM_NearestStates(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(NearestStates(Shipped().Atlas(), "Germny", kCandidates));
  state.SetLabel("\"Germny\"");
}
BENCHMARK(BM_NearestStates)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vyn::bench

BENCHMARK_MAIN();
