#include "engine/aspects.h"

#include <cstdlib>

namespace vyn {

void TAspectList::Clear() {
  count_ = 0;
  for (auto& index : index_) index.count = 0;
}

void TAspectList::Index(int point, int number) {
  TPointIndex& index = index_[point];
  if (index.count < kIndexCapacity) index.numbers[index.count++] = number;
}

bool TAspectList::Add(const TAspectEntry& entry) {
  if (count_ == kCapacity) return false;
  entries_[count_++] = entry;
  Index(entry.first, count_);
  Index(entry.second, count_);
  return true;
}

void TryAspect(TAspectList& list, const TOrbMatrix& orbs, int a, int b, int c,
               long d, bool ownList) {
  if (ownList && c < 0) c = 0;
  const long x = std::labs(d - 900L * c);
  if (c > 12) c = 24 - c;
  if (!IsAspectKind(c)) return;
  if (x > orbs[c][a] || x > orbs[c][b]) return;
  if (ownList && (a == kPointNorthNode || a == kPointAscendant)) return;
  list.Add({a, b, c, static_cast<extended>(x)});
}

}  // namespace vyn
