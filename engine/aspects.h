#pragma once
// Aspect kinds, orb matrices and the aspect lists of a chart.
#include <array>

#include "engine/angles.h"

namespace vyn {

inline constexpr int kAspectKinds = 13;   // aspect angle / 15 degrees, 0..12
inline constexpr int kAspectPoints = 14;  // bodies 1..12, Ascendant, Midheaven
inline constexpr int kPointAscendant = 13;
inline constexpr int kPointMidheaven = 14;
inline constexpr int kPointNorthNode = 11;

// True for the nine kinds that are aspects: 0, 2, 3, 4, 6, 8, 9, 10, 12.
constexpr bool IsAspectKind(int kind) {
  return kind >= 0 && kind <= 12 && kind != 1 && kind != 5 && kind != 7 &&
         kind != 11;
}

// Orbs in whole arc minutes, orb[kind][point] for point 1..14.
using TOrbMatrix =
    std::array<std::array<int, kAspectPoints + 1>, kAspectKinds>;

struct TAspectEntry {
  int first = 0;
  int second = 0;
  int kind = 0;
  extended orb = 0;  // whole arc minutes from exact
};

// Up to 150 aspects in the order found, with an index of entry numbers per
// aspect point. The index has room for every entry a point can take part
// in: two tries against each of the 14 points on either side.
class TAspectList {
 public:
  static constexpr int kCapacity = 150;
  static constexpr int kIndexCapacity = 4 * kAspectPoints;

  int Count() const { return count_; }
  // Entry n, numbered from 1.
  const TAspectEntry& Entry(int n) const { return entries_[n - 1]; }
  void Clear();
  void ClearIndex(int point) { index_[point].count = 0; }

  int IndexCount(int point) const { return index_[point].count; }
  // The k-th (from 1) entry number indexed under a point.
  int IndexedEntry(int point, int k) const {
    return index_[point].numbers[k - 1];
  }

  // Appends an entry indexed under both its points; false when full.
  bool Add(const TAspectEntry& entry) {
    if (count_ == kCapacity) return false;
    entries_[count_++] = entry;
    Index(entry.first, count_);
    Index(entry.second, count_);
    return true;
  }

 private:
  struct TPointIndex {
    int count = 0;
    std::array<int, kIndexCapacity> numbers{};
  };
  void Index(int point, int number) {
    TPointIndex& index = index_[point];
    if (index.count < kIndexCapacity) index.numbers[index.count++] = number;
  }

  int count_ = 0;
  std::array<TAspectEntry, kCapacity> entries_{};
  std::array<TPointIndex, kAspectPoints + 1> index_{};
};

// Separation of two longitudes (radians) in whole arc minutes, 0..21599,
// not folded.
long SeparationMinutes(extended a, extended b);

// Lists the aspects (if any) of points a and b at the separation d (whole
// arc minutes) measured from the step c = d div 900 and from its neighbour
// c + 1. `ownList` applies the rules of a chart's own list: the step clamps
// at 0 and the node axis, the node with the angles and the Ascendant with
// the Midheaven give no aspect.
void TryAspectSteps(TAspectList& list, const TOrbMatrix& orbs, int a, int b,
                    long d, bool ownList);

}  // namespace vyn
