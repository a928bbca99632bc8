#include "engine/aspects.h"

#include <cstdlib>

namespace vyn {

void TAspectList::Clear() {
  count_ = 0;
  for (auto& index : index_) index.count = 0;
}

namespace {

constexpr extended kMinutesPerRadian = 10800 / kPi;
// Keeps a separation that is a whole number of arc minutes (two tabulated
// values) from reading one minute short through the rounding of radians.
constexpr extended kSeparationGuard = 1e-9L;  // arc minutes

inline void TryAspect(TAspectList& list, const TOrbMatrix& orbs, int a, int b,
                      int c, long d, bool ownList) {
  if (ownList && c < 0) c = 0;
  const long x = std::labs(d - 900L * c);
  if (c > 12) c = 24 - c;
  if (!IsAspectKind(c)) return;
  if (x > orbs[c][a] || x > orbs[c][b]) return;
  if (ownList && (a == kPointNorthNode || a == kPointAscendant)) return;
  list.Add({a, b, c, static_cast<extended>(x)});
}

}  // namespace

long SeparationMinutes(extended a, extended b) {
  const extended d = a > b ? a - b : b - a;
  return static_cast<long>(d * kMinutesPerRadian + kSeparationGuard);
}

void TryAspectSteps(TAspectList& list, const TOrbMatrix& orbs, int a, int b,
                    long d, bool ownList) {
  const int c = static_cast<int>(d / 900);
  TryAspect(list, orbs, a, b, c, d, ownList);
  TryAspect(list, orbs, a, b, c + 1, d, ownList);
}

}  // namespace vyn
