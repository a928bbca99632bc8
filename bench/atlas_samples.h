#pragma once
// What the speed benchmarks of the table store look up: the place keys, zone
// and summer-time names of the atlas and its largest state, and seeded
// random draws from them, so every run asks the same questions.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace vyn {
class TVynDatabase;
}

namespace vyn::bench {

struct TPlaceKey {
  std::string stateId, stateName, placeName;
};

struct TAtlasSamples {
  std::vector<TPlaceKey> places;  // in the order they were added
  std::vector<std::string> zoneNames, summerNames;
  std::string largestStateId, largestStateName;
  std::int64_t largestStateRows = 0;  // the places of the largest state
};

// Reads the samples with plain queries, not through the table cursors the
// benchmarks measure. Throws std::runtime_error for an atlas without places
// or zones; errors of the table store propagate.
TAtlasSamples ReadAtlasSamples(TVynDatabase& database);

class TSampleDraw {
 public:
  explicit TSampleDraw(std::uint32_t seed) : random_(seed) {}

  // An index below `count` (> 0).
  std::size_t Index(std::size_t count);
  // A valid date YYYYMMDD from 1850-01-01 to 2100-12-31.
  std::int64_t Date();
  // A clock time HHMMSS.
  std::int64_t Time();
  // The first 1 to all characters of `text` (UTF-8, cut between characters).
  std::string Prefix(const std::string& text);

 private:
  int Between(int low, int high);  // both included
  std::mt19937 random_;
};

}  // namespace vyn::bench
